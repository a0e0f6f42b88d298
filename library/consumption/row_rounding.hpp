#pragma once
// The rounding switches applied to the columns of a load in the pending main row: with `Okryg` 0
// its heat and losses are rounded to `Q_znk` decimals, its leak to `G_znk`, and written back.

#include "library/consumption/run.hpp"

namespace kalvik::consumption {

// The heat, heat-loss and leak columns of one load.
struct LoadColumns {
    Column<MainRow> heat, losses, leak;
};

// Rounds the load's columns by the switches; returns the heat as the row then holds it.
[[nodiscard]] inline double roundLoad(Run& run, MainRecordset& row, const LoadColumns& load) {
    if (run.rounding().rounds()) {
        row.set(load.heat, run.rounding().roundQ(row[load.heat]));
        row.set(load.losses, run.rounding().roundQ(row[load.losses]));
        row.set(load.leak, run.rounding().roundG(row[load.leak]));
    }
    return row.number(load.heat);
}

}  // namespace kalvik::consumption
