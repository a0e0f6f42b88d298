#include "library/services/msgbox.hpp"

namespace kalvik {

ui::Answer MsgBox(const std::string& prompt, ui::Buttons buttons, ui::Icon icon,
                  const std::string& title) {
    return ui::messageBox({.text = prompt, .buttons = buttons, .icon = icon, .title = title});
}

}  // namespace kalvik
