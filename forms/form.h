// What an event handler sees of its window: counted references to the form
// and its controls. Each operation that fails raises an Error naming the
// control and the operation; a reference is released when it goes out of
// scope, so a handler that fails part-way holds nothing afterwards.
#pragma once

#include "forms/backend.h"
#include "forms/description.h"
#include "forms/text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace forms {

// A built form: its description, its real window, and the count of
// references that handlers hold to it and its controls.
class FormCore {
  public:
    FormCore(const FormDescription& description, FormPeer& peer)
        : description_(description), peer_(peer) {}
    FormCore(const FormCore&) = delete;
    FormCore& operator=(const FormCore&) = delete;

    const FormDescription& description() const { return description_; }
    FormPeer& peer() const { return peer_; }
    int references() const { return references_; }

  private:
    friend class FormRef;
    friend class ControlRef;
    const FormDescription& description_;
    FormPeer& peer_;
    mutable int references_ = 0;
};

class ControlRef {
  public:
    ControlRef(const FormCore& form, std::size_t index);
    ControlRef(const ControlRef& other);
    ControlRef& operator=(const ControlRef&) = delete;
    ~ControlRef();

    std::string_view name() const;
    void set_text(Text text) const;
    Text text() const;
    void set_visible(bool visible) const;

  private:
    const FormCore& form_;
    std::size_t index_;
};

class FormRef {
  public:
    explicit FormRef(const FormCore& form);
    FormRef(const FormRef& other);
    FormRef& operator=(const FormRef&) = delete;
    ~FormRef();

    std::string_view name() const;
    // Looks up a control by name; raises Error if the form has none.
    ControlRef control(std::string_view name) const;

  private:
    const FormCore& form_;
};

} // namespace forms
