#include "platform/oleaut/math.hpp"

#include <cfloat>
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

double quotient(double a, double b) {
    if (b == 0.0) throw divisionByZeroError();
    return checkedDouble(a / b);
}

double Log(double x) {
    if (!(x > 0.0)) throw invalidProcedureCallError();
    return checkedDouble(std::log(x));
}

double Exp(double x) {
    return checkedDouble(std::exp(x));
}

double Sqr(double x) {
    if (x < 0.0) throw invalidProcedureCallError();
    return std::sqrt(x);
}

float single(double x) {
    // From half a step above the largest Single on, rounding would give infinity.
    constexpr double kFirstOutOfRange = FLT_MAX + 0x1p103;
    if (std::fabs(checkedDouble(x)) >= kFirstOutOfRange) throw overflowError();
    if (std::fabs(x) > FLT_MAX) return std::signbit(x) ? -FLT_MAX : FLT_MAX;
    return static_cast<float>(x);
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
