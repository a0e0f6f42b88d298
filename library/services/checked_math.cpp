#include "library/services/checked_math.hpp"

#include <cmath>

#include "platform/oleaut/error.hpp"

namespace kalvik::checked {

double quotient(double a, double b) {
    if (b == 0.0) throw oleaut::divisionByZeroError();
    return finite(a / b);
}

double power(double base, double exponent) {
    if (base < 0.0 && std::trunc(exponent) != exponent) {
        throw oleaut::invalidProcedureCallError();
    }
    if (base == 0.0 && exponent < 0.0) throw oleaut::divisionByZeroError();
    return finite(std::pow(base, exponent));
}

double naturalLog(double x) {
    if (x <= 0.0) throw oleaut::invalidProcedureCallError();
    return finite(std::log(x));
}

double exponential(double x) {
    return finite(std::exp(x));
}

double finite(double x) {
    if (std::isnan(x)) throw oleaut::invalidProcedureCallError();
    if (std::isinf(x)) throw oleaut::overflowError();
    return x;
}

float single(double x) {
    // From half an ulp above the largest single on, rounding would give infinity.
    constexpr double kFirstOutOfRange = 0x1.ffffffp127;
    if (std::abs(finite(x)) >= kFirstOutOfRange) throw oleaut::overflowError();
    return static_cast<float>(x);
}

}  // namespace kalvik::checked
