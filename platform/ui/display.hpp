#pragma once
// The connection FLTK draws on. Internal to the window layer.

namespace ui::detail {

// Opens the display named by DISPLAY for FLTK once; false when DISPLAY is unset or the server does
// not answer. FLTK itself would end the process on a display it cannot open, so it is only handed
// one that is already open.
bool openDisplay();

}  // namespace ui::detail
