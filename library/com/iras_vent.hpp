#pragma once
// The default interface _Ras_Vent of class Ras_Vent: its methods in interface order.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/guid.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

class IRas_Vent {
  public:
    static constexpr std::string_view kClassName = "Ras_Vent";
    static constexpr com::Guid kClsid = com::Guid::parse("{A7203511-B69B-4D2D-BE5F-3C806DD5E576}");
    static constexpr com::Guid kIid = com::Guid::parse("{3E162FFC-7A6B-4EB2-AEE4-E7429A4DA567}");

    virtual ~IRas_Vent() = default;

    virtual void Ras_Calc_Vent(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                               int16_t Q_znk, int16_t G_znk, const std::string& Дог,
                               oleaut::Date Нач, oleaut::Date Кон, int16_t План,
                               int16_t tn_t12) = 0;
    virtual void Ras_Calc_Vent_03_01_05(const std::string& ConnString_Fin, int16_t Okryg,
                                        int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
                                        double GorTnror, double GorTnrvr, double GorTnror_n_ot,
                                        const std::string& Дог, double Год_Перерасч,
                                        double Месяц_Перерасч, oleaut::Date Нач, oleaut::Date Кон,
                                        int16_t План) = 0;
    virtual void Ras_Calc_Vent_23_10_04(const std::string& ConnString_Fin, int16_t Okryg,
                                        int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
                                        double GorTnror, double GorTnrvr, double GorTnror_n_ot,
                                        const std::string& Дог, double Год_Перерасч,
                                        double Месяц_Перерасч, oleaut::Date Нач, oleaut::Date Кон,
                                        int16_t План) = 0;
    virtual oleaut::Variant ФРасчВент_Pr(oleaut::Variant& Qvr, oleaut::Variant& tn,
                                         oleaut::Variant& tvn, oleaut::Variant& tnro,
                                         oleaut::Variant& tnvr, oleaut::Variant& tnror_n_ot,
                                         oleaut::Variant& TK, oleaut::Variant& tnach,
                                         oleaut::Variant& avtvetn, oleaut::Variant& Qvent_Pr,
                                         oleaut::Variant& PAR, oleaut::Variant& Vent_leto) = 0;
    virtual oleaut::Variant ФРасчВентТ12(
        oleaut::Variant& Qvr, oleaut::Variant& tn, oleaut::Variant& tvn, oleaut::Variant& tnro,
        oleaut::Variant& tnvr, oleaut::Variant& tnror_n_ot, oleaut::Variant& TK,
        oleaut::Variant& tnach, oleaut::Variant& avtvetn, oleaut::Variant& Qvent_Pr,
        oleaut::Variant& PAR, oleaut::Variant& Vent_leto, oleaut::Variant& Т1, oleaut::Variant& Т2,
        oleaut::Variant& Т1р, oleaut::Variant& Т2р, oleaut::Variant& Т1в, oleaut::Variant& Т2в) = 0;
};

}  // namespace kalvik
