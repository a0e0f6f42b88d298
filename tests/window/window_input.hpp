#pragma once
// The user's pointer on a shown FLTK window, as the window tests give it: finding a widget, a click
// at a point, a click on a tab's caption.

#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

#include <functional>

namespace window_tests {

// The first widget below a group (depth first) that passes a test; null when none does.
Fl_Widget* findWidget(Fl_Group* group, const std::function<bool(Fl_Widget*)>& test);

// A press and release of the left button at a point of the window.
void clickAt(Fl_Window* window, int x, int y);

// A click on the caption of the window's tab so labelled: whether there is one.
[[nodiscard]] bool clickTab(Fl_Window* window, const char* caption);

}  // namespace window_tests
