// Spreading of each consumer's contract local losses and leaks over its seven loads, and the copy
// of its network-loss shares, in the rows of `pr_Dog_Obnovl_Potr_Poteri_Out`. Rows are saved by
// the recordset when the loop moves off them; there is no handler, so any error ends the call,
// naming the consumer of the row it met.

#include "library/load_update/poteri_vneshn.hpp"

#include <string_view>

#include "library/com/iopen_rst.hpp"
#include "library/com/service.hpp"
#include "library/load_update/loss_spreading_columns.hpp"
#include "library/services/bound_recordset.hpp"
#include "library/services/procedure_command.hpp"

namespace kalvik {

namespace loss_spreading {
namespace {

using oleaut::Variant;
using LocalLossRecordset = BoundRecordset<LocalLossRow>;

inline constexpr std::string_view kProcedure = "pr_Dog_Obnovl_Potr_Poteri_Out";

struct Factors {
    double loss = 0;
    double leak = 0;
};

// The local loss and leak per unit of SQсрчас; both 0 when it is 0 or Null. Reads SQсрчас,
// `Pot_mest`, `Yt_mest`; a Null local loss or leak beside a load fails naming its column.
// Row: none.
Factors factors(LocalLossRecordset& row) {
    const Variant load = row[col::SQсрчас];
    if (load.isNull() || oleaut::CDbl(load) == 0) return {};
    return {number(row[col::Pot_mest] / load, col::Pot_mest.name),
            number(row[col::Yt_mest] / load, col::Yt_mest.name)};
}

// Each load's loss or leak column = factor × load, rounded; the total is the sum of the stored
// shares, not rounded again. Reads the seven loads. Row: `share` of each load and `total`.
void shares(LocalLossRecordset& row, double factor, col::C LoadShare::*share, col::C total,
            int16_t Qpk_znk) {
    Variant sum = 0.0;
    for (const LoadShare& kind : kLoadShares) {
        const Variant value = oleaut::Round(Variant(factor) * row[kind.load], Qpk_znk);
        row.set(kind.*share, value);
        sum = sum + value;
    }
    row.set(total, sum);
}

// The contract's four network shares copied unchanged. Reads `Pot_ts`, `Yt_ts`, `Pot_ts_yt`,
// `Pot_ts_ox`. Row: the consumer's four shares.
void networkShares(LocalLossRecordset& row) {
    for (const ShareCopy& share : kNetworkShares)
        row.set(share.to, row[share.from]);
}

// The row's phases in order: the factors, the loss shares with Птпотр_п, the leak shares with
// Утпотр_п, the network shares.
void spreadRow(LocalLossRecordset& row, int16_t Qpk_znk) {
    const Factors f = factors(row);
    shares(row, f.loss, &LoadShare::loss, col::Птпотр_п, Qpk_znk);
    shares(row, f.leak, &LoadShare::leak, col::Утпотр_п, Qpk_znk);
    networkShares(row);
}

}  // namespace
}  // namespace loss_spreading

void Poteri_vneshn::Obnovl_mest_Poter(const std::string& ConnString_Fin, int16_t Qpk_znk) {
    loss_spreading::LocalLossRecordset rows;
    Service<IOpen_RST> openRst;
    int32_t count = 0;
    forProcedure(loss_spreading::kProcedure, [&] {
        openRst->Open_RST_proc_no_Otkl(rows.object(), ConnString_Fin,
                                       std::string(loss_spreading::kProcedure), count);
    });
    try {
        while (!rows.eof()) {
            try {
                loss_spreading::spreadRow(rows, Qpk_znk);
                rows.moveNext();  // saves the row
            } catch (const oleaut::Error& e) {
                throw namingConsumer(e, rows, loss_spreading::col::Npotr);
            }
        }
    } catch (...) {
        // The row the error left is not saved.
        rows.cancelUpdate();
        rows.close();
        throw;
    }
    rows.close();
}

}  // namespace kalvik
