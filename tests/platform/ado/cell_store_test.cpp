#include "platform/ado/cell_store.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using oleaut::Variant;

struct Probe : oleaut::Object {};

// Every kind a cell can hold, at its edges, gives the same Variant back: pushed, set over
// another value, in a copy of the store, and copied cell by cell into a store emptied before.
TEST(CellStore, GivesBackEveryKindOfValueAsPut) {
    const std::string beyondAChunk((1 << 20) + 7, 'x');
    const std::vector<Variant> values = {
        Variant(),
        oleaut::kNull,
        true,
        false,
        int16_t{-32768},
        int32_t{2147483647},
        -1.5f,
        -0.0,
        1e308,
        oleaut::Currency{INT64_MIN},
        oleaut::Currency{INT64_MAX},
        oleaut::Date{-657434.0},
        oleaut::Date{39845.75},
        "",
        "Потребитель 8",
        beyondAChunk,
        oleaut::ObjectRef(std::make_shared<Probe>()),
    };
    ado::CellStore cells;
    for (const Variant& value : values)
        cells.push_back(value);
    cells.pushText("straight from the database");
    ado::CellStore overwritten;
    overwritten.appendNulls(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        overwritten.set(values.size() - 1 - i, values[i]);
    const ado::CellStore copy = cells;
    ado::CellStore reused = cells;
    reused.clear();
    for (size_t i = 0; i < values.size(); ++i)
        reused.pushCopy(cells, i);

    ASSERT_EQ(cells.size(), values.size() + 1);
    for (size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(identical(cells.get(i), values[i]));
        EXPECT_TRUE(identical(copy.get(i), values[i]));
        EXPECT_TRUE(identical(reused.get(i), values[i]));
        EXPECT_TRUE(identical(overwritten.get(values.size() - 1 - i), values[i]));
        EXPECT_EQ(cells.isNull(i), values[i].isNull());
    }
    EXPECT_TRUE(identical(cells.get(values.size()), Variant("straight from the database")));
}

// Cells past the first block keep their values while the store grows.
TEST(CellStore, KeepsValuesAcrossBlocks) {
    ado::CellStore cells;
    const size_t count = 3 * ado::CellStore::kBlockSize + 5;
    for (size_t i = 0; i < count; ++i) {
        if (i % 3 == 0) {
            cells.pushText(std::to_string(i));
        } else {
            cells.push_back(static_cast<double>(i));
        }
    }
    for (size_t i : {size_t{0}, size_t{1}, ado::CellStore::kBlockSize, count - 1, count - 2}) {
        const Variant expected = i % 3 == 0 ? Variant(std::to_string(i)) : Variant(double(i));
        EXPECT_TRUE(identical(cells.get(i), expected)) << i;
    }
}

}  // namespace
