// A text as the toolkit hands it around: UTF-8 bytes, immutable, shared by
// counted reference. A label holds its text this way, and reading the text
// back gives another reference to the same bytes rather than a copy, so a
// megabyte message costs no more to read back than a word.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace forms {

class Text {
  public:
    Text() = default;
    Text(std::string bytes) {
        auto owner = std::make_shared<const std::string>(std::move(bytes));
        size_ = owner->size();
        bytes_ = std::shared_ptr<const char>(owner, owner->data());
    }
    Text(const char* bytes) : Text(std::string(bytes)) {}

    // Refers to bytes that outlive every reference to them, such as the
    // process's arguments, without copying them.
    static Text lasting(std::string_view bytes) {
        Text text;
        text.bytes_ = std::shared_ptr<const char>(std::shared_ptr<const char>(), bytes.data());
        text.size_ = bytes.size();
        return text;
    }

    std::string_view view() const {
        return bytes_ ? std::string_view(bytes_.get(), size_) : std::string_view{};
    }
    bool empty() const { return size_ == 0; }

    friend bool operator==(const Text& a, std::string_view b) { return a.view() == b; }

  private:
    std::shared_ptr<const char> bytes_;
    std::size_t size_ = 0;
};

// The number of characters in a text; an invalid byte counts as one.
std::size_t text_length(const Text& text);

} // namespace forms
