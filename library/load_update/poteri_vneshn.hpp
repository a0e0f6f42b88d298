#pragma once
// Spreading of local losses over the load kinds.

#include "library/com/ipoteri_vneshn.hpp"

namespace kalvik {

class Poteri_vneshn : public IPoteri_vneshn {
  public:
    void Obnovl_mest_Poter(const std::string& ConnString_Fin, int16_t Qpk_znk) override;
};

}  // namespace kalvik
