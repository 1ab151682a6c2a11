#include "forms/form.h"

#include "forms/error.h"
#include "forms/text/utf8.h"

#include <utility>

namespace forms {

std::size_t text_length(const Text& text) {
    return count_characters(text.view());
}

ControlRef::ControlRef(const FormCore& form, std::size_t index) : form_(form), index_(index) {
    ++form_.references_;
}

ControlRef::ControlRef(const ControlRef& other) : form_(other.form_), index_(other.index_) {
    ++form_.references_;
}

ControlRef::~ControlRef() {
    --form_.references_;
}

std::string_view ControlRef::name() const {
    return control_name(form_.description().controls[index_]);
}

void ControlRef::set_text(Text text) const {
    if (!form_.peer().set_text(index_, std::move(text)))
        throw Error(name(), "set text");
}

Text ControlRef::text() const {
    Text text;
    if (!form_.peer().get_text(index_, text))
        throw Error(name(), "get text");
    return text;
}

void ControlRef::set_visible(bool visible) const {
    if (!form_.peer().set_visible(index_, visible))
        throw Error(name(), "set visibility");
}

FormRef::FormRef(const FormCore& form) : form_(form) {
    ++form_.references_;
}

FormRef::FormRef(const FormRef& other) : form_(other.form_) {
    ++form_.references_;
}

FormRef::~FormRef() {
    --form_.references_;
}

std::string_view FormRef::name() const {
    return form_.description().name;
}

ControlRef FormRef::control(std::string_view name) const {
    const auto& controls = form_.description().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (control_name(controls[i]) == name)
            return ControlRef(form_, i);
    }
    throw Error(name, "look up");
}

} // namespace forms
