// The consumer load update revision of 13.11.04 as a whole: the work table, the pass and the two
// update procedures.

#include "library/load_update/consumer_update_revision_run.hpp"

#include <utility>

#include "library/load_update/consumer_update_run.hpp"
#include "library/load_update/consumer_update_texts.hpp"
#include "library/services/msgbox.hpp"
#include "library/services/procedure_command.hpp"
#include "library/services/row_progress.hpp"

namespace kalvik::consumer_update {

using oleaut::Variant;

namespace {

inline constexpr std::string_view kFillProcedure = "pr_Potreb_vrem";
inline constexpr std::string_view kWorkTable = "Расчет_Потреб_Врем";
// Run in this order after the pass: the work table's results, then the steam columns.
inline constexpr std::string_view kUpdateProcedures[] = {"pr_Update_Potreb",
                                                         "pr_Update_Potreb_Par"};

// Runs an action procedure on the command's connection.
void runAction(ProcedureCommand& command, std::string_view procedure) {
    forProcedure(procedure, [&] {
        command.setProcedure(std::string(procedure));
        command.executeNoRecords();
    });
}

}  // namespace

RevisionRun::RevisionRun(IPotr& self, std::string connString, int16_t Qpk_znk,
                         const ConsumerPolicy& policy)
    : self_(self), database_(std::move(connString)), Qpk_znk_(Qpk_znk), policy_(policy) {}

RevisionRun::~RevisionRun() = default;

void RevisionRun::execute(Variant& updated) {
    if (!workTable(updated)) return;
    try {
        sumsAndWindow();
        pass();
        end();
    } catch (...) {
        // The row in progress is not saved; the window does not outlive the run.
        try {
            rows_.cancelUpdate();
            if (progress_) progress_->finish();
        } catch (...) {
            // The run's own error is the one the caller gets.
        }
        throw;
    }
}

bool RevisionRun::workTable(Variant& updated) {
    clock_.restart();
    database_.journal(journalLabel(kStartLabel));
    {
        ProcedureCommand fill(database_.connString(), std::string(kFillProcedure));
        runAction(fill, kFillProcedure);
    }
    forProcedure(kWorkTable, [&] {
        ado::Recordset& table = rows_.recordset();
        table.ActiveConnection(Variant(database_.connString()));
        table.CursorLocation(ado::adUseClient);
        table.CursorType(ado::adOpenForwardOnly);
        table.LockType(ado::adLockOptimistic);
        table.Open(Variant(std::string(kWorkTable)), Variant(), ado::adOpenUnspecified,
                   ado::adLockUnspecified, ado::adCmdTable);
        count_ = rows_.recordCount();
    });
    if (count_ != 0) return true;
    MsgBox(std::string(kNoConsumers), ui::Buttons::OkOnly, ui::Icon::Critical,
           std::string(kCheckTitle));
    updated = false;
    rows_.close();
    return false;
}

void RevisionRun::sumsAndWindow() {
    command_ =
        std::make_unique<ProcedureCommand>(database_.connString(), std::string(kSumsProcedure));
    openVentilationSums(database_.openRst(), *command_, sums_, database_.connString());
    progress_ = std::make_unique<RowProgress>(count_);
}

void RevisionRun::pass() {
    const ConsumerContext context{rows_, sums_, fizPar_.get(), self_, policy_, Qpk_znk_};
    while (!rows_.eof()) {
        progress_->beginRow(std::string(kRowLabel));
        passRow(context, *progress_);
    }
}

void RevisionRun::end() {
    rows_.close();
    sums_.close();
    progress_->finish();
    progress_.reset();
    for (const std::string_view procedure : kUpdateProcedures)
        runAction(*command_, procedure);
    database_.journal(endLine(count_, clock_.seconds()));
}

}  // namespace kalvik::consumer_update
