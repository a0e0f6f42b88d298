#include "library/services/result_rounding.hpp"

namespace kalvik {

using oleaut::Variant;

namespace {

double rounded(const ResultRounding& r, double value, int16_t decimals) {
    return r.rounds() ? oleaut::roundHalfEven(value, decimals) : value;
}

Variant rounded(const ResultRounding& r, const Variant& value, int16_t decimals) {
    return r.rounds() ? oleaut::Round(value, decimals) : value;
}

}  // namespace

double ResultRounding::roundQ(double value) const {
    return rounded(*this, value, Q_znk);
}
double ResultRounding::roundG(double value) const {
    return rounded(*this, value, G_znk);
}
double ResultRounding::roundQpk(double value) const {
    return rounded(*this, value, Qpk_znk);
}
Variant ResultRounding::roundQ(const Variant& value) const {
    return rounded(*this, value, Q_znk);
}
Variant ResultRounding::roundG(const Variant& value) const {
    return rounded(*this, value, G_znk);
}
Variant ResultRounding::roundQpk(const Variant& value) const {
    return rounded(*this, value, Qpk_znk);
}

}  // namespace kalvik
