#pragma once
// Member and class names compare without regard to case, for Latin and Cyrillic letters alike.

#include <string>
#include <string_view>

namespace com {

// The name with Latin and Cyrillic capitals (UTF-8) turned into small letters.
std::string foldCase(std::string_view name);

bool sameName(std::string_view a, std::string_view b);

}  // namespace com
