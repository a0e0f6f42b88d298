#include "library/ventilation_steam/ras_potr_par.hpp"

#include "library/com/not_implemented.hpp"

namespace kalvik {

void Ras_Potr_Par::Расчет_Пар_ADO(const std::string&, int16_t, int16_t, int16_t, int16_t,
                                  oleaut::Date, oleaut::Date, const std::string&, int16_t) {
    notImplemented("Ras_Potr_Par.Расчет_Пар_ADO");
}

}  // namespace kalvik
