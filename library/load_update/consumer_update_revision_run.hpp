#pragma once
// One run of the consumer load update revision of 13.11.04: the work table filled by
// `pr_Potreb_vrem`, every row updated and saved in place without a transaction, then
// `pr_Update_Potreb` and `pr_Update_Potreb_Par`. There is no handler: any error ends the run and
// reaches the caller; only the progress window is closed on the way out.

#include <cstdint>
#include <memory>
#include <string>

#include "library/com/ifiz_par.hpp"
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

class RevisionRun {
  public:
    RevisionRun(IPotr& self, std::string connString, int16_t Qpk_znk, const ConsumerPolicy& policy);
    ~RevisionRun();
    RevisionRun(const RevisionRun&) = delete;
    RevisionRun& operator=(const RevisionRun&) = delete;

    // The whole run; `updated` is set to False only when the work table is empty.
    void execute(oleaut::Variant& updated);

  private:
    // The start line, `pr_Potreb_vrem` and the work table; false when the table is empty.
    [[nodiscard]] bool workTable(oleaut::Variant& updated);
    // The connection again, the ventilation sums and the window.
    void sumsAndWindow();
    // Every row updated and saved.
    void pass();
    // The work table closed, the two update procedures run, the end line.
    void end();

    IPotr& self_;
    RunDatabase database_;
    int16_t Qpk_znk_;
    const ConsumerPolicy& policy_;

    Service<IFiz_par> fizPar_;
    std::unique_ptr<ProcedureCommand> command_;
    ConsumerRecordset rows_;
    VentSumRecordset sums_;
    std::unique_ptr<RowProgress> progress_;
    PhaseClock clock_;
    int32_t count_ = 0;
};

}  // namespace kalvik::consumer_update
