#pragma once
// The default interface _Ras_Potr_Par of class Ras_Potr_Par: its methods in interface order.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/guid.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

class IRas_Potr_Par {
  public:
    static constexpr std::string_view kClassName = "Ras_Potr_Par";
    static constexpr com::Guid kClsid = com::Guid::parse("{9F9A8C83-50C2-402C-9816-3AB6FFB836A4}");
    static constexpr com::Guid kIid = com::Guid::parse("{706B5294-5B0E-4E68-B287-25393A0023B8}");

    virtual ~IRas_Potr_Par() = default;

    virtual void Расчет_Пар_ADO(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                                int16_t Q_znk, int16_t G_znk, oleaut::Date Нач, oleaut::Date Кон,
                                const std::string& Дог, int16_t План) = 0;
};

}  // namespace kalvik
