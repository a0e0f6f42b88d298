#pragma once
// Texts as errors show them: one line of valid UTF-8 of a bounded size, whatever a file's name or
// a damaged file's bytes put into them.

#include <cstddef>
#include <string>
#include <string_view>

namespace oleaut {

// The most bytes an error's description holds.
inline constexpr size_t kErrorLineBytes = 1000;

// The text as one line of valid UTF-8: each byte that starts no well-formed character becomes
// U+FFFD, each control character is shown escaped ("\n", "\r", "\t", "\x1B"; "\u0085", "\u2028"
// for the C1 controls and the line and paragraph separators), and a text longer than
// kErrorLineBytes bytes is cut after a whole character and ended with "…". Any other text stays
// byte for byte as it is, and so does a text this gave.
[[nodiscard]] std::string errorLine(std::string_view text);

// A path as a message shows it: made one line of valid UTF-8 as errorLine makes it, and when longer
// than kEchoedCharacters characters cut in its middle with "…", so that its last name (the file's
// own, after the last '/') stays whole; a name longer than that alone is kept whole after "…/".
[[nodiscard]] std::string echoedPath(std::string_view path);

}  // namespace oleaut
