// A text as the toolkit hands it around: UTF-8 bytes, immutable, shared by
// counted reference. A label holds its text this way, and reading the text
// back gives another reference to the same bytes rather than a copy, so a
// megabyte message costs no more to read back than a word.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace forms {

class Text {
  public:
    Text() = default;
    Text(std::string bytes) : bytes_(std::make_shared<const std::string>(std::move(bytes))) {}
    Text(const char* bytes) : Text(std::string(bytes)) {}

    std::string_view view() const {
        return bytes_ ? std::string_view(*bytes_) : std::string_view{};
    }
    bool empty() const { return view().empty(); }

    friend bool operator==(const Text& a, std::string_view b) { return a.view() == b; }

  private:
    std::shared_ptr<const std::string> bytes_;
};

// The number of characters in a text; an invalid byte counts as one.
std::size_t text_length(const Text& text);

} // namespace forms
