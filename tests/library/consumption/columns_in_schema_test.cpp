// Every column the calculation reads or writes exists, spelled the same, in the demonstration
// schema: the procedures' rows and the result tables of every variant.

#include <gtest/gtest.h>

#include <set>

#include "library/consumption/variant_rule.hpp"
#include "library/services/appending_selection.hpp"
#include "library/services/procedure_command.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"
#include "tests/support/schema_columns.hpp"

namespace kalvik::consumption::test {
namespace {

using testing_support::columnsOf;
using testing_support::expectColumns;

// The columns of a procedure's rows.
std::set<std::string> procedureColumns(const ConsumptionDatabase& db, std::string_view procedure,
                                       const std::vector<ProcedureParameter>& parameters = {}) {
    ProcedureCommand command(db.connectionString(), std::string(procedure), parameters);
    auto rows = std::dynamic_pointer_cast<ado::Command>(command.command())->Execute();
    return columnsOf(*rows);
}

std::shared_ptr<ado::Connection> connectionTo(const ConsumptionDatabase& db) {
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db.connectionString());
    return connection;
}

std::set<std::string> tableColumns(const ConsumptionDatabase& db, std::string_view table) {
    return columnsOf(*connectionTo(db)->Execute(appendingSelection(table, kResultKey)));
}

TEST(ColumnsInSchema, TheProceduresGiveEveryColumnRead) {
    ConsumptionDatabase db;
    expectColumns<SourceRow>(procedureColumns(db, kSourceProcedure, {planParameter(0)}),
                             "pr_Isxod_Potr");
    for (int16_t plan : {int16_t{0}, int16_t{1}}) {
        const RunVariant v = chooseVariant(kCurrentTraits, plan, "Дог", "");
        expectColumns<OutageRow>(procedureColumns(db, v.outagesProcedure),
                                 std::string(v.outagesProcedure));
        expectColumns<FlushingRow>(procedureColumns(db, v.flushingsProcedure),
                                   std::string(v.flushingsProcedure));
        expectColumns<VentilationSumRow>(
            v.ventilationSumsTakeDog
                ? procedureColumns(db, v.ventilationSumsProcedure, {contractParameter("Дог")})
                : procedureColumns(db, v.ventilationSumsProcedure),
            std::string(v.ventilationSumsProcedure));
    }
    expectColumns<OutageRow>(procedureColumns(db, "pr_Plan_Otkl_Potr"), "pr_Plan_Otkl_Potr");
    for (const char* climate : {"pr_Temp_mes", "pr_Temp_mes_SNiP"})
        expectColumns<ClimateRow>(procedureColumns(db, climate), climate);
    expectColumns<LongOutageRow>(procedureColumns(db, kLongOutagesProcedure),
                                 std::string(kLongOutagesProcedure));
    expectColumns<CoefficientRow>(
        procedureColumns(db, kCoefficientProcedure, {consumerParameter(1)}),
        std::string(kCoefficientProcedure));
}

TEST(ColumnsInSchema, TheResultTablesHaveEveryColumnWritten) {
    ConsumptionDatabase db;
    for (auto [plan, dog] : {std::pair{0, ""}, std::pair{1, "Дог"}, std::pair{1, ""}}) {
        const RunVariant v = chooseVariant(kCurrentTraits, static_cast<int16_t>(plan), dog, "");
        expectColumns<MainRow>(tableColumns(db, v.mainTable), std::string(v.mainTable));
        expectColumns<HoursRow>(tableColumns(db, v.hoursTable), std::string(v.hoursTable));
        expectColumns<KeyMaximumRow>(
            columnsOf(*connectionTo(db)->Execute(keyMaximumSelection(v.mainTable))),
            std::string(v.mainTable));
    }
    EXPECT_TRUE(columnsOf(*connectionTo(db)->Execute(climateSelection(6))).count("КоэффГВС"));
}

}  // namespace
}  // namespace kalvik::consumption::test
