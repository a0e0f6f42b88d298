#pragma once
// The installer window's controls that take input, named, in the window's order.

#include <array>
#include <utility>

#include "installer/form1/form1.hpp"

namespace testing_support {

using NamedControl = std::pair<const char*, const ui::Control*>;

inline std::array<NamedControl, 15> namedControls(const vendrel::Form1& f) {
    return {{{"Text1", &f.Text1},
             {"Command5", &f.Command5},
             {"SSTab1", &f.SSTab1},
             {"Text2", &f.Text2},
             {"Text5", &f.Text5},
             {"Command7", &f.Command7},
             {"Text3", &f.Text3},
             {"Command3", &f.Command3},
             {"Text4", &f.Text4},
             {"Command4", &f.Command4},
             {"Command6", &f.Command6},
             {"Combo1", &f.Combo1},
             {"Text6", &f.Text6},
             {"Command1", &f.Command1},
             {"Command8", &f.Command8}}};
}

}  // namespace testing_support
