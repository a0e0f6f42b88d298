#pragma once
// Text functions on UTF-8 strings. Lengths and positions count Unicode characters, never bytes; a
// byte that starts no valid sequence counts as one character and is kept as it is.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/oleaut/variant.hpp"

namespace oleaut {

[[nodiscard]] std::u32string decodeUtf8(std::string_view text);  // invalid bytes read as U+FFFD
[[nodiscard]] std::string encodeUtf8(std::u32string_view chars);

// Whether the text is well-formed UTF-8: no stray or missing continuation byte, no overlong form,
// no surrogate, nothing beyond U+10FFFF.
[[nodiscard]] bool isValidUtf8(std::string_view text) noexcept;
// Bytes of the well-formed character at text[i] (i < size), 0 when none starts there.
[[nodiscard]] size_t wellFormedLength(std::string_view text, size_t i) noexcept;

// A value as an error message shows it: at most kEchoedCharacters characters, a longer one cut and
// ended with an ellipsis, so that a huge argument never makes a huge message.
inline constexpr int32_t kEchoedCharacters = 200;
[[nodiscard]] std::string echoed(std::string_view text);

// Counts and cuts by characters. A negative count or a start below 1 fails with Invalid procedure
// call; a start beyond the end gives "".
[[nodiscard]] int32_t Len(std::string_view text);
[[nodiscard]] std::string Left(std::string_view text, int32_t count);
[[nodiscard]] std::string Right(std::string_view text, int32_t count);
[[nodiscard]] std::string Mid(std::string_view text, int32_t start);  // start is 1-based
[[nodiscard]] std::string Mid(std::string_view text, int32_t start, int32_t count);
[[nodiscard]] std::string LTrim(std::string_view text);  // leading blanks (spaces) removed
[[nodiscard]] std::string RTrim(std::string_view text);  // trailing blanks removed
[[nodiscard]] std::string Trim(std::string_view text);
// 1-based character position of the first `part` in `text` from character `start`, 0 when absent.
[[nodiscard]] int32_t InStr(int32_t start, std::string_view text, std::string_view part);

// The text padded with blanks or cut to exactly `width` characters (a fixed-length String * width).
[[nodiscard]] std::string fixedLength(std::string_view text, int32_t width);

// A fixed-length string: every assignment pads or cuts to its width.
class FixedString {
  public:
    explicit FixedString(int32_t width) : width_(width), text_(fixedLength("", width)) {}
    FixedString& operator=(std::string_view text) {
        text_ = fixedLength(text, width_);
        return *this;
    }
    [[nodiscard]] const std::string& str() const noexcept { return text_; }
    [[nodiscard]] int32_t width() const noexcept { return width_; }

  private:
    int32_t width_;
    std::string text_;
};

// text Like pattern, comparing characters by code (case counts): "*" any run of characters
// (possibly none), "?" one character, "#" one digit, "[abc]" / "[a-z]" / "[!abc]" one character of
// (or not of) the list. A malformed list fails with Invalid procedure call.
[[nodiscard]] bool Like(std::string_view text, std::string_view pattern);
// Like for variants: Null on either side gives Null (false as a condition), anything else is
// compared as its text (CStr).
[[nodiscard]] Variant likeOrNull(const Variant& text, const Variant& pattern);

}  // namespace oleaut
