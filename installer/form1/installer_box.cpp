#include "installer/form1/installer_box.hpp"

#include "platform/ui/message_box.hpp"

namespace vendrel {

void showBox(const std::string& text) {
    ui::messageBox({.text = text, .title = kBoxTitle});
}

}  // namespace vendrel
