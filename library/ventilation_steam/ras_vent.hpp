#pragma once
// The monthly ventilation calculation, its revisions and the specific-load functions.

#include "library/com/iras_vent.hpp"

namespace kalvik {

class Ras_Vent : public IRas_Vent {
  public:
    void Ras_Calc_Vent(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                       int16_t Q_znk, int16_t G_znk, const std::string& Дог, oleaut::Date Нач,
                       oleaut::Date Кон, int16_t План, int16_t tn_t12) override;
    void Ras_Calc_Vent_03_01_05(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                                int16_t Q_znk, int16_t G_znk, double GorTnror, double GorTnrvr,
                                double GorTnror_n_ot, const std::string& Дог, double Год_Перерасч,
                                double Месяц_Перерасч, oleaut::Date Нач, oleaut::Date Кон,
                                int16_t План) override;
    void Ras_Calc_Vent_23_10_04(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                                int16_t Q_znk, int16_t G_znk, double GorTnror, double GorTnrvr,
                                double GorTnror_n_ot, const std::string& Дог, double Год_Перерасч,
                                double Месяц_Перерасч, oleaut::Date Нач, oleaut::Date Кон,
                                int16_t План) override;
    oleaut::Variant ФРасчВент_Pr(oleaut::Variant& Qvr, oleaut::Variant& tn, oleaut::Variant& tvn,
                                 oleaut::Variant& tnro, oleaut::Variant& tnvr,
                                 oleaut::Variant& tnror_n_ot, oleaut::Variant& TK,
                                 oleaut::Variant& tnach, oleaut::Variant& avtvetn,
                                 oleaut::Variant& Qvent_Pr, oleaut::Variant& PAR,
                                 oleaut::Variant& Vent_leto) override;
    oleaut::Variant ФРасчВентТ12(oleaut::Variant& Qvr, oleaut::Variant& tn, oleaut::Variant& tvn,
                                 oleaut::Variant& tnro, oleaut::Variant& tnvr,
                                 oleaut::Variant& tnror_n_ot, oleaut::Variant& TK,
                                 oleaut::Variant& tnach, oleaut::Variant& avtvetn,
                                 oleaut::Variant& Qvent_Pr, oleaut::Variant& PAR,
                                 oleaut::Variant& Vent_leto, oleaut::Variant& Т1,
                                 oleaut::Variant& Т2, oleaut::Variant& Т1р, oleaut::Variant& Т2р,
                                 oleaut::Variant& Т1в, oleaut::Variant& Т2в) override;
};

}  // namespace kalvik
