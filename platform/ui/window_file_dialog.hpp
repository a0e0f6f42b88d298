#pragma once
// File dialogs drawn by FLTK. Internal to the window layer.

#include "platform/ui/file_dialog.hpp"

namespace ui::detail {

// Shows FLTK's native chooser for the request and waits for the user.
std::optional<std::string> showWindowFileDialog(const FileRequest& request);

}  // namespace ui::detail
