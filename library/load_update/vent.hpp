#pragma once
// Load update of the ventilation units.

#include "library/com/ivent.hpp"

namespace kalvik {

class Vent : public IVent {
  public:
    void CalculationVent(const std::string& ConnString_Fin, int16_t Qpk_znk) override;
    void CalculationVent_old(const std::string& ConnString_Fin, int16_t Qpk_znk,
                             double GorTxv) override;
};

}  // namespace kalvik
