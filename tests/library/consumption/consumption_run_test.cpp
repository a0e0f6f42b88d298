// The run as a whole: rows and their link, the variant's tables, the journal, and what a failure
// leaves behind.

#include <gtest/gtest.h>

#include "platform/oleaut/text.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumption::test {
namespace {

using oleaut::DateSerial;

RunParameters january(const ConsumptionDatabase& db) {
    return runParameters(db, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31));
}

class ConsumptionRun : public ::testing::Test {
  protected:
    ConsumptionRun() {
        db.addPeriod("2009-01-01", "2009-01-31");
        db.addConsumer(7);
        db.addConsumer(8);
        db.addConsumer(9);
        // Only consumer 8 has a coefficient row.
        db.execute("INSERT INTO \"Потребитель_K_G_gvs\" (\"Npotr\", \"K_G_gvs\") VALUES (8, 0)");
    }
    ConsumptionDatabase db;
};

TEST_F(ConsumptionRun, EachConsumerGetsAMainRowAndAnHoursRowCarryingItsKey) {
    runOnce(january(db));
    EXPECT_EQ(db.count("РезультатыПотребитель"), 3);
    EXPECT_EQ(db.count("РезультатыПотребитель_Время"), 3);
    EXPECT_EQ(oleaut::CLng(db.scalar(
                  "SELECT COUNT(DISTINCT \"NNрасчТепл\") FROM \"РезультатыПотребитель\"")),
              3);
    // Every hours row carries the key and the identity of its own main row.
    EXPECT_EQ(oleaut::CLng(db.scalar(
                  "SELECT COUNT(*) FROM \"РезультатыПотребитель\" m "
                  "JOIN \"РезультатыПотребитель_Время\" h ON h.\"NNрасчТепл\" = m.\"NNрасчТепл\" "
                  "AND h.\"Npotr\" = m.\"Npotr\" AND h.\"NDOG\" = m.\"NDOG\" "
                  "AND h.\"Nobkt\" = m.\"Nobkt\" AND h.\"Главная\" = m.\"Главная\" "
                  "AND h.\"Период_н_табл\" = m.\"Период_н_табл\" AND h.\"План\" = m.\"План\" "
                  "AND h.\"Год\" = 2009 AND h.\"Месяц\" = 1")),
              3);
    // The consumers without a coefficient row are there too.
    EXPECT_EQ(db.count("РезультатыПотребитель", "\"Npotr\" IN (7, 9)"), 2);
    // Nothing went to the other variants' tables.
    EXPECT_EQ(db.count("РезультатыПотребитель_План") + db.count("РезультатыПотребитель_Дог"), 0);
}

TEST_F(ConsumptionRun, ASecondRunOfThePeriodAppendsASecondSet) {
    runOnce(january(db));
    runOnce(january(db));
    EXPECT_EQ(db.count("РезультатыПотребитель"), 6);
    EXPECT_EQ(db.count("РезультатыПотребитель_Время"), 6);
    EXPECT_EQ(db.count("РезультатыПотребитель", "\"Npotr\" = 8"), 2);
}

