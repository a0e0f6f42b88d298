#pragma once
// The specific ventilation load functions: a unit's hourly design value scaled to the month's
// outdoor temperature, by the outdoor-temperature ratio (`ФРасчВент_Pr`) or by the ratio of the
// network's supply-return difference to its design difference (`ФРасчВентТ12`).
//
// Null follows the variant rules: a Null in a test makes it false, a Null in a value that has to
// be a number fails with "Invalid use of Null" naming the argument (ArgumentError).

#include <string>

#include "platform/oleaut/error.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik::ventilation {

// A failure caused by one argument, which its description names ("argument tnach: ...").
class ArgumentError : public oleaut::Error {
  public:
    ArgumentError(const oleaut::Error& cause, std::string argument)
        : oleaut::Error(cause.withContext("argument " + argument)),
          cause_(cause),
          argument_(std::move(argument)) {}
    const std::string& argument() const noexcept { return argument_; }
    // The error as the argument's value caused it, without the argument named.
    const oleaut::Error& cause() const noexcept { return cause_; }

  private:
    oleaut::Error cause_;
    std::string argument_;
};

// The twelve arguments both functions share, by reference as the interface passes them.
struct SpecificLoadArguments {
    oleaut::Variant& Qvr;         // hourly design value to scale
    oleaut::Variant& tn;          // outdoor temperature of the month
    oleaut::Variant& tvn;         // indoor temperature
    oleaut::Variant& tnro;        // design outdoor temperature of heating
    oleaut::Variant& tnvr;        // design outdoor temperature of ventilation
    oleaut::Variant& tnror_n_ot;  // outdoor temperature at which heating starts (cut-off)
    oleaut::Variant& TK;          // the unit's regime end temperature
    oleaut::Variant& tnach;       // the unit's regime start temperature
    oleaut::Variant& avtvetn;     // automatic-ventilation flag, 1 = automatic
    oleaut::Variant& Qvent_Pr;    // multiplier of the ratio
    oleaut::Variant& PAR;         // steam flag, 0 = water
    oleaut::Variant& Vent_leto;   // summer ventilation: no cut-off
};

// The network temperatures of `ФРасчВентТ12`; Т1р and Т2р are written back.
struct NetworkTemperatures {
    oleaut::Variant& Т1;
    oleaut::Variant& Т2;
    oleaut::Variant& Т1р;
    oleaut::Variant& Т2р;
    oleaut::Variant& Т1в;
    oleaut::Variant& Т2в;
};

// A Single: Qvr × k by the ratio (X − t) / (X − Y), 0 beyond the cut-off unless `Vent_leto`.
[[nodiscard]] float specificLoadByOutdoorRatio(const SpecificLoadArguments& a);

// A Double: Qvr × k by the ratio (Т1 − Т2) / (Т1р − Т2р), 0 beyond the cut-off unless
// `Vent_leto`. With tnvr equal to tnach, Т1р and Т2р take Т1в and Т2в.
[[nodiscard]] double specificLoadByNetworkRatio(const SpecificLoadArguments& a,
                                                const NetworkTemperatures& n);

}  // namespace kalvik::ventilation
