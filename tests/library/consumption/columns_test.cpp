#include "library/consumption/columns.hpp"

#include <gtest/gtest.h>

#include <string>

namespace kalvik::consumption {
namespace {

// Code points of a UTF-8 text, so that a Latin letter cannot pass for its Cyrillic twin.
std::u32string codePoints(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : b & (0x7F >> n);
        for (int k = 1; k < n; ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(c);
        i += n;
    }
    return out;
}

TEST(Columns, MixedScriptsAndBlanksAreSpelledExactly) {
    struct Case {
        std::string_view name;
        std::u32string expected;
    };
    const Case cases[] = {
        {src::ГВС_в_меж_отоп.name,
         U"\u0413\u0412\u0421 \u0432 \u043C\u0435\u0436  \u043E\u0442\u043E\u043F"},
        {src::К_сниж_ГВС_K3.name, U"\u041A \u0441\u043D\u0438\u0436 \u0413\u0412\u0421 (K3)"},
        {src::Т1.name, U"\u04221"},
        {src::Т2.name, U"\u04222"},
        {src::Тн.name, U"\u0422\u043D"},
        {src::Твн_TVNUT.name, U"\u0422\u0432\u043D TVNUT"},
        {src::Кбал_G.name, U"\u041A\u0431\u0430\u043B_G"},
        {src::QGV_Пс.name, U"QGV_\u041F\u0441"},
        {src::P1_гвс.name, U"P1_\u0433\u0432\u0441"},
        {main_row::Тотоп.name, U"\u0422\u043E\u0442\u043E\u043F"},
        {main_row::Спец_налог_пар.name,
         U"\u0421\u043F\u0435\u0446 \u043D\u0430\u043B\u043E\u0433_\u043F\u0430\u0440"},
        {main_row::NN_ЦТП_сч.name, U"NN \u0426\u0422\u041F \u0441\u0447"},
        {main_row::Qот.name, U"Q\u043E\u0442"},
        {hours_row::Тотоп_r.name, U"\u0422\u043E\u0442\u043E\u043F_r"},
        {flushing::Пром_т_час.name, U"\u041F\u0440\u043E\u043C \u0442/\u0447\u0430\u0441"},
        {vent_sum::Sum_Qвент12.name,
         U"Sum-Q\u0432\u0435\u043D\u0442"
         U"12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name));
        EXPECT_EQ(codePoints(c.name), c.expected);
    }
}

TEST(Columns, RowsHaveTheirColumnCounts) {
    // 164 written columns of every method, the 15 of the revision of 02.01.05 alone, the key.
    EXPECT_EQ(MainRow::kNames.size(), 180u);
    EXPECT_EQ(HoursRow::kNames.size(), 27u);  // the last two of the revision of 02.01.05 alone
    EXPECT_EQ(CoefficientRow::kNames.size(), 10u);  // K_G_gvs and the nine written back
}

TEST(Columns, AConstantKnowsItsPosition) {
    EXPECT_EQ(MainRow::kNames[main_row::Примечание.slot], "Примечание");
    EXPECT_EQ(MainRow::kNames[main_row::NNрасчТепл.slot], "NNрасчТепл");
    EXPECT_EQ(SourceRow::kNames[src::ДоляУтечекТсетях.slot], "ДоляУтечекТсетях");
    EXPECT_EQ(HoursRow::kNames[hours_row::t_max.slot], "t_max");
}

}  // namespace
}  // namespace kalvik::consumption
