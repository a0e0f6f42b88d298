#include "library/load_update/poteri_vneshn.hpp"

#include "library/com/not_implemented.hpp"

namespace kalvik {

void Poteri_vneshn::Obnovl_mest_Poter(const std::string&, int16_t) {
    notImplemented("Poteri_vneshn.Obnovl_mest_Poter");
}

}  // namespace kalvik
