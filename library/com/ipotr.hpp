#pragma once
// The default interface _Potr of class Potr: its methods in interface order.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/guid.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

class IPotr {
  public:
    static constexpr std::string_view kClassName = "Potr";
    static constexpr com::Guid kClsid = com::Guid::parse("{91A777E5-670F-406B-9E4D-4E1D43BDEEF8}");
    static constexpr com::Guid kIid = com::Guid::parse("{26DB7377-5F5D-468A-96FC-399EC8C58E6B}");

    virtual ~IPotr() = default;

    virtual void Calc_Potr(const std::string& ConnString_Fin, int16_t Qpk_znk,
                           const std::string& Gorod, oleaut::Variant& Контр_Обновл) = 0;
    virtual void Calc_Potr_13_11_04(const std::string& ConnString_Fin, int16_t Qpk_znk,
                                    double GorTxv, double GorTnror,
                                    oleaut::Variant& Контр_Обновл) = 0;
    virtual oleaut::Variant SQ_Потр_пот(int16_t& Подкл_с_потерями, double& ДоляПотерьТсетях,
                                        double& Птпотр_п) = 0;
    virtual void Save_Rst(oleaut::ObjectRef& Rst, const std::string& ConnString_Fin) = 0;
};

}  // namespace kalvik
