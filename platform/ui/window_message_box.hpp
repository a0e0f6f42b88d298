#pragma once
// The message box as a modal FLTK window. Internal to the window layer.

#include "platform/ui/message_box.hpp"

namespace ui::detail {

// Shows the box and waits, processing every window's events, until a button is pressed.
Answer showWindowMessageBox(const MessageBoxRequest& request);

}  // namespace ui::detail
