#pragma once
// Texts prepared for showing. Internal to the window layer.

#include <string>
#include <string_view>

namespace ui::detail {

// FLTK reads "@" in a label as the start of a symbol; doubled, it is drawn as itself.
std::string literalLabel(std::string_view text);

// A message text with its Windows line ends ("\r\n") as plain line feeds and no trailing line ends.
std::string plainText(std::string_view text);

}  // namespace ui::detail
