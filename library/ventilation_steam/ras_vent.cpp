#include "library/ventilation_steam/ras_vent.hpp"

#include "library/ventilation_steam/ventilation_run.hpp"
#include "library/ventilation_steam/ventilation_specific_load.hpp"

namespace kalvik {

using ventilation::RevisionArguments;
using ventilation::RunParameters;
using ventilation::RunRules;

namespace {

// The revisions: the same run under their own rules, with the city's temperatures and the
// recalculation month; they have no `tn_t12`.
void calculateRevision(IRas_Vent& self, const RunRules& rules, const std::string& ConnString_Fin,
                       int16_t Okryg, int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
                       double GorTnror, double GorTnrvr, double GorTnror_n_ot,
                       const std::string& Дог, double Год_Перерасч, double Месяц_Перерасч,
                       oleaut::Date Нач, oleaut::Date Кон, int16_t План) {
    const RevisionArguments city{GorTnror, GorTnrvr, GorTnror_n_ot, Год_Перерасч, Месяц_Перерасч};
    const RunParameters p(ConnString_Fin, Okryg, Qpk_znk, Q_znk, G_znk, Дог, Нач, Кон, План, 0,
                          rules, city);
    ventilation::Run(self, p).execute();
}

}  // namespace

void Ras_Vent::Ras_Calc_Vent(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                             int16_t Q_znk, int16_t G_znk, const std::string& Дог, oleaut::Date Нач,
                             oleaut::Date Кон, int16_t План, int16_t tn_t12) {
    const RunParameters p(ConnString_Fin, Okryg, Qpk_znk, Q_znk, G_znk, Дог, Нач, Кон, План, tn_t12,
                          ventilation::kCurrentRules, RevisionArguments{});
    ventilation::Run(*this, p).execute();
}

void Ras_Vent::Ras_Calc_Vent_03_01_05(const std::string& ConnString_Fin, int16_t Okryg,
                                      int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
                                      double GorTnror, double GorTnrvr, double GorTnror_n_ot,
                                      const std::string& Дог, double Год_Перерасч,
                                      double Месяц_Перерасч, oleaut::Date Нач, oleaut::Date Кон,
                                      int16_t План) {
    calculateRevision(*this, ventilation::k03_01_05Rules, ConnString_Fin, Okryg, Qpk_znk, Q_znk,
                      G_znk, GorTnror, GorTnrvr, GorTnror_n_ot, Дог, Год_Перерасч, Месяц_Перерасч,
                      Нач, Кон, План);
}

void Ras_Vent::Ras_Calc_Vent_23_10_04(const std::string& ConnString_Fin, int16_t Okryg,
                                      int16_t Qpk_znk, int16_t Q_znk, int16_t G_znk,
                                      double GorTnror, double GorTnrvr, double GorTnror_n_ot,
                                      const std::string& Дог, double Год_Перерасч,
                                      double Месяц_Перерасч, oleaut::Date Нач, oleaut::Date Кон,
                                      int16_t План) {
    calculateRevision(*this, ventilation::k23_10_04Rules, ConnString_Fin, Okryg, Qpk_znk, Q_znk,
                      G_znk, GorTnror, GorTnrvr, GorTnror_n_ot, Дог, Год_Перерасч, Месяц_Перерасч,
                      Нач, Кон, План);
}

oleaut::Variant Ras_Vent::ФРасчВент_Pr(oleaut::Variant& Qvr, oleaut::Variant& tn,
                                       oleaut::Variant& tvn, oleaut::Variant& tnro,
                                       oleaut::Variant& tnvr, oleaut::Variant& tnror_n_ot,
                                       oleaut::Variant& TK, oleaut::Variant& tnach,
                                       oleaut::Variant& avtvetn, oleaut::Variant& Qvent_Pr,
                                       oleaut::Variant& PAR, oleaut::Variant& Vent_leto) {
    return oleaut::Variant(ventilation::specificLoadByOutdoorRatio(
        {Qvr, tn, tvn, tnro, tnvr, tnror_n_ot, TK, tnach, avtvetn, Qvent_Pr, PAR, Vent_leto}));
}

oleaut::Variant Ras_Vent::ФРасчВентТ12(
    oleaut::Variant& Qvr, oleaut::Variant& tn, oleaut::Variant& tvn, oleaut::Variant& tnro,
    oleaut::Variant& tnvr, oleaut::Variant& tnror_n_ot, oleaut::Variant& TK, oleaut::Variant& tnach,
    oleaut::Variant& avtvetn, oleaut::Variant& Qvent_Pr, oleaut::Variant& PAR,
    oleaut::Variant& Vent_leto, oleaut::Variant& Т1, oleaut::Variant& Т2, oleaut::Variant& Т1р,
    oleaut::Variant& Т2р, oleaut::Variant& Т1в, oleaut::Variant& Т2в) {
    return oleaut::Variant(ventilation::specificLoadByNetworkRatio(
        {Qvr, tn, tvn, tnro, tnvr, tnror_n_ot, TK, tnach, avtvetn, Qvent_Pr, PAR, Vent_leto},
        {Т1, Т2, Т1р, Т2р, Т1в, Т2в}));
}

}  // namespace kalvik
