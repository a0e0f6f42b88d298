#include "library/ventilation_steam/ventilation_specific_load.hpp"

#include "platform/oleaut/math.hpp"

namespace kalvik::ventilation {

using oleaut::Variant;

namespace {

// CDbl of an argument; a failure names it.
double numberOf(const Variant& value, const char* argument) {
    try {
        return oleaut::CDbl(value);
    } catch (const oleaut::Error& e) {
        throw ArgumentError(e, argument);
    }
}

bool holds(const Variant& condition) {
    return oleaut::isTrue(condition);
}

// The multiplier k of a ratio r: Qvent_Pr × r, or 1 for a steam unit (PAR not 0, Null included)
// whose Qvent_Pr is 0.
double multiplier(const SpecificLoadArguments& a, double r) {
    const bool water = holds(oleaut::eq(a.PAR, int16_t{0}));
    if (!water && holds(oleaut::eq(a.Qvent_Pr, int16_t{0}))) return 1;
    return numberOf(a.Qvent_Pr * Variant(r), "Qvent_Pr");
}

// Qvr × k as a Double.
double scaled(const SpecificLoadArguments& a, double k) {
    return numberOf(a.Qvr * Variant(k), "Qvr");
}

// The cut-off: t at or above the upper limit, or at or above the start of heating (a Null limit
// makes only its own test false); `Vent_leto` set switches it off.
bool cutOff(const SpecificLoadArguments& a, double t, const Variant& upperLimit) {
    if (holds(a.Vent_leto)) return false;
    return holds(
        oleaut::Or(oleaut::ge(Variant(t), upperLimit), oleaut::ge(Variant(t), a.tnror_n_ot)));
}

}  // namespace

float specificLoadByOutdoorRatio(const SpecificLoadArguments& a) {
    // The month's temperature, raised to tnvr for an automatic unit whose regime starts at tnvr.
    double t = numberOf(a.tn, "tn");
    const double tnvr = numberOf(a.tnvr, "tnvr");
    if (holds(oleaut::eq(Variant(tnvr), a.tnach)) && holds(oleaut::eq(a.avtvetn, int16_t{1})) &&
        t < tnvr)
        t = tnvr;

    // The reference pair: (tvn, tnro) for a regime that starts above tnvr + 0.2 or above -10.5,
    // else (TK, tnach). A Null tnach fails both tests.
    const bool warmStart = holds(
        oleaut::Or(oleaut::gt(a.tnach, Variant(tnvr + 0.2)), oleaut::gt(a.tnach, Variant(-10.5))));
    const double X = warmStart ? numberOf(a.tvn, "tvn") : numberOf(a.TK, "TK");
    const double Y = warmStart ? numberOf(a.tnro, "tnro") : numberOf(a.tnach, "tnach");
    const double r = oleaut::quotient(X - t, X - Y);

    const float value = oleaut::CSng(Variant(scaled(a, multiplier(a, r))));
    return cutOff(a, t, Variant(X)) ? 0.0f : value;
}

double specificLoadByNetworkRatio(const SpecificLoadArguments& a, const NetworkTemperatures& n) {
    const double t = numberOf(a.tn, "tn");
    double supply = numberOf(n.Т1, "Т1");
    double ret = numberOf(n.Т2, "Т2");
    const double tnvr = numberOf(a.tnvr, "tnvr");

    // A unit whose regime starts at tnvr is measured against the design point of ventilation; in
    // a month colder than tnvr an automatic one runs at that point.
    if (holds(oleaut::eq(Variant(tnvr), a.tnach))) {
        n.Т1р = n.Т1в;
        n.Т2р = n.Т2в;
        if (holds(oleaut::eq(a.avtvetn, int16_t{1})) && t < tnvr) {
            supply = numberOf(n.Т1в, "Т1в");
            ret = numberOf(n.Т2в, "Т2в");
        }
    }
    const double r =
        oleaut::quotient(supply - ret, numberOf(n.Т1р, "Т1р") - numberOf(n.Т2р, "Т2р"));

    const double value = scaled(a, multiplier(a, r));
    return cutOff(a, t, a.TK) ? 0.0 : value;
}

}  // namespace kalvik::ventilation
