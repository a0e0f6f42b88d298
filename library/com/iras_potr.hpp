#pragma once
// The default interface _Ras_Potr of class Ras_Potr: its methods in interface order.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/guid.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

class IRas_Potr {
  public:
    static constexpr std::string_view kClassName = "Ras_Potr";
    static constexpr com::Guid kClsid = com::Guid::parse("{A2B8DA77-1A05-4319-8F8C-B172220577C6}");
    static constexpr com::Guid kIid = com::Guid::parse("{CCDFF673-3A6C-4FDA-8D5F-5D3402D740C7}");

    virtual ~IRas_Potr() = default;

    // The identifier of the interface's earlier version, answered with the same interface.
    static constexpr com::Guid kIidAlias =
        com::Guid::parse("{AE8B69AF-96E1-44C7-B70A-0893159D58EF}");

    virtual void Ras_Calc_Potr(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                               int16_t Q_znk, int16_t G_znk, const std::string& Дог,
                               const std::string& Пл_Сн, double D_NDS_p, double D_Cpec_N_p,
                               oleaut::Date Нач, oleaut::Date Кон, int16_t План, int16_t Ras_GVS,
                               int16_t tn_t12) = 0;
    virtual void Ras_Calc_Potr_02_01_05(const std::string& ConnString_Fin, int16_t Okryg,
                                        int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
                                        double GorTnror, double GorTnrvr, double GorTnror_n_ot,
                                        double GorTxv, const std::string& Дог,
                                        const std::string& Пл_Сн, double Год_Перерасч,
                                        double Месяц_Перерасч, double D_NDS_p, double D_Cpec_N_p,
                                        oleaut::Date Нач, oleaut::Date Кон, int16_t План,
                                        int16_t Ras_GVS) = 0;
    virtual void Ras_Calc_Potr_21_04_08(const std::string& ConnString_Fin, int16_t Okryg,
                                        int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
                                        const std::string& Дог, const std::string& Пл_Сн,
                                        double D_NDS_p, double D_Cpec_N_p, oleaut::Date Нач,
                                        oleaut::Date Кон, int16_t План, int16_t Ras_GVS,
                                        int16_t tn_t12) = 0;
    virtual void Ras_Calc_Potr_23_01_08(const std::string& ConnString_Fin, int16_t Okryg,
                                        int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
                                        const std::string& Дог, const std::string& Пл_Сн,
                                        double D_NDS_p, double D_Cpec_N_p, oleaut::Date Нач,
                                        oleaut::Date Кон, int16_t План, int16_t Ras_GVS,
                                        int16_t tn_t12) = 0;
};

}  // namespace kalvik
