#include "library/ventilation_steam/ras_potr_par.hpp"

#include "library/ventilation_steam/steam_run.hpp"

namespace kalvik {

void Ras_Potr_Par::Расчет_Пар_ADO(const std::string& ConnString_Fin, int16_t, int16_t,
                                  int16_t Q_znk, int16_t G_znk, oleaut::Date, oleaut::Date Кон,
                                  const std::string& Дог, int16_t План) {
    steam::SteamRun({ConnString_Fin, Q_znk, G_znk, Кон, Дог, План}).execute();
}

}  // namespace kalvik
