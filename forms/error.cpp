#include "forms/error.h"

namespace forms {

Error::Error(std::string_view object, std::string_view operation)
    : std::runtime_error(std::string(object) + ": " + std::string(operation) + " failed"),
      object_(object), operation_(operation) {}

} // namespace forms
