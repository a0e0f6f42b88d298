// The consumption run as a whole: its period in hours, set-up queries, the consumer loop with one
// transaction per consumer, the end steps and the journal lines.

#include "library/consumption/run.hpp"

#include <utility>

#include "library/consumption/journal_lines.hpp"
#include "library/services/procedure_command.hpp"
#include "library/services/row_progress.hpp"
#include "platform/oleaut/datetime.hpp"

namespace kalvik::consumption {

using oleaut::Variant;

Run::Run(RunParameters parameters)
    : parameters_(std::move(parameters)),
      traits_(traitsOf(parameters_.revision)),
      variant_(chooseVariant(traits_, parameters_.План, parameters_.Дог, parameters_.Пл_Сн)) {}

Run::~Run() = default;

void Run::journal(const std::string& message) {
    openRst_->LogFileVs_FSB(parameters_.ConnString_Fin, message, std::string());
}

void Run::execute() {
    requireForwardPeriod(parameters_.Нач, parameters_.Кон);
    startClock_.restart();
    oleaut::Date last = parameters_.Кон;
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
    journal(sourceStartLine());
    PhaseClock phase;
    forProcedure(kSourceProcedure, [&] {
        ProcedureCommand command(connection, std::string(kSourceProcedure),
                                 {planParameter(p.План)});
        openRst_->Open_RST_otkl_Proc_Prm(command.command(), source_.object(), connection,
                                         sourceCount_);
    });
    journal(sourceEndLine(sourceCount_, phase.seconds()));

    openClimateAndOutages();

    // Ventilation sums.
    journal(ventilationStartLine());
    phase.restart();
    forProcedure(variant_.ventilationSumsProcedure, [&] {
        std::vector<ProcedureParameter> parameters;
        if (variant_.ventilationSumsTakeDog) parameters.push_back(contractParameter(p.Дог));
        ProcedureCommand command(connection, std::string(variant_.ventilationSumsProcedure),
                                 parameters);
        openRst_->Open_RST_otkl_Proc_Prm(command.command(), ventilationSums_.object(), connection,
                                         ventilationSumCount_);
    });
    journal(ventilationEndLine(ventilationSumCount_, phase.seconds()));

    forProcedure(kLongOutagesProcedure, [&] {
        openRst_->Open_RST_otkl_proc(longOutages_.object(), connection,
                                     std::string(kLongOutagesProcedure), longOutageCount_);
    });
    forProcedure(variant_.flushingsProcedure, [&] {
        openRst_->Open_RST_otkl_proc(flushings_.object(), connection,
                                     std::string(variant_.flushingsProcedure), flushingCount_);
    });

    openResultTables();
    if (traits_.readsKeyMaximum) readKeyMaximum();

    // The connection through which each consumer's writes become one transaction: every
    // connection of the run shares its database handle.
    transactions_ = std::make_shared<ado::Connection>();
    transactions_->Open(connection);
}

// The month's climate row (by month of `Нач` from the norm table, else by procedure), then the
// outages, each when the variant has one.
void Run::openClimateAndOutages() {
    const std::string& connection = parameters_.ConnString_Fin;
    const std::string_view climate = variant_.climateSource;
    int32_t count = 0;
    if (climate == kClimateTable) {
        forProcedure(climate, [&] {
            openRst_->Open_RST_otkl(climate_.object(), connection,
                                    climateSelection(oleaut::Month(parameters_.Нач)), count);
        });
    } else if (!climate.empty()) {
        forProcedure(climate, [&] {
            openRst_->Open_RST_otkl_proc(climate_.object(), connection, std::string(climate),
                                         count);
        });
    }
    const std::string_view outages = variant_.outagesProcedure;
    if (outages.empty()) return;
    forProcedure(outages, [&] {
        openRst_->Open_RST_otkl_proc(outages_.object(), connection, std::string(outages),
                                     outageCount_);
    });
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
        openRst_->Open_RST_otkl(maximum.object(), parameters_.ConnString_Fin,
                                keyMaximumSelection(variant_.mainTable), count);
    });
    (void)nz(maximum, key_maximum::NNрасчТепл);
    maximum.release();
}

// The result tables, the main table first, as their always-empty appending selections.
void Run::openResultTables() {
    const std::string& connection = parameters_.ConnString_Fin;
    int32_t empty = 0;
    forProcedure(variant_.mainTable, [&] {
        openRst_->Open_RST_no_Otkl(mainTable_.object(), connection,
                                   appendingSelection(variant_.mainTable), empty);
    });
    forProcedure(variant_.hoursTable, [&] {
        openRst_->Open_RST_no_Otkl(hoursTable_.object(), connection,
                                   appendingSelection(variant_.hoursTable), empty);
    });
}

// A recordset keeps every row added to it. Opened afresh now and then, the result tables hold
// only the last consumers' rows, so that a run's memory does not grow with its consumers.
void Run::renewResultTables(int32_t consumersDone) {
    if (consumersDone % kConsumersPerOpening != 0) return;
    mainTable_.release();
    hoursTable_.release();
    openResultTables();
}

void Run::consumerLoop() {
    if (sourceCount_ > 0) source_.recordset().MoveFirst();
    loopClock_.restart();
    journal(loopStartLine());
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
        if (observer_) observer_(oleaut::CLng(source_[src::Npotr]), c);
        renewResultTables(progress_->row());
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
    journal(loopEndLine(loop));
    journal(totalLine(total));
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

namespace {

double rounded(const RunParameters& p, double value, int16_t decimals) {
    return p.Okryg == 0 ? oleaut::roundHalfEven(value, decimals) : value;
}

Variant rounded(const RunParameters& p, const Variant& value, int16_t decimals) {
    return p.Okryg == 0 ? oleaut::Round(value, decimals) : value;
}

}  // namespace

double Run::roundQ(double value) const {
    return rounded(parameters_, value, parameters_.Q_znk);
}
double Run::roundG(double value) const {
    return rounded(parameters_, value, parameters_.G_znk);
}
double Run::roundQpk(double value) const {
    return rounded(parameters_, value, parameters_.Qpk_znk);
}
Variant Run::roundQ(const Variant& value) const {
    return rounded(parameters_, value, parameters_.Q_znk);
}
Variant Run::roundG(const Variant& value) const {
    return rounded(parameters_, value, parameters_.G_znk);
}
Variant Run::roundQpk(const Variant& value) const {
    return rounded(parameters_, value, parameters_.Qpk_znk);
}

}  // namespace kalvik::consumption
