#include "library/load_update/potr.hpp"

#include <memory>

#include "library/load_update/consumer_update_revision_run.hpp"
#include "library/load_update/consumer_update_run.hpp"
#include "platform/ado/recordset.hpp"

namespace kalvik {

void Potr::Calc_Potr(const std::string& ConnString_Fin, int16_t Qpk_znk, const std::string& Gorod,
                     oleaut::Variant& Контр_Обновл) {
    const consumer_update::CityPolicy policy(Gorod);
    consumer_update::PotrRun(*this, ConnString_Fin, Qpk_znk, policy).execute(Контр_Обновл);
}

void Potr::Calc_Potr_13_11_04(const std::string& ConnString_Fin, int16_t Qpk_znk, double GorTxv,
                              double GorTnror, oleaut::Variant& Контр_Обновл) {
    const consumer_update::RevisionPolicy policy(GorTxv, GorTnror);
    consumer_update::RevisionRun(*this, ConnString_Fin, Qpk_znk, policy).execute(Контр_Обновл);
}

// The loss addition chosen by the connection mode: 1 the network share, 2 the local losses,
// 3 both, anything else none. The arguments are left as they are.
oleaut::Variant Potr::SQ_Потр_пот(int16_t& Подкл_с_потерями, double& ДоляПотерьТсетях,
                                  double& Птпотр_п) {
    switch (Подкл_с_потерями) {
        case 1:
            return oleaut::Variant(ДоляПотерьТсетях);
        case 2:
            return oleaut::Variant(Птпотр_п);
        case 3:
            return oleaut::Variant(oleaut::checkedDouble(ДоляПотерьТсетях + Птпотр_п));
        default:
            return oleaut::Variant(0.0);
    }
}

// Sends the pending changes of the caller's recordset to the database in one batch, through a
// recordset of its own opened on it. The caller's recordset stays open; after the batch its
// rows are in step with the database, after a failure they keep their changes.
void Potr::Save_Rst(oleaut::ObjectRef& Rst, const std::string& ConnString_Fin) {
    auto rs = std::make_shared<ado::Recordset>();
    rs->ActiveConnection(oleaut::Variant(ConnString_Fin));
    rs->Open(oleaut::Variant(Rst), oleaut::Variant(), ado::adOpenUnspecified,
             ado::adLockUnspecified, ado::adOptionUnspecified);
    rs->UpdateBatch(ado::adAffectAll);
    rs->Close();
}

}  // namespace kalvik
