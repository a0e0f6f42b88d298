#pragma once
// MsgBox as the library's methods call it: a box without a title of its own carries the library's
// application title, the name of its type library.

#include "library/com/type_library.hpp"
#include "platform/ui/message_box.hpp"

#include <string>

namespace kalvik {

inline constexpr std::string_view kApplicationTitle = kTypeLibraryName;

ui::Answer MsgBox(const std::string& prompt, ui::Buttons buttons = ui::Buttons::OkOnly,
                  ui::Icon icon = ui::Icon::NoIcon,
                  const std::string& title = std::string(kApplicationTitle));

}  // namespace kalvik
