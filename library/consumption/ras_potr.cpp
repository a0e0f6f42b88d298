#include "library/consumption/ras_potr.hpp"

#include "library/com/not_implemented.hpp"
#include "library/consumption/run.hpp"

namespace kalvik {

namespace {

// The current method and its revision of 21.04.08 share the run; the revision's rules differ in
// the norm-based hot water only.
void calculate(consumption::Revision revision, const std::string& ConnString_Fin, int16_t Okryg,
               int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk, const std::string& Дог,
               const std::string& Пл_Сн, double D_NDS_p, double D_Cpec_N_p, oleaut::Date Нач,
               oleaut::Date Кон, int16_t План, int16_t Ras_GVS, int16_t tn_t12) {
    consumption::RunParameters p{ConnString_Fin, Okryg,   Qpk_znk,    Q_znk, G_znk, Дог,
                                 Пл_Сн,          D_NDS_p, D_Cpec_N_p, Нач,   Кон,   План,
                                 Ras_GVS,        tn_t12,  revision};
    consumption::Run(std::move(p)).execute();
}

}  // namespace

void Ras_Potr::Ras_Calc_Potr(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                             int16_t Q_znk, int16_t G_znk, const std::string& Дог,
                             const std::string& Пл_Сн, double D_NDS_p, double D_Cpec_N_p,
                             oleaut::Date Нач, oleaut::Date Кон, int16_t План, int16_t Ras_GVS,
                             int16_t tn_t12) {
    calculate(consumption::Revision::Current, ConnString_Fin, Okryg, Qpk_znk, Q_znk, G_znk, Дог,
              Пл_Сн, D_NDS_p, D_Cpec_N_p, Нач, Кон, План, Ras_GVS, tn_t12);
}

void Ras_Potr::Ras_Calc_Potr_02_01_05(const std::string&, int16_t, int16_t, int16_t, int16_t,
                                      double, double, double, double, const std::string&,
                                      const std::string&, double, double, double, double,
                                      oleaut::Date, oleaut::Date, int16_t, int16_t) {
    notImplemented("Ras_Potr.Ras_Calc_Potr_02_01_05");
}

void Ras_Potr::Ras_Calc_Potr_21_04_08(const std::string& ConnString_Fin, int16_t Okryg,
                                      int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
                                      const std::string& Дог, const std::string& Пл_Сн,
                                      double D_NDS_p, double D_Cpec_N_p, oleaut::Date Нач,
                                      oleaut::Date Кон, int16_t План, int16_t Ras_GVS,
                                      int16_t tn_t12) {
    calculate(consumption::Revision::Of21_04_08, ConnString_Fin, Okryg, Qpk_znk, Q_znk, G_znk, Дог,
              Пл_Сн, D_NDS_p, D_Cpec_N_p, Нач, Кон, План, Ras_GVS, tn_t12);
}

void Ras_Potr::Ras_Calc_Potr_23_01_08(const std::string&, int16_t, int16_t, int16_t, int16_t,
                                      const std::string&, const std::string&, double, double,
                                      oleaut::Date, oleaut::Date, int16_t, int16_t, int16_t) {
    notImplemented("Ras_Potr.Ras_Calc_Potr_23_01_08");
}

}  // namespace kalvik
