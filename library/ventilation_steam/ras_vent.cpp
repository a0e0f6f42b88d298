#include "library/ventilation_steam/ras_vent.hpp"

#include "library/com/not_implemented.hpp"

namespace kalvik {

void Ras_Vent::Ras_Calc_Vent(const std::string&, int16_t, int16_t, int16_t, int16_t,
                             const std::string&, oleaut::Date, oleaut::Date, int16_t, int16_t) {
    notImplemented("Ras_Vent.Ras_Calc_Vent");
}

void Ras_Vent::Ras_Calc_Vent_03_01_05(const std::string&, int16_t, int16_t, int16_t, int16_t,
                                      double, double, double, const std::string&, double, double,
                                      oleaut::Date, oleaut::Date, int16_t) {
    notImplemented("Ras_Vent.Ras_Calc_Vent_03_01_05");
}

void Ras_Vent::Ras_Calc_Vent_23_10_04(const std::string&, int16_t, int16_t, int16_t, int16_t,
                                      double, double, double, const std::string&, double, double,
                                      oleaut::Date, oleaut::Date, int16_t) {
    notImplemented("Ras_Vent.Ras_Calc_Vent_23_10_04");
}

oleaut::Variant Ras_Vent::ФРасчВент_Pr(oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                       oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                       oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                       oleaut::Variant&, oleaut::Variant&, oleaut::Variant&) {
    notImplemented("Ras_Vent.ФРасчВент_Pr");
}

oleaut::Variant Ras_Vent::ФРасчВентТ12(oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                       oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                       oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                       oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                       oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                       oleaut::Variant&, oleaut::Variant&, oleaut::Variant&) {
    notImplemented("Ras_Vent.ФРасчВентТ12");
}

}  // namespace kalvik
