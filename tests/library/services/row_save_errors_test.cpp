// A row that cannot be saved ends every calculation that saves rows per consumer (or per unit)
// with the database's error, its number kept, and the consumer (or unit) of the row named first.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "library/consumption/ras_potr.hpp"
#include "library/load_update/poteri_vneshn.hpp"
#include "library/load_update/potr.hpp"
#include "library/load_update/vent.hpp"
#include "library/ventilation_steam/ras_potr_par.hpp"
#include "library/ventilation_steam/ras_vent.hpp"
#include "platform/ado/constants.hpp"
#include "platform/oleaut/datetime.hpp"
#include "platform/ui/message_box.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik {
namespace {

using oleaut::DateSerial;

// The save of the row finds it changed by another writer: the trigger skips its update.
std::string moved(const char* table, const char* key, int value) {
    return std::string("CREATE TRIGGER moved BEFORE UPDATE ON \"") + table + "\" WHEN OLD.\"" +
           key + "\" = " + std::to_string(value) + " BEGIN SELECT RAISE(IGNORE); END";
}
// The database refuses the new row.
std::string refused(const char* table, const char* key, int value) {
    return std::string("CREATE TRIGGER refused BEFORE INSERT ON \"") + table + "\" WHEN NEW.\"" +
           key + "\" = " + std::to_string(value) + " BEGIN SELECT RAISE(ABORT, 'refused'); END";
}

void consumption(const std::string& connection) {
    Ras_Potr().Ras_Calc_Potr(connection, 1, 3, 3, 3, "", "", 0.18, 0.05, DateSerial(2009, 1, 1),
                             DateSerial(2009, 1, 31), 0, 0, 0);
}

struct SaveCase {
    const char* calculation;
    std::string trigger;
    std::function<void(const std::string&)> run;
    int32_t number;     // 0: the handler shows the error in its box
    const char* named;  // the row's consumer or unit
    const char* error;  // how the database layer's error of the row begins
};

constexpr const char* kMoved = "Row cannot be located for updating.";
constexpr int32_t kMovedNumber = ado::adErrRowNotFoundForUpdate;
constexpr int32_t kRefusedNumber = ado::adErrCommandFailed;

TEST(RowSaveErrors, NameTheConsumerOfTheRow) {
    oleaut::Variant updated;
    const SaveCase cases[] = {
        {"Potr.Calc_Potr", moved("Потребители", "Npotr", 105),
         [&](const std::string& c) { Potr().Calc_Potr(c, 3, "Москва", updated); }, 0,
         "consumer 105", kMoved},
        {"Potr.Calc_Potr_13_11_04", moved("Расчет_Потреб_Врем", "Npotr", 105),
         [&](const std::string& c) { Potr().Calc_Potr_13_11_04(c, 3, 5, -26, updated); },
         kMovedNumber, "consumer 105", kMoved},
        {"Poteri_vneshn.Obnovl_mest_Poter", moved("Потребители", "Npotr", 105),
         [](const std::string& c) { Poteri_vneshn().Obnovl_mest_Poter(c, 6); }, kMovedNumber,
         "consumer 105", kMoved},
        {"Ras_Potr.Ras_Calc_Potr", refused("РезультатыПотребитель", "Npotr", 105), consumption,
         kRefusedNumber, "consumer 105", "refused"},
        {"Ras_Potr_Par.Расчет_Пар_ADO", refused("Res_Potreb_Par", "Npotr", 116),
         [](const std::string& c) {
             consumption(c);
             Ras_Potr_Par().Расчет_Пар_ADO(c, 0, 3, 3, 3, DateSerial(2009, 1, 1),
                                           DateSerial(2009, 1, 31), "", 0);
         },
         kRefusedNumber, "consumer 116", "refused"},
        {"Ras_Vent.Ras_Calc_Vent", refused("РезультатыВентиляция", "NNВентОснТабл", 3),
         [](const std::string& c) {
             Ras_Vent().Ras_Calc_Vent(c, 0, 3, 3, 3, "", DateSerial(2009, 1, 1),
                                      DateSerial(2009, 1, 31), 0, 0);
         },
         kRefusedNumber, "unit 3", "refused"},
        {"Vent.CalculationVent", moved("ВентУстановки", "NN_вент", 3),
         [](const std::string& c) { Vent().CalculationVent(c, 3); }, kMovedNumber,
         "unit 3 (consumer 105)", kMoved},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.calculation);
        consumption::test::ConsumptionDatabase db(true);
        db.execute(c.trigger);
        std::vector<std::string> boxes;
        ui::ScopedResponder responder([&](const ui::MessageBoxRequest& r) {
            boxes.push_back(r.text);
            return ui::Answer::Ok;
        });
        std::string description;
        try {
            c.run(db.connectionString());
            ASSERT_EQ(c.number, 0) << "the run ended normally";
            ASSERT_EQ(boxes.size(), 1u);
            description = boxes[0];
        } catch (const oleaut::Error& e) {
            EXPECT_EQ(e.number(), c.number);
            description = e.description();
        }
        EXPECT_TRUE(description.starts_with(std::string(c.named) + ": " + c.error)) << description;
    }
}

}  // namespace
}  // namespace kalvik
