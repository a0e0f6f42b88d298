#pragma once
// fProgres, the library's progress window: the phase and the object in hand, the counter of rows
// done out of all rows, and the bar. It has no behaviour of its own: a calculation sets its
// controls, through RowProgress (row_progress.hpp).

#include "platform/ui/form.hpp"

namespace kalvik {

class fProgres {
  public:
    fProgres();

    // Shows the window modeless: the call returns at once.
    void Show() { form_.show(); }
    // Closes the window; harmless when it is not shown.
    void Unload() { form_.unload(); }
    bool Visible() const { return form_.visible(); }

  private:
    ui::Form form_;

  public:
    ui::Label& lblName;
    ui::Label& lblCounter;
    ui::ProgressBar& ProgressBar1;
};

}  // namespace kalvik
