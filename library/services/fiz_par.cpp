#include "library/services/fiz_par.hpp"

#include "library/com/not_implemented.hpp"

namespace kalvik {

float Fiz_par::Ivs(oleaut::Variant&) {
    notImplemented("Fiz_par.Ivs");
}

float Fiz_par::Vvs(oleaut::Variant&) {
    notImplemented("Fiz_par.Vvs");
}

float Fiz_par::Tsp(oleaut::Variant&) {
    notImplemented("Fiz_par.Tsp");
}

float Fiz_par::Isp(oleaut::Variant&) {
    notImplemented("Fiz_par.Isp");
}

float Fiz_par::Iv(oleaut::Variant&, oleaut::Variant&) {
    notImplemented("Fiz_par.Iv");
}

float Fiz_par::Vsp(oleaut::Variant&) {
    notImplemented("Fiz_par.Vsp");
}

float Fiz_par::Vv(oleaut::Variant&, oleaut::Variant&) {
    notImplemented("Fiz_par.Vv");
}

oleaut::Variant Fiz_par::Muvs(oleaut::Variant&) {
    notImplemented("Fiz_par.Muvs");
}

float Fiz_par::nu_vozd(oleaut::Variant&) {
    notImplemented("Fiz_par.nu_vozd");
}

float Fiz_par::lb_vozd(oleaut::Variant&) {
    notImplemented("Fiz_par.lb_vozd");
}

float Fiz_par::Pr_vozd(oleaut::Variant&) {
    notImplemented("Fiz_par.Pr_vozd");
}

}  // namespace kalvik
