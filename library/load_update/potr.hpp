#pragma once
// Load update of the consumers.

#include "library/com/ipotr.hpp"

namespace kalvik {

class Potr : public IPotr {
  public:
    void Calc_Potr(const std::string& ConnString_Fin, int16_t Qpk_znk, const std::string& Gorod,
                   oleaut::Variant& Контр_Обновл) override;
    void Calc_Potr_13_11_04(const std::string& ConnString_Fin, int16_t Qpk_znk, double GorTxv,
                            double GorTnror, oleaut::Variant& Контр_Обновл) override;
    oleaut::Variant SQ_Потр_пот(int16_t& Подкл_с_потерями, double& ДоляПотерьТсетях,
                                double& Птпотр_п) override;
    void Save_Rst(oleaut::ObjectRef& Rst, const std::string& ConnString_Fin) override;
};

}  // namespace kalvik
