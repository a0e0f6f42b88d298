#pragma once
// The terminal presentation of a shown form, when there is no display: one line on standard error
// (the labels' texts, then each bar with its percentage), redrawn in place.

#include "platform/ui/form.hpp"

#include <chrono>
#include <string>

namespace ui {

// The least time between two redraws of the line (200 ms unless set); zero redraws at every
// change. Changes in between are shown with the next redraw.
void setTerminalRefreshInterval(std::chrono::milliseconds interval);
std::chrono::milliseconds terminalRefreshInterval();

// The line of a form, at most `columns` - 1 characters wide: the labels' texts are cut to make
// room for the bars.
std::string terminalLine(const Form& form, int columns);

}  // namespace ui
