#include "library/services/fprogres.hpp"

namespace kalvik {
namespace {

// The layout in twips: no caption bar, a thin frame around the client area.
ui::FormStyle progressWindowStyle() {
    return {.caption = "", .clientWidth = 5940, .clientHeight = 996, .frame = ui::Frame::Thin};
}
constexpr ui::Rect kNameRect{.left = 120, .top = 135, .width = 3645, .height = 285};
constexpr ui::Rect kCounterRect{.left = 3855, .top = 135, .width = 1920, .height = 285};
constexpr ui::Rect kBarRect{.left = 45, .top = 525, .width = 5850, .height = 285};

}  // namespace

fProgres::fProgres()
    : form_(progressWindowStyle()),
      lblName(form_.addLabel(kNameRect)),
      lblCounter(form_.addLabel(kCounterRect)),
      ProgressBar1(form_.addProgressBar(kBarRect)) {}

}  // namespace kalvik
