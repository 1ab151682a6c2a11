#include "forms/null/null_backend.h"

#include <variant>

namespace forms::null {

NullFormPeer::NullFormPeer(const FormDescription& description)
    : description_(description), controls_(description.controls.size()) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (const auto* label = std::get_if<LabelDescription>(&description.controls[i])) {
            controls_[i].text = label->text;
            controls_[i].visible = label->visible;
        } else {
            controls_[i].visible = true;
        }
    }
}

bool NullFormPeer::attempt(const std::string& operation, std::size_t control, std::string detail) {
    std::string call = operation;
    if (control < controls_.size())
        call += ' ' + std::string(control_name(description_.controls[control]));
    if (!detail.empty())
        call += ' ' + detail;
    calls_.push_back(std::move(call));
    return operation != failing_;
}

bool NullFormPeer::set_text(std::size_t control, Text text) {
    if (!attempt("set text", control, std::string(text.view())))
        return false;
    controls_.at(control).text = text.view();
    return true;
}

bool NullFormPeer::get_text(std::size_t control, Text& text) {
    if (!attempt("get text", control, {}))
        return false;
    text = controls_.at(control).text;
    return true;
}

bool NullFormPeer::set_visible(std::size_t control, bool visible) {
    if (!attempt("set visibility", control, visible ? "true" : "false"))
        return false;
    controls_.at(control).visible = visible;
    return true;
}

bool NullFormPeer::show() {
    if (!attempt("show", controls_.size(), {}))
        return false;
    shown_ = true;
    return true;
}

void NullFormPeer::run(EventSink& sink) {
    for (const auto& [control, event] : script_)
        sink.fire(control, event);
}

std::unique_ptr<FormPeer> NullBackend::create_form(const FormDescription& description) {
    auto form = std::make_unique<NullFormPeer>(description);
    form->fail_on(failing_);
    last_ = form.get();
    return form;
}

} // namespace forms::null
