#pragma once
// Texts prepared for showing. Internal to the window layer.

#include <functional>
#include <string>
#include <string_view>

namespace ui::detail {

// FLTK reads "@" in a label as the start of a symbol; doubled, it is drawn as itself.
std::string literalLabel(std::string_view text);

// A message text with its Windows line ends ("\r\n") as plain line feeds and no trailing line ends.
std::string plainText(std::string_view text);

// How wide a text is drawn, in pixels.
using TextMeasure = std::function<int(std::string_view)>;

// The text with line feeds put in so that no line is wider than width: a line is broken after a
// blank where one fits, else after the last "/" that fits (a path at a folder), else between two
// characters, never inside one, and holds one character at least. Blanks at a break stay at the
// end of their line and do not count towards its width, so that the text comes back whole with
// the added line feeds taken out.
std::string wrapped(std::string_view text, int width, const TextMeasure& measure);

}  // namespace ui::detail
