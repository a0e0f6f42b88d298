#pragma once
// The default interface _Fiz_par of class Fiz_par: its methods in interface order.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/guid.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

class IFiz_par {
  public:
    static constexpr std::string_view kClassName = "Fiz_par";
    static constexpr com::Guid kClsid = com::Guid::parse("{752E1C20-DACB-4F91-A79D-A5ED93043142}");
    static constexpr com::Guid kIid = com::Guid::parse("{487CC2D3-BF39-4D5B-A6B8-4403C7C7895F}");

    virtual ~IFiz_par() = default;

    virtual float Ivs(oleaut::Variant& tv) = 0;
    virtual float Vvs(oleaut::Variant& tv) = 0;
    virtual float Tsp(oleaut::Variant& pp) = 0;
    virtual float Isp(oleaut::Variant& pp) = 0;
    virtual float Iv(oleaut::Variant& PV, oleaut::Variant& tv) = 0;
    virtual float Vsp(oleaut::Variant& pp) = 0;
    virtual float Vv(oleaut::Variant& PV, oleaut::Variant& tv) = 0;
    virtual oleaut::Variant Muvs(oleaut::Variant& tv) = 0;
    virtual float nu_vozd(oleaut::Variant& tvozd) = 0;
    virtual float lb_vozd(oleaut::Variant& tvozd) = 0;
    virtual float Pr_vozd(oleaut::Variant& tvozd) = 0;
};

}  // namespace kalvik
