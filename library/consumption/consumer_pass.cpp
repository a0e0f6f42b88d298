// One consumer's pass: its coefficient row, the numbers read at the top, the phases in their
// order, the first save of the main row, the hours row linked to it, and the second save.
// A new phase is called here at its place in the order.

#include "library/consumption/phases.hpp"
#include "library/services/procedure_command.hpp"
#include "platform/oleaut/datetime.hpp"

namespace kalvik::consumption {

using oleaut::Variant;
namespace M = main_row;
namespace H = hours_row;
namespace S = src;

void Run::pass(ConsumerContext& c) {
    if (traits_.coefficientRow) openCoefficientRow(c);
    c.PAR = source_.number(S::PAR);
    if (traits_.loadsAsNumbers) {
        c.Qgvs = source_.number(S::Qgvs);
        c.Qtgvs = source_.number(S::Qtgvs);
    } else {
        c.Qgvs = source_[S::Qgvs];
        c.Qtgvs = source_[S::Qtgvs];
    }

    MainRecordset& row = mainTable_.rows();
    row.addNew();
    workingHours(*this, c, row);
    outages(*this, c, row);
    longOutages(*this, c, row);
    flushingSums(*this, c, row);
    mainRowCopies(*this, c, row);
    heatingHeat(*this, c, row);
    hotWaterHeat(*this, c, row);
    technologyHeat(*this, c, row);
    hotWaterEnthalpy(*this, c, row);
    ventilationHeat(*this, c, row);
    hotWaterFlows(*this, c, row);
    leakAndLossTotals(*this, c, row);
    consumerTotals(*this, c, row);
    loadHours(*this, c, row);
    if (traits_.coefficientRow) {
        coefficientWriteBack(*this, c, row);
        closeCoefficientRow();
    }

    closingColumns(*this, c, row);
    // Kept as found: `План` again, already set with the load hours; the value is the same.
    row.set(M::План, parameters_.План);
    row.update();  // first save: the database assigns the row's key

    beginHoursRow();
    hoursRow(*this, c, row);
    row.update();  // second save
    hoursTable_.rows().update();
}

// One command for the whole run: each consumer executes it again with its own number.
void Run::openCoefficientRow(ConsumerContext& c) {
    const int32_t npotr = oleaut::CLng(source_[S::Npotr]);
    if (coefficientCommand_) {
        coefficientCommand_->setParameter(consumerParameter(npotr));
    } else {
        coefficientCommand_ = std::make_unique<ProcedureCommand>(
            parameters_.ConnString_Fin, std::string(kCoefficientProcedure),
            std::vector<ProcedureParameter>{consumerParameter(npotr)});
    }
    int32_t count = 0;
    database_.openRst().Open_RST_Proc_Prm(coefficientCommand_->command(), coefficientRow_.object(),
                                          database_.connString(), count);
    c.K_G_gvs = coefficientRow_.eof() ? 0 : coefficientRow_.number(coef_row::K_G_gvs);
}

void Run::closeCoefficientRow() {
    coefficientRow_.release();
}

void Run::beginHoursRow() {
    static constexpr ColumnCopy<HoursRow, MainRow> kFromMainRow[] = {
        {H::NNрасчТепл, M::NNрасчТепл}, {H::NDOG, M::NDOG},   {H::Главная, M::Главная},
        {H::Nobkt, M::Nobkt},           {H::Npotr, M::Npotr},
    };
    static constexpr ColumnCopy<HoursRow, MainRow> kPeriod[] = {
        {H::Период_н_табл, M::Период_н_табл},
        {H::Период_к_табл, M::Период_к_табл},
    };
    HoursRecordset& hours = hoursTable_.rows();
    MainRecordset& main = mainTable_.rows();
    hours.addNew();
    copyColumns(hours, main, kFromMainRow);
    hours.set(H::План, parameters_.План);
    copyColumns(hours, main, kPeriod);
    if (traits_.recalculationPeriod) {
        hours.set(H::Год_Прасч, parameters_.Год_Перерасч);
        hours.set(H::Месяц_Прасч, parameters_.Месяц_Перерасч);
    }
    hours.set(H::Год, static_cast<int16_t>(oleaut::Year(parameters_.Кон)));
    hours.set(H::Месяц, static_cast<int16_t>(oleaut::Month(parameters_.Кон)));
}

}  // namespace kalvik::consumption
