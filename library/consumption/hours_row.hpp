#pragma once
// The consumer's hours row: the hours each load worked as the calculation used them, the hours of
// the period less the disconnection hours of each load that has heat, and the largest of those
// hours by kind, whose larger value becomes the main row's `Время_тс`.

#include "library/consumption/consumer_context.hpp"

namespace kalvik::consumption {

// Actual hours of the six loads (the hours row's `Тотоп` to `ТтехГВС`).
struct ActualHours {
    Hours heating = 0;
    Hours ventilation = 0;
    Hours hotWater = 0;
    Hours secondHotWater = 0;
    Hours technology = 0;
    Hours technologicalHotWater = 0;
};

// A load with heat (strictly above 0) gets the period hours less its disconnection hours, never
// below 0; ventilation gets its units' largest hours and the second hot water the period hours,
// neither less any outage. A load without heat gets 0.
[[nodiscard]] ActualHours actualHours(const ConsumerContext& c, Hours periodHours);

// The largest hours of the heating kind (heating, ventilation, technology) and of the hot-water
// kind (hot water, technological hot water), each at least 0; the second hot water counts in
// neither.
struct HourMaxima {
    Hours heating = 0;   // `t_max_ot`
    Hours hotWater = 0;  // `t_max_gv`
};
[[nodiscard]] HourMaxima hourMaxima(const ActualHours& a);

}  // namespace kalvik::consumption
