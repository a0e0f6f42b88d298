#include "library/consumption/ras_potr.hpp"

#include "library/consumption/run.hpp"

namespace kalvik {

namespace {

// Every method shares the run; its traits (revision_traits.hpp) say where its rules differ.
consumption::RunParameters parametersOf(consumption::Revision revision,
                                        const std::string& ConnString_Fin, int16_t Okryg,
                                        int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
                                        const std::string& Дог, const std::string& Пл_Сн,
                                        double D_NDS_p, double D_Cpec_N_p, oleaut::Date Нач,
                                        oleaut::Date Кон, int16_t План, int16_t Ras_GVS,
                                        int16_t tn_t12) {
    return consumption::RunParameters{ConnString_Fin, Okryg,   Qpk_znk,    Q_znk, G_znk, Дог,
                                      Пл_Сн,          D_NDS_p, D_Cpec_N_p, Нач,   Кон,   План,
                                      Ras_GVS,        tn_t12,  revision};
}

void calculate(consumption::RunParameters p) {
    consumption::Run(std::move(p)).execute();
}

// A method that takes the arguments of the current one: the run under its revision's rules.
void calculateAs(consumption::Revision revision, const std::string& ConnString_Fin, int16_t Okryg,
                 int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk, const std::string& Дог,
                 const std::string& Пл_Сн, double D_NDS_p, double D_Cpec_N_p, oleaut::Date Нач,
                 oleaut::Date Кон, int16_t План, int16_t Ras_GVS, int16_t tn_t12) {
    calculate(parametersOf(revision, ConnString_Fin, Okryg, Qpk_znk, Q_znk, G_znk, Дог, Пл_Сн,
                           D_NDS_p, D_Cpec_N_p, Нач, Кон, План, Ras_GVS, tn_t12));
}

}  // namespace

void Ras_Potr::Ras_Calc_Potr(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                             int16_t Q_znk, int16_t G_znk, const std::string& Дог,
                             const std::string& Пл_Сн, double D_NDS_p, double D_Cpec_N_p,
                             oleaut::Date Нач, oleaut::Date Кон, int16_t План, int16_t Ras_GVS,
                             int16_t tn_t12) {
    calculateAs(consumption::Revision::Current, ConnString_Fin, Okryg, Qpk_znk, Q_znk, G_znk, Дог,
                Пл_Сн, D_NDS_p, D_Cpec_N_p, Нач, Кон, План, Ras_GVS, tn_t12);
}

// Its `tn_t12` is 0: the method has none and reads no T12 switch.
void Ras_Potr::Ras_Calc_Potr_02_01_05(
    const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
    double GorTnror, double GorTnrvr, double GorTnror_n_ot, double GorTxv, const std::string& Дог,
    const std::string& Пл_Сн, double Год_Перерасч, double Месяц_Перерасч, double D_NDS_p,
    double D_Cpec_N_p, oleaut::Date Нач, oleaut::Date Кон, int16_t План, int16_t Ras_GVS) {
    consumption::RunParameters p =
        parametersOf(consumption::Revision::Of02_01_05, ConnString_Fin, Okryg, Qpk_znk, Q_znk,
                     G_znk, Дог, Пл_Сн, D_NDS_p, D_Cpec_N_p, Нач, Кон, План, Ras_GVS, 0);
    p.GorTnror = GorTnror;
    p.GorTnrvr = GorTnrvr;
    p.GorTnror_n_ot = GorTnror_n_ot;
    p.GorTxv = GorTxv;
    p.Год_Перерасч = Год_Перерасч;
    p.Месяц_Перерасч = Месяц_Перерасч;
    calculate(std::move(p));
}

void Ras_Potr::Ras_Calc_Potr_21_04_08(const std::string& ConnString_Fin, int16_t Okryg,
                                      int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
                                      const std::string& Дог, const std::string& Пл_Сн,
                                      double D_NDS_p, double D_Cpec_N_p, oleaut::Date Нач,
                                      oleaut::Date Кон, int16_t План, int16_t Ras_GVS,
                                      int16_t tn_t12) {
    calculateAs(consumption::Revision::Of21_04_08, ConnString_Fin, Okryg, Qpk_znk, Q_znk, G_znk,
                Дог, Пл_Сн, D_NDS_p, D_Cpec_N_p, Нач, Кон, План, Ras_GVS, tn_t12);
}

void Ras_Potr::Ras_Calc_Potr_23_01_08(const std::string& ConnString_Fin, int16_t Okryg,
                                      int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
                                      const std::string& Дог, const std::string& Пл_Сн,
                                      double D_NDS_p, double D_Cpec_N_p, oleaut::Date Нач,
                                      oleaut::Date Кон, int16_t План, int16_t Ras_GVS,
                                      int16_t tn_t12) {
    calculateAs(consumption::Revision::Of23_01_08, ConnString_Fin, Okryg, Qpk_znk, Q_znk, G_znk,
                Дог, Пл_Сн, D_NDS_p, D_Cpec_N_p, Нач, Кон, План, Ras_GVS, tn_t12);
}

}  // namespace kalvik
