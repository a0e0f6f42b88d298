#pragma once
// One run of the consumer load update: the consumer rows and the ventilation sums fetched over
// one command, the row loop under the engine's transaction (committed and begun again every 100
// rows), the journal lines, and the handler that ends a failed run normally.

#include <cstdint>
#include <memory>
#include <string>

#include "library/com/ifiz_par.hpp"
#include "library/com/iopen_rst.hpp"
#include "library/com/ipotr.hpp"
#include "library/com/service.hpp"
#include "library/load_update/consumer_update_row.hpp"
#include "library/services/journal_text.hpp"
#include "library/services/run_database.hpp"

namespace kalvik {
class ProcedureCommand;
class RowProgress;
}  // namespace kalvik

namespace kalvik::consumer_update {

// Opens the ventilation sums through the command (turned to `pr_Obn_Sum_Qvent`), with the
// information box when there are none; the run goes on either way.
void openVentilationSums(IOpen_RST& openRst, ProcedureCommand& command, VentSumRecordset& sums,
                         const std::string& connString);
// The rest of a row after its window labels: the update and the save (an error in either names
// the consumer), the window, the move to the next row.
void passRow(const ConsumerContext& context, RowProgress& progress);

class PotrRun {
  public:
    PotrRun(IPotr& self, std::string connString, int16_t Qpk_znk, const ConsumerPolicy& policy);
    ~PotrRun();
    PotrRun(const PotrRun&) = delete;
    PotrRun& operator=(const PotrRun&) = delete;

    // The whole run; `updated` is set to False when it is not done (no consumers, or a failure
    // after set-up, which the handler shows and ends normally). Errors in set-up escape.
    void execute(oleaut::Variant& updated);

  private:
    static constexpr int32_t kRowsPerTransaction = 100;

    // The start line, the consumer rows, the ventilation sums and the window; false when there
    // are no consumers.
    [[nodiscard]] bool setUp(oleaut::Variant& updated);
    // The engine transaction, the row loop and the end, under the handler.
    void rowsAndEnd();
    void rowLoop();
    void nextTransaction();
    void end();
    // The handler: the box, the transaction rolled back when open, the row in progress dropped,
    // whatever is open closed. Nothing it does can fail.
    void handle(const std::string& description);

    IPotr& self_;
    RunDatabase database_;
    int16_t Qpk_znk_;
    const ConsumerPolicy& policy_;

    Service<IFiz_par> fizPar_;
    std::unique_ptr<ProcedureCommand> command_;
    ConsumerRecordset consumers_;
    VentSumRecordset sums_;
    std::unique_ptr<RowProgress> progress_;
    PhaseClock clock_;
    int32_t count_ = 0;
    int32_t sinceCommit_ = 0;
    bool inTransaction_ = false;
};

}  // namespace kalvik::consumer_update
