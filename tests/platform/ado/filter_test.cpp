#include <gtest/gtest.h>

#include "platform/ado/recordset.hpp"
#include "tests/platform/ado/ado_test_support.hpp"
#include "tests/platform/ado/temp_database.hpp"
#include "tests/support/case_names.hpp"

namespace {

using kalvik_test::errorOf;
using kalvik_test::expectMentions;
using kalvik_test::TempDatabase;
using oleaut::Variant;

// Outages of three consumers; "NNпотр пром" and Код are text columns, Npotr numeric.
const char* kSchema =
    "CREATE TABLE Откл(id INTEGER PRIMARY KEY, Npotr INT, [NNпотр пром] TEXT, Часы REAL, "
    "  Код TEXT, Начало DATETIME, Флаг BIT);"
    "INSERT INTO Откл VALUES (1, 12, '12', 5, 'a', 39845, 1), (2, 7, '7', 1.5, 'b', 39846, 0),"
    "  (3, 12, '12', 2, 'it''s', 39847, 1), (4, 120, '120', 4, 'a', NULL, 0),"
    "  (5, NULL, NULL, 8, NULL, 39845, NULL);";

std::shared_ptr<ado::Recordset> openOutages(const TempDatabase& db) {
    return db.disconnected("SELECT * FROM Откл ORDER BY id");
}

std::vector<int32_t> ids(ado::Recordset& rows) {
    std::vector<int32_t> result;
    for (; !rows.EndOfFile(); rows.MoveNext())
        result.push_back(rows.Fields("id").Value().asLong());
    return result;
}

struct FilterCase {
    const char* filter;
    std::vector<int32_t> ids;
};

void PrintTo(const FilterCase& c, std::ostream* os) {
    *os << c.filter;
}

class FilterMatches : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterMatches, ShowsTheMatchingRowsInOrder) {
    TempDatabase db(kSchema);
    auto rows = openOutages(db);
    rows->Filter(Variant(GetParam().filter));
    EXPECT_EQ(rows->RecordCount(), static_cast<int32_t>(GetParam().ids.size()));
    EXPECT_EQ(ids(*rows), GetParam().ids);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, FilterMatches,
    ::testing::Values(FilterCase{"[Npotr] = 12", {1, 3}},
                      FilterCase{"[Npotr] = 12.0", {1, 3}},  // numerically, not as text
                      FilterCase{"[Npotr] = '12'", {1, 3}},  // a quoted number, numerically
                      FilterCase{"Npotr = 120", {4}}, FilterCase{"[Npotr] = 1", {}},
                      FilterCase{"[NNпотр пром] = '12'", {1, 3}},
                      FilterCase{"[NNпотр пром] = 12", {1, 3}},
                      FilterCase{"[Npotr] = 12 AND [Часы] > 2", {1}},
                      FilterCase{"([Npotr] = 12) and (Код = 'it''s')", {3}},
                      FilterCase{"[Часы] >= 4", {1, 4, 5}}, FilterCase{"[Часы] < 2", {2}},
                      FilterCase{"[Код] <> 'a'", {2, 3}}, FilterCase{"[Npotr] = Null", {5}},
                      FilterCase{"[Npotr] <> Null", {1, 2, 3, 4}},
                      FilterCase{"[Начало] = #2009-02-01#", {1, 5}},
                      FilterCase{"[Флаг] = True", {1, 3}}, FilterCase{"[Флаг] = 0", {2, 4}}),
    kalvik::test::NamedByPrinting{});

TEST(Filter, ReplacesThePreviousOneAndClears) {
    TempDatabase db(kSchema);
    auto rows = openOutages(db);
    rows->Filter(Variant("[Npotr] = 12"));
    rows->MoveNext();
    rows->Filter(Variant("[Npotr] = 7"));  // moves to the first match
    EXPECT_TRUE(identical(rows->Fields("id").Value(), int32_t{2}));
    EXPECT_EQ(rows->RecordCount(), 1);
    rows->Filter(Variant("[Npotr] = 99"));
    EXPECT_TRUE(rows->BOF());
    EXPECT_TRUE(rows->EndOfFile());
    EXPECT_EQ(rows->RecordCount(), 0);
    rows->Filter(Variant(""));
    EXPECT_EQ(rows->RecordCount(), 5);
    rows->Filter(Variant("[Npotr] = 12"));
    rows->Filter(Variant(int32_t{0}));
    EXPECT_EQ(rows->RecordCount(), 5);
}

TEST(Filter, SeesChangesMadeAfterAnEarlierFilter) {
    TempDatabase db(kSchema);
    auto rows = openOutages(db);
    rows->Filter(Variant("[Npotr] = 7"));
    rows->Fields("Npotr").Value(int32_t{12});
    rows->Update();
    rows->Filter(Variant("[Npotr] = 12"));
    EXPECT_EQ(ids(*rows), (std::vector<int32_t>{1, 2, 3}));
    rows->Filter(Variant(""));
    rows->AddNew();
    rows->Fields("Npotr").Value(int32_t{12});
    rows->Update();
    rows->Filter(Variant("[Npotr] = 12"));
    EXPECT_EQ(rows->RecordCount(), 4);
    rows->MoveFirst();
    rows->Delete();
    rows->Filter(Variant("[Npotr] = 12"));
    EXPECT_EQ(rows->RecordCount(), 3);
}

class MalformedFilter : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedFilter, FailsQuotingIt) {
    TempDatabase db(kSchema);
    auto rows = openOutages(db);
    const oleaut::Error error = errorOf([&] { rows->Filter(Variant(GetParam())); });
    EXPECT_EQ(error.number(), ado::adErrInvalidArgument);
    expectMentions(error, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Malformed, MalformedFilter,
                         ::testing::Values("[Npotr] 12", "[Npotr] = ", "[Npotr = 12",
                                           "[Npotr] = 12 OR [Npotr] = 7", "[Npotr] = 'x'",
                                           "[Код] = 'open", "[Npotr] = 12 AND", "[Npotr] = abc",
                                           "([Npotr] = 12", "[Npotr] > Null", "[Код] LIKE 'a*'"),
                         kalvik::test::NamedByPrinting{});

TEST(Filter, AMissingColumnIsNamed) {
    TempDatabase db(kSchema);
    auto rows = openOutages(db);
    const oleaut::Error error = errorOf([&] { rows->Filter(Variant("[NNпотр] = 12")); });
    EXPECT_EQ(error.number(), ado::adErrItemNotFound);
    expectMentions(error, "NNпотр");
}

}  // namespace
