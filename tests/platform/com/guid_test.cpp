#include "platform/com/guid.hpp"

#include <gtest/gtest.h>

#include "platform/com/names.hpp"

namespace {

TEST(Guid, ReadsAndWritesRegistryForm) {
    struct Case {
        const char* text;
        const char* written;
    };
    const Case cases[] = {
        {"{AE8B69AF-96E1-44C7-B70A-0893159D58EF}", "{AE8B69AF-96E1-44C7-B70A-0893159D58EF}"},
        {"{ae8b69af-96e1-44c7-b70a-0893159d58ef}", "{AE8B69AF-96E1-44C7-B70A-0893159D58EF}"},
        {"{00000000-0000-0000-C000-000000000046}", "{00000000-0000-0000-C000-000000000046}"},
    };
    for (const Case& c : cases) {
        const auto guid = com::Guid::tryParse(c.text);
        ASSERT_TRUE(guid) << c.text;
        EXPECT_EQ(guid->toString(), c.written);
    }
    constexpr com::Guid g = com::Guid::parse("{00020400-0000-0000-C000-000000000046}");
    EXPECT_EQ(g.bytes[1], 0x02);
    EXPECT_EQ(g.bytes[8], 0xC0);
    EXPECT_EQ(g.bytes[15], 0x46);
}

TEST(Guid, RejectsMalformedText) {
    for (const char* text :
         {"", "AE8B69AF-96E1-44C7-B70A-0893159D58EF", "{AE8B69AF-96E1-44C7-B70A-0893159D58E}",
          "{AE8B69AF+96E1-44C7-B70A-0893159D58EF}", "{AE8B69AG-96E1-44C7-B70A-0893159D58EF}"}) {
        EXPECT_FALSE(com::Guid::tryParse(text)) << text;
        EXPECT_THROW(com::Guid::parse(text), std::invalid_argument) << text;
    }
}

TEST(Names, FoldLatinAndCyrillicCapitals) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"Calc_Potr", "CALC_POTR", true},
        {"ВремяРаботы", "времяработы", true},
        {"ВРЕМЯРАБОТЫ", "ВремяРаботы", true},
        {"ЁЖ", "ёж", true},
        {"ЀЏ", "ѐџ", true},
        {"ФРасчВентТ12", "фрасчвентт12", true},
        // Cyrillic Т and Latin T are different letters.
        {"ФРасчВентТ12", "ФРасчВентT12", false},
        {"Ivs", "Iv", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(com::sameName(c.a, c.b), c.same) << c.a << " " << c.b;
}

}  // namespace
