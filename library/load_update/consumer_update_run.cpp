// The consumer load update as a whole: set-up, the row loop with the engine transaction, the end,
// and the handler.

#include "library/load_update/consumer_update_run.hpp"

#include <utility>

#include "library/load_update/consumer_update_texts.hpp"
#include "library/services/msgbox.hpp"
#include "library/services/procedure_command.hpp"
#include "library/services/row_progress.hpp"
#include "platform/dao/engine.hpp"

namespace kalvik::consumer_update {

using oleaut::Variant;

namespace {

inline constexpr std::string_view kConsumersProcedure = "pr_Potreb_Obnovl";

dao::Workspace& workspace() {
    return dao::dbEngine().Workspaces(0);
}

}  // namespace

void openVentilationSums(IOpen_RST& openRst, ProcedureCommand& command, VentSumRecordset& sums,
                         const std::string& connString) {
    int32_t sumCount = 0;
    forProcedure(kSumsProcedure, [&] {
        command.setProcedure(std::string(kSumsProcedure));
        openRst.Open_RST_otkl_Proc_Prm(command.command(), sums.object(), connString, sumCount);
    });
    if (sumCount == 0) {
        MsgBox(std::string(kNoVentilation), ui::Buttons::OkOnly, ui::Icon::Information,
               std::string(kCheckTitle));
    }
}

void passRow(const ConsumerContext& context, RowProgress& progress) {
    try {
        updateConsumerRow(context);
        context.row.update();
    } catch (const oleaut::Error& e) {
        throw namingConsumer(e, context.row, col::Npotr);
    }
    progress.endRow();
    context.row.moveNext();
}

PotrRun::PotrRun(IPotr& self, std::string connString, int16_t Qpk_znk, const ConsumerPolicy& policy)
    : self_(self), database_(std::move(connString)), Qpk_znk_(Qpk_znk), policy_(policy) {}

PotrRun::~PotrRun() = default;

void PotrRun::execute(Variant& updated) {
    if (!setUp(updated)) return;
    try {
        rowsAndEnd();
    } catch (const oleaut::Error& e) {
        handle(e.description());
        updated = false;
    } catch (const std::exception& e) {
        handle(e.what());
        updated = false;
    }
}

// Start line, consumers, sums, window; the command is reused for the sums.
bool PotrRun::setUp(Variant& updated) {
    clock_.restart();
    database_.journal(journalLabel(kStartLabel));
    forProcedure(kConsumersProcedure, [&] {
        command_ = std::make_unique<ProcedureCommand>(database_.connString(),
                                                      std::string(kConsumersProcedure));
        database_.openRst().Open_RST_Proc_Prm(command_->command(), consumers_.object(),
                                              database_.connString(), count_);
    });
    if (count_ == 0) {
        MsgBox(std::string(kNoConsumers), ui::Buttons::OkOnly, ui::Icon::Critical,
               std::string(kCheckTitle));
        updated = false;
        consumers_.close();
        command_->close();
        return false;
    }
    openVentilationSums(database_.openRst(), *command_, sums_, database_.connString());
    consumers_.recordset().MoveFirst();
    progress_ = std::make_unique<RowProgress>(count_);
    return true;
}

void PotrRun::rowsAndEnd() {
    workspace().BeginTrans();
    inTransaction_ = true;
    sinceCommit_ = 0;
    rowLoop();
    end();
}

void PotrRun::nextTransaction() {
    if (++sinceCommit_ < kRowsPerTransaction) return;
    workspace().CommitTrans();
    inTransaction_ = false;
    sinceCommit_ = 0;
    workspace().BeginTrans();
    inTransaction_ = true;
}

void PotrRun::rowLoop() {
    const ConsumerContext context{consumers_, sums_, fizPar_.get(), self_, policy_, Qpk_znk_};
    while (!consumers_.eof()) {
        progress_->beginRow(std::string(kRowLabel));
        nextTransaction();
        passRow(context, *progress_);
    }
}

void PotrRun::end() {
    workspace().CommitTrans();
    inTransaction_ = false;
    consumers_.close();
    sums_.close();
    progress_->finish();
    progress_.reset();
    command_->close();
    database_.journal(endLine(count_, clock_.seconds()));
}

void PotrRun::handle(const std::string& description) {
    auto quietly = [](auto step) {
        try {
            step();
        } catch (...) {
            // The handler goes on whatever one step of its cleanup meets.
        }
    };
    quietly([&] { MsgBox(description); });
    if (inTransaction_) {
        quietly([&] { workspace().Rollback(); });
        inTransaction_ = false;
    }
    quietly([&] { consumers_.cancelUpdate(); });
    quietly([&] { consumers_.close(); });
    quietly([&] { sums_.close(); });
    quietly([&] {
        if (progress_) progress_->finish();
        progress_.reset();
    });
    quietly([&] {
        if (command_) command_->close();
    });
}

}  // namespace kalvik::consumer_update
