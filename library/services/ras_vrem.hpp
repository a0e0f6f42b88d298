#pragma once
// Working-time functions and the heating temperature schedule.

#include "library/com/iras_vrem.hpp"

namespace kalvik {

class Ras_Vrem : public IRas_Vrem {
  public:
    oleaut::Variant ВремяОтключений(oleaut::Variant& Вр_нед, oleaut::Variant& Дн_нед,
                                    oleaut::Variant& Нач, oleaut::Variant& Кон, oleaut::Date& Дт_н,
                                    oleaut::Date& Дт_к, oleaut::Variant& Дпер_н,
                                    oleaut::Variant& Дпер_к) override;
    oleaut::Variant ВремяРаботы(oleaut::Variant& Вр_нед, oleaut::Variant& Дн_нед,
                                oleaut::Variant& Нач, oleaut::Variant& Кон, oleaut::Variant& Дпер_н,
                                oleaut::Variant& Дпер_к) override;
    oleaut::Variant РасчВремДлитОткл(oleaut::Variant& ДлНач, oleaut::Variant& ДлКон,
                                     oleaut::Variant& Нач, oleaut::Variant& Кон) override;
    oleaut::Variant ДлитНачало(oleaut::Variant& ДлНач, oleaut::Variant& Нач) override;
    oleaut::Variant ДлитКонец(oleaut::Variant& ДлНач, oleaut::Variant& ДлКон,
                              oleaut::Variant& Кон) override;
    oleaut::Variant Час_в_месяц(oleaut::Date& Кон) override;
    oleaut::Variant ВремяНач(std::string& Vrem) override;
    oleaut::Variant ВремяКон(std::string& Vrem) override;
    oleaut::Variant ТемперГрафик(oleaut::Variant& tv, oleaut::Variant& tn, oleaut::Variant& tvr,
                                 oleaut::Variant& tnro, oleaut::Variant& t1r, oleaut::Variant& t2r,
                                 oleaut::Variant& t3r, oleaut::Variant& T1,
                                 oleaut::Variant& T2) override;
    oleaut::Variant maxF(const oleaut::Variant& x1, const oleaut::Variant& x2) override;
    oleaut::Variant Nz_f(const oleaut::Variant& x) override;
};

}  // namespace kalvik
