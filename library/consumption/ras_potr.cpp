#include "library/consumption/ras_potr.hpp"

#include "library/com/not_implemented.hpp"

namespace kalvik {

void Ras_Potr::Ras_Calc_Potr(const std::string&, int16_t, int16_t, int16_t, int16_t,
                             const std::string&, const std::string&, double, double, oleaut::Date,
                             oleaut::Date, int16_t, int16_t, int16_t) {
    notImplemented("Ras_Potr.Ras_Calc_Potr");
}

void Ras_Potr::Ras_Calc_Potr_02_01_05(const std::string&, int16_t, int16_t, int16_t, int16_t,
                                      double, double, double, double, const std::string&,
                                      const std::string&, double, double, double, double,
                                      oleaut::Date, oleaut::Date, int16_t, int16_t) {
    notImplemented("Ras_Potr.Ras_Calc_Potr_02_01_05");
}

void Ras_Potr::Ras_Calc_Potr_21_04_08(const std::string&, int16_t, int16_t, int16_t, int16_t,
                                      const std::string&, const std::string&, double, double,
                                      oleaut::Date, oleaut::Date, int16_t, int16_t, int16_t) {
    notImplemented("Ras_Potr.Ras_Calc_Potr_21_04_08");
}

void Ras_Potr::Ras_Calc_Potr_23_01_08(const std::string&, int16_t, int16_t, int16_t, int16_t,
                                      const std::string&, const std::string&, double, double,
                                      oleaut::Date, oleaut::Date, int16_t, int16_t, int16_t) {
    notImplemented("Ras_Potr.Ras_Calc_Potr_23_01_08");
}

}  // namespace kalvik
