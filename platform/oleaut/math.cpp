#include "platform/oleaut/math.hpp"

#include <cmath>

namespace oleaut {
namespace {

template <class F>
Variant onNumber(const Variant& x, F f) {
    if (x.isNull()) return kNull;
    return Variant(f(CDbl(x)));
}

}  // namespace

double power(double base, double exponent) {
    if (base == 0.0 && exponent < 0.0) throw divisionByZeroError();
    return checkedDouble(std::pow(base, exponent));
}

double Log(double x) {
    if (!(x > 0.0)) throw invalidProcedureCallError();
    return std::log(x);
}

double Exp(double x) {
    return checkedDouble(std::exp(x));
}

double Sqr(double x) {
    if (x < 0.0) throw invalidProcedureCallError();
    return std::sqrt(x);
}

Variant Log(const Variant& x) {
    return onNumber(x, [](double v) { return Log(v); });
}
Variant Exp(const Variant& x) {
    return onNumber(x, [](double v) { return Exp(v); });
}
Variant Sqr(const Variant& x) {
    return onNumber(x, [](double v) { return Sqr(v); });
}

}  // namespace oleaut
