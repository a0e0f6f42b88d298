#pragma once
// Sets the window layer's mode for one test and puts the previous one back.

#include "platform/ui/mode.hpp"

namespace testing_support {

class ScopedUiMode {
  public:
    explicit ScopedUiMode(ui::Mode mode) : previous_(ui::mode()) { ui::setMode(mode); }
    ~ScopedUiMode() { ui::setMode(previous_); }
    ScopedUiMode(const ScopedUiMode&) = delete;
    ScopedUiMode& operator=(const ScopedUiMode&) = delete;

  private:
    ui::Mode previous_;
};

}  // namespace testing_support
