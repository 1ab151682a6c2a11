// The error a toolkit operation raises when it fails: it names the control
// (or window) and the operation, e.g. "dspMessage: set text failed".
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace forms {

class Error : public std::runtime_error {
  public:
    Error(std::string_view object, std::string_view operation);

    const std::string& object() const { return object_; }
    const std::string& operation() const { return operation_; }

  private:
    std::string object_;
    std::string operation_;
};

} // namespace forms
