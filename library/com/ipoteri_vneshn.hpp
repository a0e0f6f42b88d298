#pragma once
// The default interface _Poteri_vneshn of class Poteri_vneshn: its methods in interface order.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/guid.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

class IPoteri_vneshn {
  public:
    static constexpr std::string_view kClassName = "Poteri_vneshn";
    static constexpr com::Guid kClsid = com::Guid::parse("{91DBF026-A95D-4FBB-BBD6-80A45EF466DD}");
    static constexpr com::Guid kIid = com::Guid::parse("{28F01DE2-AF60-42CC-8451-A3A445A9168C}");

    virtual ~IPoteri_vneshn() = default;

    virtual void Obnovl_mest_Poter(const std::string& ConnString_Fin, int16_t Qpk_znk) = 0;
};

}  // namespace kalvik
