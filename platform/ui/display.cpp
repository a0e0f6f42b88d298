#include "platform/ui/display.hpp"

#include <FL/Fl.H>
#include <FL/x.H>

#include <cstdlib>

namespace ui::detail {

bool openDisplay() {
    static const bool opened = [] {
        const char* name = std::getenv("DISPLAY");
        if (name == nullptr || *name == '\0') return false;
        Display* display = XOpenDisplay(name);
        if (display == nullptr) return false;
        fl_open_display(display);
        return true;
    }();
    return opened;
}

}  // namespace ui::detail
