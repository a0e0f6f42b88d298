#pragma once
// The monthly heat-consumption calculation and its revisions.

#include "library/com/iras_potr.hpp"

namespace kalvik {

class Ras_Potr : public IRas_Potr {
  public:
    void Ras_Calc_Potr(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                       int16_t Q_znk, int16_t G_znk, const std::string& Дог,
                       const std::string& Пл_Сн, double D_NDS_p, double D_Cpec_N_p,
                       oleaut::Date Нач, oleaut::Date Кон, int16_t План, int16_t Ras_GVS,
                       int16_t tn_t12) override;
    void Ras_Calc_Potr_02_01_05(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                                int16_t Q_znk, int16_t G_znk, double GorTnror, double GorTnrvr,
                                double GorTnror_n_ot, double GorTxv, const std::string& Дог,
                                const std::string& Пл_Сн, double Год_Перерасч,
                                double Месяц_Перерасч, double D_NDS_p, double D_Cpec_N_p,
                                oleaut::Date Нач, oleaut::Date Кон, int16_t План,
                                int16_t Ras_GVS) override;
    void Ras_Calc_Potr_21_04_08(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                                int16_t Q_znk, int16_t G_znk, const std::string& Дог,
                                const std::string& Пл_Сн, double D_NDS_p, double D_Cpec_N_p,
                                oleaut::Date Нач, oleaut::Date Кон, int16_t План, int16_t Ras_GVS,
                                int16_t tn_t12) override;
    void Ras_Calc_Potr_23_01_08(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                                int16_t Q_znk, int16_t G_znk, const std::string& Дог,
                                const std::string& Пл_Сн, double D_NDS_p, double D_Cpec_N_p,
                                oleaut::Date Нач, oleaut::Date Кон, int16_t План, int16_t Ras_GVS,
                                int16_t tn_t12) override;
};

}  // namespace kalvik
