#include "library/services/ras_vrem.hpp"

#include <utility>

#include "library/services/temperature_schedule.hpp"
#include "library/services/working_time.hpp"

namespace kalvik {

using oleaut::Date;
using oleaut::Variant;

Variant Ras_Vrem::ВремяОтключений(Variant& Вр_нед, Variant& Дн_нед, Variant& Нач, Variant& Кон,
                                  Date& Дт_н, Date& Дт_к, Variant& Дпер_н, Variant& Дпер_к) {
    return working_time::ВремяОтключений(Вр_нед, Дн_нед, Нач, Кон, Дт_н, Дт_к, Дпер_н, Дпер_к);
}

Variant Ras_Vrem::ВремяРаботы(Variant& Вр_нед, Variant& Дн_нед, Variant& Нач, Variant& Кон,
                              Variant& Дпер_н, Variant& Дпер_к) {
    return working_time::ВремяРаботы(Вр_нед, Дн_нед, Нач, Кон, Дпер_н, Дпер_к);
}

Variant Ras_Vrem::РасчВремДлитОткл(Variant& ДлНач, Variant& ДлКон, Variant& Нач, Variant& Кон) {
    return working_time::РасчВремДлитОткл(ДлНач, ДлКон, Нач, Кон);
}

Variant Ras_Vrem::ДлитНачало(Variant& ДлНач, Variant& Нач) {
    return working_time::ДлитНачало(ДлНач, Нач);
}

Variant Ras_Vrem::ДлитКонец(Variant& ДлНач, Variant& ДлКон, Variant& Кон) {
    return working_time::ДлитКонец(ДлНач, ДлКон, Кон);
}

Variant Ras_Vrem::Час_в_месяц(Date& Кон) {
    return working_time::Час_в_месяц(Кон);
}

Variant Ras_Vrem::ВремяНач(std::string& Vrem) {
    return working_time::ВремяНач(Vrem);
}

Variant Ras_Vrem::ВремяКон(std::string& Vrem) {
    return working_time::ВремяКон(Vrem);
}

// The result stays Empty: the caller reads T1 and T2.
Variant Ras_Vrem::ТемперГрафик(Variant& tv, Variant& tn, Variant& tvr, Variant& tnro, Variant& t1r,
                               Variant& t2r, Variant& t3r, Variant& T1, Variant& T2) {
    temperature_schedule::Temperatures t =
        temperature_schedule::ТемперГрафик(tv, tn, tvr, tnro, t1r, t2r, t3r);
    T1 = std::move(t.T1);
    T2 = std::move(t.T2);
    return {};
}

Variant Ras_Vrem::maxF(const Variant& x1, const Variant& x2) {
    return working_time::maxF(x1, x2);
}

Variant Ras_Vrem::Nz_f(const Variant& x) {
    return working_time::Nz_f(x);
}

}  // namespace kalvik
