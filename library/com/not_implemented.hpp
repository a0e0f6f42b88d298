#pragma once
// The failure of a method whose body is not built yet.

#include <string_view>

namespace kalvik {

// Throws error 445 (oleaut::kNotImplemented) with the text "not implemented: CLASS.METHOD".
[[noreturn]] void notImplemented(std::string_view classAndMethod);

}  // namespace kalvik
