#include "tests/window/window_input.hpp"

#include <FL/Fl.H>
#include <FL/Fl_Tabs.H>

#include <cstring>

namespace window_tests {

Fl_Widget* findWidget(Fl_Group* group, const std::function<bool(Fl_Widget*)>& test) {
    for (int i = 0; i < group->children(); ++i) {
        Fl_Widget* child = group->child(i);
        if (test(child)) return child;
        if (Fl_Group* inner = child->as_group()) {
            if (Fl_Widget* found = findWidget(inner, test)) return found;
        }
    }
    return nullptr;
}

void clickAt(Fl_Window* window, int x, int y) {
    Fl::e_x = x;
    Fl::e_y = y;
    Fl::e_x_root = window->x_root() + x;
    Fl::e_y_root = window->y_root() + y;
    Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
    Fl::e_state = FL_BUTTON1;
    Fl::handle(FL_PUSH, window);
    Fl::e_state = 0;
    Fl::handle(FL_RELEASE, window);
}

bool clickTab(Fl_Window* window, const char* caption) {
    auto* tabs = static_cast<Fl_Tabs*>(
        findWidget(window, [](Fl_Widget* w) { return dynamic_cast<Fl_Tabs*>(w) != nullptr; }));
    if (!tabs) return false;
    for (int x = tabs->x() + 2; x < tabs->x() + tabs->w(); x += 4) {
        const Fl_Widget* tab = tabs->which(x, tabs->y() + 5);
        if (tab && tab->label() && std::strcmp(tab->label(), caption) == 0) {
            clickAt(window, x, tabs->y() + 5);
            return true;
        }
    }
    return false;
}

}  // namespace window_tests
