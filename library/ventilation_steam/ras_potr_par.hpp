#pragma once
// Monthly steam and condensate totals per consumer.

#include "library/com/iras_potr_par.hpp"

namespace kalvik {

class Ras_Potr_Par : public IRas_Potr_Par {
  public:
    void Расчет_Пар_ADO(const std::string& ConnString_Fin, int16_t Okryg, int16_t Qpk_znk,
                        int16_t Q_znk, int16_t G_znk, oleaut::Date Нач, oleaut::Date Кон,
                        const std::string& Дог, int16_t План) override;
};

}  // namespace kalvik
