#include "library/services/ras_vrem.hpp"

#include "library/com/not_implemented.hpp"

namespace kalvik {

oleaut::Variant Ras_Vrem::ВремяОтключений(oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                          oleaut::Variant&, oleaut::Date&, oleaut::Date&,
                                          oleaut::Variant&, oleaut::Variant&) {
    notImplemented("Ras_Vrem.ВремяОтключений");
}

oleaut::Variant Ras_Vrem::ВремяРаботы(oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                      oleaut::Variant&, oleaut::Variant&, oleaut::Variant&) {
    notImplemented("Ras_Vrem.ВремяРаботы");
}

oleaut::Variant Ras_Vrem::РасчВремДлитОткл(oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                           oleaut::Variant&) {
    notImplemented("Ras_Vrem.РасчВремДлитОткл");
}

oleaut::Variant Ras_Vrem::ДлитНачало(oleaut::Variant&, oleaut::Variant&) {
    notImplemented("Ras_Vrem.ДлитНачало");
}

oleaut::Variant Ras_Vrem::ДлитКонец(oleaut::Variant&, oleaut::Variant&, oleaut::Variant&) {
    notImplemented("Ras_Vrem.ДлитКонец");
}

oleaut::Variant Ras_Vrem::Час_в_месяц(oleaut::Date&) {
    notImplemented("Ras_Vrem.Час_в_месяц");
}

oleaut::Variant Ras_Vrem::ВремяНач(std::string&) {
    notImplemented("Ras_Vrem.ВремяНач");
}

oleaut::Variant Ras_Vrem::ВремяКон(std::string&) {
    notImplemented("Ras_Vrem.ВремяКон");
}

oleaut::Variant Ras_Vrem::ТемперГрафик(oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                       oleaut::Variant&, oleaut::Variant&, oleaut::Variant&,
                                       oleaut::Variant&, oleaut::Variant&, oleaut::Variant&) {
    notImplemented("Ras_Vrem.ТемперГрафик");
}

oleaut::Variant Ras_Vrem::maxF(const oleaut::Variant&, const oleaut::Variant&) {
    notImplemented("Ras_Vrem.maxF");
}

oleaut::Variant Ras_Vrem::Nz_f(const oleaut::Variant&) {
    notImplemented("Ras_Vrem.Nz_f");
}

}  // namespace kalvik
