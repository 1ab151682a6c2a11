// The X11 backend's entry: one connection, and forms built on it.
#include "forms/backend.h"
#include "forms/x11/connection.h"
#include "forms/x11/x11_form.h"

namespace forms {
namespace {

class X11Backend final : public Backend {
  public:
    explicit X11Backend(FatalHandler on_fatal) : connection_(on_fatal) {}

    std::unique_ptr<FormPeer> create_form(const FormDescription& description) override {
        return std::make_unique<x11::X11Form>(connection_, description);
    }

  private:
    x11::Connection connection_;
};

} // namespace

std::unique_ptr<Backend> open_backend(FatalHandler on_fatal) {
    return std::make_unique<X11Backend>(on_fatal);
}

} // namespace forms
