#pragma once
// How a calculation drives the progress window through its row loop:
//
//     RowProgress progress(K_vo);                    // shown; Min 0, Max K_vo, Value 0
//     while (!rs.EOF) {
//         progress.beginRow("Расчет потребитель " + number);  // "i/K_vo", pending messages
//         ... compute and save the row ...
//         progress.endRow();                        // pending messages, Value + 1
//         rs.MoveNext();
//     }
//     progress.finish();                             // unloaded
//
// Each calculation call gets a fresh window. One that is still shown when the object goes (the
// call ended with an error) is closed with it.

#include "library/services/fprogres.hpp"

#include <cstdint>
#include <string>

namespace kalvik {

class RowProgress {
  public:
    // Shows the window modeless and sets the bar to 0 of `rowCount`.
    explicit RowProgress(int32_t rowCount);

    // The start of the next row: lblName shows the phase and object, lblCounter the row number
    // out of all rows, then the host processes its pending window messages.
    void beginRow(const std::string& name);
    // The end of the row, after its results are saved: the host processes its pending window
    // messages, then the bar advances by one.
    void endRow();
    // After the last row: unloads the window.
    void finish();

    int32_t row() const { return row_; }
    const fProgres& window() const { return window_; }

  private:
    fProgres window_;
    int32_t rowCount_;
    int32_t row_ = 0;
};

}  // namespace kalvik
