#pragma once
// Checks that a calculation's column lists exist, spelled the same, in the rows the database gives.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "platform/ado/recordset.hpp"

namespace testing_support {

// The names of a recordset's fields.
inline std::set<std::string> columnsOf(ado::Recordset& rows) {
    std::set<std::string> names;
    for (int32_t i = 0; i < rows.Fields().Count(); ++i)
        names.insert(rows.Fields(i).Name());
    return names;
}

// Every name of Row's column list is among those the rows have.
template <class Row>
void expectColumns(const std::set<std::string>& have, const std::string& where) {
    for (std::string_view name : Row::kNames)
        EXPECT_TRUE(have.count(std::string(name))) << where << " lacks \"" << name << "\"";
}

}  // namespace testing_support
