#pragma once
// One consumption run: its period in hours, the recordsets fetched before the loop, the services,
// and the consumer loop whose pass calls the phases in order (consumer_pass.cpp). The phases reach
// everything of the run through this object.

#include <cstdint>
#include <memory>
#include <string>

#include "library/com/ifiz_par.hpp"
#include "library/com/iras_vrem.hpp"
#include "library/com/service.hpp"
#include "library/consumption/bound_recordset.hpp"
#include "library/consumption/consumer_context.hpp"
#include "library/consumption/revision_traits.hpp"
#include "library/consumption/run_parameters.hpp"
#include "library/consumption/variant_rule.hpp"
#include "library/services/appending_table.hpp"
#include "library/services/journal_text.hpp"
#include "library/services/result_rounding.hpp"
#include "library/services/row_fields.hpp"
#include "library/services/run_database.hpp"
#include "library/services/run_period.hpp"

namespace kalvik {
class ProcedureCommand;
class RowProgress;
}  // namespace kalvik

namespace kalvik::consumption {

class Run {
  public:
    explicit Run(RunParameters parameters);
    ~Run();
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    // Set-up, the consumer loop and the end steps. The first failure ends the run with an error
    // that names the consumer; that consumer's writes are rolled back, earlier consumers stay
    // saved.
    void execute();

    const RunParameters& parameters() const { return parameters_; }
    const RevisionTraits& traits() const { return traits_; }
    const RunPeriod& period() const { return period_; }
    const RunVariant& variant() const { return variant_; }

    // The recordsets of the run. The auxiliary ones are disconnected and narrowed to the consumer
    // of the pass by the phase that reads them; their counts are those of the opening.
    SourceRecordset& source() { return source_; }
    OutageRecordset& outageRows() { return outages_; }
    int32_t outageCount() const { return outageCount_; }
    LongOutageRecordset& longOutageRows() { return longOutages_; }
    int32_t longOutageCount() const { return longOutageCount_; }
    FlushingRecordset& flushingRows() { return flushings_; }
    int32_t flushingCount() const { return flushingCount_; }
    VentilationSumRecordset& ventilationSumRows() { return ventilationSums_; }
    int32_t ventilationSumCount() const { return ventilationSumCount_; }
    HoursRecordset& hoursTable() { return hoursTable_.rows(); }
    // A column of the month's climate row, when the method reads one (variant().climateSource),
    // read when a consumer's rule first needs it; an empty climate source fails naming it.
    [[nodiscard]] oleaut::Variant climateValue(Column<ClimateRow> column);
    // The consumer's row of `pr_Потребитель_K_G_gvs` (it may hold no row).
    CoefficientRecordset& coefficientRow() { return coefficientRow_; }

    // `Npotr` of the consumer in hand, as the text of the per-consumer filters.
    const std::string& consumerText() const { return consumerText_; }

    IRas_Vrem& rasVrem() { return rasVrem_.get(); }
    IFiz_par& fizPar() { return fizPar_.get(); }

    // `ВремяРаботы` of a weekly value, weekday mask and daily window over the period, as a number.
    [[nodiscard]] Hours ВремяРаботы(oleaut::Variant weekly, oleaut::Variant mask,
                                    oleaut::Variant start, oleaut::Variant end);
    // `РасчВремДлитОткл` of a long outage's start and end (a missing date counts as 0).
    [[nodiscard]] Hours РасчВремДлитОткл(const oleaut::Variant& start, const oleaut::Variant& end);
    // `Nz_f` of a field, as a number.
    template <class Recordset, class Row>
    [[nodiscard]] double nz(Recordset& recordset, Column<Row> column) {
        return number(rasVrem().Nz_f(recordset[column]), column.name);
    }

    // The rounding switch of the arguments.
    const ResultRounding& rounding() const { return rounding_; }

  private:
    void setUp();
    void openClimateAndOutages();
    void readKeyMaximum();
    void consumerLoop();
    void end();
    void pass(ConsumerContext& c);
    void openCoefficientRow(ConsumerContext& c);
    void closeCoefficientRow();
    void beginHoursRow();
    void rollBack() noexcept;

    RunParameters parameters_;
    ResultRounding rounding_;
    const RevisionTraits& traits_;
    RunPeriod period_;
    RunVariant variant_;

    RunDatabase database_;
    Service<IRas_Vrem> rasVrem_;
    Service<IFiz_par> fizPar_;

    SourceRecordset source_;
    int32_t sourceCount_ = 0;
    OutageRecordset outages_;
    int32_t outageCount_ = 0;
    VentilationSumRecordset ventilationSums_;
    int32_t ventilationSumCount_ = 0;
    LongOutageRecordset longOutages_;
    int32_t longOutageCount_ = 0;
    FlushingRecordset flushings_;
    int32_t flushingCount_ = 0;
    AppendingTable<MainRow> mainTable_;
    AppendingTable<HoursRow> hoursTable_;
    CoefficientRecordset coefficientRow_;
    ClimateRecordset climate_;

    std::unique_ptr<ProcedureCommand> coefficientCommand_;
    std::shared_ptr<ado::Connection> transactions_;
    std::unique_ptr<RowProgress> progress_;
    PhaseClock startClock_;
    PhaseClock loopClock_;
    std::string consumerText_;
};

}  // namespace kalvik::consumption
