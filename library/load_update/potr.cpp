#include "library/load_update/potr.hpp"

#include "library/com/not_implemented.hpp"

namespace kalvik {

void Potr::Calc_Potr(const std::string&, int16_t, const std::string&, oleaut::Variant&) {
    notImplemented("Potr.Calc_Potr");
}

void Potr::Calc_Potr_13_11_04(const std::string&, int16_t, double, double, oleaut::Variant&) {
    notImplemented("Potr.Calc_Potr_13_11_04");
}

oleaut::Variant Potr::SQ_Потр_пот(int16_t&, double&, double&) {
    notImplemented("Potr.SQ_Потр_пот");
}

void Potr::Save_Rst(oleaut::ObjectRef&, const std::string&) {
    notImplemented("Potr.Save_Rst");
}

}  // namespace kalvik
