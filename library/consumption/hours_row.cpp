#include "library/consumption/hours_row.hpp"

#include <algorithm>
#include <initializer_list>

namespace kalvik::consumption {

namespace {

// Period hours less disconnection hours for a load with heat. Disconnection sums larger than the
// period would give negative hours in the bill: they give 0.
double hoursWithHeat(double heat, double hours) {
    return heat > 0 ? std::max(hours, 0.0) : 0.0;
}

double largest(std::initializer_list<double> hours) {
    double m = 0;
    for (double h : hours)
        if (h > m) m = h;
    return m;
}

}  // namespace

ActualHours actualHours(const ConsumerContext& c, double periodHours) {
    const LoadHours& off = c.disconnectionHours;
    ActualHours a;
    a.heating = hoursWithHeat(c.heating.Qот, periodHours - off.heating);
    a.ventilation = c.ventilation.heat > 0 ? c.ventilation.maximumHours : 0.0;
    a.hotWater = hoursWithHeat(c.hotWater.Qгвс, periodHours - off.hotWater);
    a.secondHotWater = hoursWithHeat(c.hotWater.Qгвс_пс, periodHours);
    a.technology = hoursWithHeat(c.technology.Qтех, periodHours - off.technology);
    a.technologicalHotWater =
        hoursWithHeat(c.technology.Qтехгвс, periodHours - off.technologicalHotWater);
    return a;
}

HourMaxima hourMaxima(const ActualHours& a) {
    return {largest({a.heating, a.ventilation, a.technology}),
            largest({a.hotWater, a.technologicalHotWater})};
}

}  // namespace kalvik::consumption
