#include "library/consumption/hours_row.hpp"

#include <algorithm>
#include <initializer_list>

#include "library/consumption/phases.hpp"

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

ActualHours actualHours(const ConsumerContext& c, Hours periodHours) {
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

// The hours row after its identity columns: the hours the calculation used, the actual hours and
// their maxima; the larger maximum becomes the main row's `Время_тс`.
void hoursRow(Run& run, const ConsumerContext& c, MainRecordset& row) {
    namespace H = hours_row;
    HoursRecordset& h = run.hoursTable();
    const LoadHours& used = c.netHours;
    h.set(H::Тотоп_r, used.heating);
    h.set(H::Твент_r, c.ventilation.hours);
    h.set(H::Тгвс_r, used.hotWater);
    h.set(H::Тгвс_Пс_r, used.secondHotWater);
    h.set(H::Ттех_r, used.technology);
    h.set(H::ТтехГВС_r, used.technologicalHotWater);

    const ActualHours actual = actualHours(c, run.period().periodHours);
    h.set(H::Тотоп, actual.heating);
    h.set(H::Твент, actual.ventilation);
    h.set(H::Тгвс, actual.hotWater);
    h.set(H::Тгвс_Пс, actual.secondHotWater);
    h.set(H::Ттех, actual.technology);
    h.set(H::ТтехГВС, actual.technologicalHotWater);

    const HourMaxima maxima = hourMaxima(actual);
    h.set(H::t_max_ot, maxima.heating);
    h.set(H::t_max_gv, maxima.hotWater);
    h.set(H::t_max, run.rasVrem().maxF(maxima.heating, maxima.hotWater));
    row.set(main_row::Время_тс, h[H::t_max]);
}

}  // namespace kalvik::consumption
