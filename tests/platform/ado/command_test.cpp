#include "platform/ado/command.hpp"

#include <gtest/gtest.h>

#include "platform/ado/recordset.hpp"
#include "tests/platform/ado/ado_test_support.hpp"
#include "tests/platform/ado/temp_database.hpp"
#include "tests/support/case_names.hpp"

namespace {

using kalvik_test::errorOf;
using kalvik_test::expectMentions;
using kalvik_test::TempDatabase;

const char* kSchema =
    "CREATE TABLE procedures(name TEXT PRIMARY KEY, body TEXT NOT NULL);"
    "CREATE TABLE Потр(Npotr INTEGER PRIMARY KEY, План INT, Дог TEXT, Q REAL);"
    "INSERT INTO Потр VALUES (1, 0, 'Дог', 1.5), (2, 5, 'План', 2.5), (3, 5, 'Дог', 3.5);"
    "INSERT INTO procedures VALUES ('pr_Plan', 'SELECT * FROM Потр WHERE План = @План ORDER BY "
    "Npotr');"
    "INSERT INTO procedures VALUES ('pr_Dog', 'SELECT * FROM Потр WHERE Дог = @dog');"
    "INSERT INTO procedures VALUES ('pr_One', 'SELECT * FROM Потр WHERE Npotr = @Npotr');"
    "INSERT INTO procedures VALUES ('pr_Double', "
    "'CREATE TEMP TABLE IF NOT EXISTS log(n INT); INSERT INTO log VALUES (@Npotr); "
    "UPDATE Потр SET Q = Q * 2 WHERE Npotr = @Npotr; DELETE FROM log;');";

struct Fixture {
    TempDatabase db{kSchema};
    std::shared_ptr<ado::Connection> connection = [this] {
        auto c = std::make_shared<ado::Connection>();
        c->Open(db.connectionString());
        return c;
    }();

    std::shared_ptr<ado::Command> procedure(const std::string& name) const {
        auto command = std::make_shared<ado::Command>();
        command->ActiveConnection(connection);
        command->CommandText(name);
        command->CommandType(ado::adCmdStoredProc);
        command->CommandTimeout(600);
        return command;
    }
};

struct ParameterCase {
    const char* procedure;
    const char* parameter;
    ado::DataTypeEnum type;
    int32_t size;
    oleaut::Variant value;
    int32_t expectedRows;
};

void PrintTo(const ParameterCase& c, std::ostream* os) {
    *os << c.procedure << " " << c.parameter;
}

class ProcedureParameter : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(ProcedureParameter, BindsByNameWithOrWithoutTheAt) {
    const ParameterCase& c = GetParam();
    Fixture f;
    auto command = f.procedure(c.procedure);
    command->Parameters().Append(
        command->CreateParameter(c.parameter, c.type, ado::adParamInput, c.size, c.value));
    auto rows = command->Execute();
    EXPECT_EQ(rows->RecordCount(), c.expectedRows);
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, ProcedureParameter,
    ::testing::Values(ParameterCase{"pr_Plan", "План", ado::adInteger, 0, int16_t{5}, 2},
                      ParameterCase{"pr_Plan", "План", ado::adInteger, 0, int16_t{0}, 1},
                      ParameterCase{"pr_Dog", "@dog", ado::adVarChar, 10, "Дог", 2},
                      ParameterCase{"pr_One", "Npotr", ado::adInteger, 0, 2.0, 1},
                      ParameterCase{"pr_One", "Npotr", ado::adInteger, 0, int32_t{9}, 0}),
    kalvik::test::NamedByPrinting{});

TEST(Command, AVarCharLongerThanItsSizeFails) {
    Fixture f;
    auto command = f.procedure("pr_Dog");
    command->Parameters().Append(command->CreateParameter("@dog", ado::adVarChar, ado::adParamInput,
                                                          3, "Дого"));  // four letters
    const oleaut::Error error = errorOf([&] { command->Execute(); });
    EXPECT_EQ(error.number(), ado::adErrInvalidParamInfo);
    expectMentions(error, "@dog");
}

TEST(Command, AMissingParameterIsNamed) {
    Fixture f;
    expectMentions(errorOf([&] { f.procedure("pr_Plan")->Execute(); }), "@План");
}

TEST(Command, AMultiStatementActionProcedureRuns) {
    Fixture f;
    auto command = f.procedure("pr_Double");
    command->Parameters().Append(
        command->CreateParameter("Npotr", ado::adInteger, ado::adParamInput, 0, int32_t{2}));
    EXPECT_EQ(command->Execute(nullptr, ado::adExecuteNoRecords), nullptr);
    EXPECT_TRUE(identical(f.db.scalar("SELECT Q FROM Потр WHERE Npotr = 2"), 5.0));
    command->Execute(nullptr, ado::adExecuteNoRecords);  // the cached statements run again
    EXPECT_TRUE(identical(f.db.scalar("SELECT Q FROM Потр WHERE Npotr = 2"), 10.0));
}

TEST(Command, ARecordsetOutlivesItsCommandsReuse) {
    Fixture f;
    auto command = f.procedure("pr_Plan");
    command->Parameters().Append(
        command->CreateParameter("План", ado::adInteger, ado::adParamInput, 0, int32_t{5}));
    auto rows = std::make_shared<ado::Recordset>();
    rows->CursorLocation(ado::adUseClient);
    rows->Open(oleaut::ObjectRef(command), {}, ado::adOpenStatic, ado::adLockOptimistic,
               ado::adCmdStoredProc);
    command->CommandText("pr_One");
    command->Parameters().Delete(0);
    command->Parameters().Append(
        command->CreateParameter("Npotr", ado::adInteger, ado::adParamInput, 0, int32_t{1}));
    EXPECT_EQ(command->Execute()->RecordCount(), 1);

    EXPECT_EQ(rows->RecordCount(), 2);
    rows->Fields("Q").Value(7.0);
    rows->Update();
    EXPECT_TRUE(identical(f.db.scalar("SELECT Q FROM Потр WHERE Npotr = 2"), 7.0));
}

TEST(Command, AMissingProcedureIsNamed) {
    Fixture f;
    expectMentions(errorOf([&] { f.procedure("pr_Нет")->Execute(); }), "pr_Нет");
}

TEST(Command, WithoutAConnectionFails) {
    ado::Command command;
    command.CommandText("pr_Plan");
    EXPECT_EQ(errorOf([&] { command.Execute(); }).number(), ado::adErrInvalidConnection);
}

}  // namespace
