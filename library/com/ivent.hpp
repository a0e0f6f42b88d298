#pragma once
// The default interface _Vent of class Vent: its methods in interface order.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/guid.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

class IVent {
  public:
    static constexpr std::string_view kClassName = "Vent";
    static constexpr com::Guid kClsid = com::Guid::parse("{738E20F2-23DF-404A-AAF0-A1FDC7BF28DA}");
    static constexpr com::Guid kIid = com::Guid::parse("{8E34D676-91B8-429D-9AAD-40A3D9596B0A}");

    virtual ~IVent() = default;

    virtual void CalculationVent(const std::string& ConnString_Fin, int16_t Qpk_znk) = 0;
    virtual void CalculationVent_old(const std::string& ConnString_Fin, int16_t Qpk_znk,
                                     double GorTxv) = 0;
};

}  // namespace kalvik
