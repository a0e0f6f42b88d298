#pragma once
// The installer's message box: the text, the button OK, and the installer's name as the title
// where none is given.

#include <string>

namespace vendrel {

inline constexpr const char* kBoxTitle = "Vendrel";

void showBox(const std::string& text);

}  // namespace vendrel