TEST_F(ConsumptionRun, TheVariantChoosesTheResultTables) {
    struct Case {
        int16_t plan;
        const char* dog;
        const char* table;
    };
    const Case cases[] = {
        {0, "Дог", "РезультатыПотребитель"},
        {5, "Дог", "РезультатыПотребитель_Дог"},
        {5, "дог", "РезультатыПотребитель_План"},
        {-1, "", "РезультатыПотребитель_План"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        RunParameters p = january(db);
        p.План = c.plan;
        p.Дог = c.dog;
        const int64_t mainBefore = db.count(c.table);
        const int64_t hoursBefore = db.count(std::string(c.table) + "_Время");
        runOnce(p);
        EXPECT_EQ(db.count(c.table), mainBefore + 3);
        EXPECT_EQ(db.count(std::string(c.table) + "_Время"), hoursBefore + 3);
        EXPECT_EQ(db.count(c.table, "\"План\" = " + std::to_string(c.plan)), 3);
    }
}

TEST_F(ConsumptionRun, ANegativePlanTakesTheActualOutages) {
    db.execute(
        "INSERT INTO \"ОтключенияПотр\" (\"Npotr\", \"План\", \"ОтВр_откл\") VALUES "
        "(7, 0, 10), (7, 1, 20)");
    struct Case {
        int16_t plan;
        double heatingHours;
    };
    for (const Case& c : {Case{0, 734}, Case{-1, 734}, Case{1, 724}, Case{5, 724}}) {
        RunParameters p = january(db);
        p.План = c.plan;
        EXPECT_EQ(runAndKeep(p).at(7).netHours.heating, c.heatingHours) << c.plan;
    }
}

TEST_F(ConsumptionRun, JournalsItsSevenLines) {
    db.execute(
        "INSERT INTO \"РезультатыВентиляция\" (\"Npotr\", \"NNВентОснТабл\", \"Qвент12\", "
        "\"Qвент26\", \"Потери\", \"ТПвподкл\", \"Qвподкл\", \"ТПвподкл_корр\", "
        "\"Qвподкл_корр\", \"ВрмРабЧас\", \"ВрмОтклЧас\", \"Твент\", \"Утвент26_п\", "
        "\"Утвент12_п\") VALUES (7, 1, 0, 1, 0, 0, 0, 0, 0, 744, 0, 744, 0, 0)");
    db.stampVentilationResults("2009-01-01", "2009-01-31");
    runOnce(january(db));
    auto line = [&](int n) {
        return oleaut::CStr(
            db.scalar("SELECT \"Имя_Проц_Форм\" FROM \"FSB\" ORDER BY \"id\" "
                      "LIMIT 1 OFFSET " +
                      std::to_string(n - 1)));
    };
    EXPECT_EQ(db.count("FSB"), 7);
    EXPECT_EQ(line(1), oleaut::fixedLength(
                           "Ras_Calc_Potr. Подготовка исходных начало - 'pr_Isxod_Potr'", 80));
    EXPECT_EQ(oleaut::Left(line(2), 80),
              oleaut::fixedLength("Ras_Calc_Potr. Подготовка исходных конец.  Кол-во - 3", 80));
    EXPECT_TRUE(oleaut::Like(line(2), "* сек")) << line(2);
    EXPECT_EQ(line(3),
              oleaut::fixedLength("Ras_Calc_Potr. Сум Qвент. начало - 'pr_Sum_Qvent'", 80));
    EXPECT_EQ(
        oleaut::Left(line(4), 80),
        oleaut::fixedLength("Ras_Calc_Potr. Сум Qвент. начало - 'pr_Sum_Qvent'. iВент=1 ", 80));
    EXPECT_EQ(line(5), "Ras_Calc_Potr. Цикл по потребителям - начало ");
    EXPECT_EQ(oleaut::Left(line(6), 80),
              oleaut::fixedLength("Ras_Calc_Potr. Цикл по потребителям - Конец ", 80));
    EXPECT_EQ(oleaut::Left(line(7), 80),
              oleaut::fixedLength("Ras_Calc_Potr. Время расчета всего  ", 80));
    EXPECT_EQ(db.count("FSB", "\"Арм\" <> ''"), 0);
}

// The error that ended a run, or "" when it ran through.
std::string failureOf(const RunParameters& p) {
    try {
        runOnce(p);
    } catch (const oleaut::Error& e) {
        return e.description();
    }
    return {};
}

TEST_F(ConsumptionRun, ANullReadAsANumberEndsTheRunNamingConsumerAndColumn) {
    db.execute("UPDATE \"Потребители\" SET \"PAR\" = NULL WHERE \"Npotr\" = 8");
    EXPECT_EQ(failureOf(january(db)), "consumer 8: column PAR: Invalid use of Null");
    // The consumer before stays saved; the failing one and the one after have no rows.
    EXPECT_EQ(db.count("РезультатыПотребитель", "\"Npotr\" = 7"), 1);
    EXPECT_EQ(db.count("РезультатыПотребитель_Время", "\"Npotr\" = 7"), 1);
    EXPECT_EQ(db.count("РезультатыПотребитель", "\"Npotr\" <> 7"), 0);
    EXPECT_EQ(db.count("РезультатыПотребитель_Время", "\"Npotr\" <> 7"), 0);
}

TEST_F(ConsumptionRun, AFailureAfterTheMainRowWasSavedLeavesNoRowOfThatConsumer) {
    // The hours table refuses consumer 8's row: its main row was saved twice by then.
    db.execute(
        "CREATE TRIGGER \"refuse\" BEFORE INSERT ON \"РезультатыПотребитель_Время\" "
        "WHEN NEW.\"Npotr\" = 8 BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const std::string failure = failureOf(january(db));
    EXPECT_TRUE(oleaut::Like(failure, "consumer 8: *refused*")) << failure;
    EXPECT_EQ(db.count("РезультатыПотребитель", "\"Npotr\" = 7"), 1);
    EXPECT_EQ(db.count("РезультатыПотребитель", "\"Npotr\" <> 7"), 0);
    EXPECT_EQ(db.count("РезультатыПотребитель_Время"), 1);
}

TEST_F(ConsumptionRun, AColumnMissingFromTheSourceIsNamed) {
    // A source procedure that lacks a column the run reads.
    db.execute(
        "UPDATE procedures SET body = 'SELECT \"Npotr\", \"PAR\" FROM \"Потребители\"' "
        "WHERE name = 'pr_Isxod_Potr'");
    const std::string failure = failureOf(january(db));
    EXPECT_TRUE(oleaut::Like(failure, "consumer 7: column Qgvs*")) << failure;
}

}  // namespace
}  // namespace kalvik::consumption::test

namespace kalvik::consumption::test {
namespace {

using oleaut::DateSerial;

TEST(DemonstrationData, RunsForEachPeriodAndVariant) {
    ConsumptionDatabase db(true);
    struct Period {
        int actualId;
        oleaut::Date first, last;
    };
    const Period periods[] = {
        {1, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31)},
        {3, DateSerial(2009, 6, 1), DateSerial(2009, 6, 15)},
        {5, DateSerial(2009, 4, 25), DateSerial(2009, 5, 5)},
    };
    struct Variant {
        int16_t plan;
        const char* dog;
        const char* table;
    };
    const Variant variants[] = {{0, "", "РезультатыПотребитель"},
                                {5, "Дог", "РезультатыПотребитель_Дог"},
                                {5, "", "РезультатыПотребитель_План"},
                                {-1, "", "РезультатыПотребитель_План"}};
    for (const Period& period : periods) {
        db.execute("UPDATE \"ПериодРасчета\" SET \"Текущий\" = (\"id\" IN (" +
                   std::to_string(period.actualId) + ", " + std::to_string(period.actualId + 1) +
                   "))");
        for (const Variant& v : variants) {
            SCOPED_TRACE(std::to_string(period.actualId) + " " + v.table);
            RunParameters p = runParameters(db, period.first, period.last);
            p.План = v.plan;
            p.Дог = v.dog;
            p.Okryg = 0;
            const int64_t before = db.count(v.table);
            const auto kept = runAndKeep(p);
            EXPECT_EQ(kept.size(), 18u);
            EXPECT_EQ(db.count(v.table), before + 18);
            EXPECT_EQ(db.count(std::string(v.table) + "_Время"), before + 18);
        }
    }
}

}  // namespace
}  // namespace kalvik::consumption::test
