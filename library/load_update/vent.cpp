#include "library/load_update/vent.hpp"

#include "library/com/not_implemented.hpp"

namespace kalvik {

void Vent::CalculationVent(const std::string&, int16_t) {
    notImplemented("Vent.CalculationVent");
}

void Vent::CalculationVent_old(const std::string&, int16_t, double) {
    notImplemented("Vent.CalculationVent_old");
}

}  // namespace kalvik
