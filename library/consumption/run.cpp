// The consumption run as a whole: its period in hours, set-up queries, the consumer loop with one
// transaction per consumer, the end steps and the journal lines.

#include "library/consumption/run.hpp"

#include <utility>

#include "library/consumption/journal_lines.hpp"
#include "library/consumption/pass_test_seam.hpp"
#include "library/services/procedure_command.hpp"
#include "library/services/row_progress.hpp"
#include "platform/oleaut/datetime.hpp"

namespace kalvik::consumption {

using oleaut::Variant;

Run::Run(RunParameters parameters)
    : parameters_(std::move(parameters)),
      rounding_(roundingOf(parameters_)),
      traits_(traitsOf(parameters_.revision)),
      variant_(chooseVariant(traits_, parameters_.План, parameters_.Дог, parameters_.Пл_Сн)),
      database_(parameters_.ConnString_Fin),
      mainTable_(database_, variant_.mainTable, kResultKey, TableNamedAs::Procedure),
      hoursTable_(database_, variant_.hoursTable, kResultKey, TableNamedAs::Procedure) {}

Run::~Run() = default;

void Run::execute() {
    requireBillablePeriod(parameters_.Нач, parameters_.Кон);
    startClock_.restart();
    oleaut::Date last = parameters_.Кон;
    // Month hours as a number; the ventilation run converts them to a 16-bit integer, as it
    // keeps them.
    period_ = runPeriod(parameters_.Нач, parameters_.Кон,
                        number(rasVrem().Час_в_месяц(last), "Час_в_месяц"));
    setUp();
    consumerLoop();
    end();
}

void Run::setUp() {
    const RunParameters& p = parameters_;
    const std::string& connection = p.ConnString_Fin;

    // Source rows.
    database_.journal(sourceStartLine());
    PhaseClock phase;
    sourceCount_ = database_.openThroughCommand(source_, kSourceProcedure, {planParameter(p.План)});
    database_.journal(sourceEndLine(sourceCount_, phase.seconds()));

    openClimateAndOutages();

    // Ventilation sums.
    database_.journal(ventilationStartLine());
    phase.restart();
    std::vector<ProcedureParameter> sumParameters;
    if (variant_.ventilationSumsTakeDog) sumParameters.push_back(contractParameter(p.Дог));
    ventilationSumCount_ = database_.openThroughCommand(
        ventilationSums_, variant_.ventilationSumsProcedure, sumParameters);
    database_.journal(ventilationEndLine(ventilationSumCount_, phase.seconds()));

    longOutageCount_ = database_.openProcedure(longOutages_, kLongOutagesProcedure);
    flushingCount_ = database_.openProcedure(flushings_, variant_.flushingsProcedure);

    // The result tables, the main table first.
    mainTable_.open();
    hoursTable_.open();
    if (traits_.readsKeyMaximum) readKeyMaximum();

    // The connection through which each consumer's writes become one transaction: every
    // connection of the run shares its database handle.
    transactions_ = std::make_shared<ado::Connection>();
    transactions_->Open(connection);
}

// The month's climate row (by month of `Нач` from the norm table, else by procedure), then the
// outages, each when the variant has one.
void Run::openClimateAndOutages() {
    const std::string_view climate = variant_.climateSource;
    if (climate == kClimateTable) {
        int32_t count = 0;
        forProcedure(climate, [&] {
            database_.openRst().Open_RST_otkl(climate_.object(), database_.connString(),
                                              climateSelection(oleaut::Month(parameters_.Нач)),
                                              count);
        });
    } else if (!climate.empty()) {
        (void)database_.openProcedure(climate_, climate);
    }
    const std::string_view outages = variant_.outagesProcedure;
    if (!outages.empty()) outageCount_ = database_.openProcedure(outages_, outages);
}

oleaut::Variant Run::climateValue(Column<ClimateRow> column) {
    Variant value;
    forProcedure(variant_.climateSource, [&] { value = climate_[column]; });
    return value;
}

// Kept as found: the revisions read the largest key of the main table and use it for nothing.
void Run::readKeyMaximum() {
    KeyMaximumRecordset maximum;
    int32_t count = 0;
    forProcedure(variant_.mainTable, [&] {
        database_.openRst().Open_RST_otkl(maximum.object(), database_.connString(),
                                          keyMaximumSelection(variant_.mainTable), count);
    });
    (void)nz(maximum, key_maximum::NNрасчТепл);
    maximum.release();
}

void Run::consumerLoop() {
    if (sourceCount_ > 0) source_.recordset().MoveFirst();
    loopClock_.restart();
    database_.journal(loopStartLine());
    progress_ = std::make_unique<RowProgress>(sourceCount_);

    while (!source_.eof()) {
        ConsumerContext c;
        consumerText_ = oleaut::CStr(source_[src::Npotr]);
        progress_->beginRow(traits_.numberedProgressLabel ? "Расчет потребитель " + consumerText_
                                                          : std::string("Расчет потребитель"));
        transactions_->BeginTrans();
        try {
            pass(c);
            transactions_->CommitTrans();
        } catch (const oleaut::Error& e) {
            rollBack();
            throw e.withContext("consumer " + consumerText_);
        } catch (...) {
            rollBack();
            throw;
        }
        tellPassListener(oleaut::CLng(source_[src::Npotr]), c);
        mainTable_.renewAfter(progress_->row());
        hoursTable_.renewAfter(progress_->row());
        progress_->endRow();
        source_.moveNext();
    }
}

void Run::rollBack() noexcept {
    try {
        transactions_->RollbackTrans();
    } catch (...) {
        // The failure that ends the run is the one to report.
    }
}

void Run::end() {
    source_.close();
    ventilationSums_.close();
    flushings_.close();
    mainTable_.close();
    outages_.close();
    progress_->finish();
    progress_.reset();
    longOutages_.close();
    climate_.close();
    hoursTable_.close();
    coefficientCommand_.reset();
    transactions_->Close();

    const double loop = loopClock_.seconds();
    const double total = startClock_.seconds();
    database_.journal(loopEndLine(loop));
    database_.journal(totalLine(total));
}

Hours Run::ВремяРаботы(Variant weekly, Variant mask, Variant start, Variant end) {
    Variant first = parameters_.Нач;
    Variant last = parameters_.Кон;
    return number(rasVrem().ВремяРаботы(weekly, mask, start, end, first, last), "ВремяРаботы");
}

Hours Run::РасчВремДлитОткл(const Variant& start, const Variant& end) {
    Variant from = rasVrem().Nz_f(start);
    Variant to = rasVrem().Nz_f(end);
    Variant first = parameters_.Нач;
    Variant last = parameters_.Кон;
    return number(rasVrem().РасчВремДлитОткл(from, to, first, last), "РасчВремДлитОткл");
}

}  // namespace kalvik::consumption
