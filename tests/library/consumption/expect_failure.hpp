#pragma once
// A call that must fail: the error's number, and the texts its description must name (the
// consumer, the column, the value).

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "platform/oleaut/error.hpp"

namespace kalvik::consumption {

template <class Call>
void expectFailure(Call&& call, int32_t number, std::initializer_list<std::string_view> named) {
    try {
        call();
        ADD_FAILURE() << "no failure";
    } catch (const oleaut::Error& e) {
        EXPECT_EQ(e.number(), number) << e.description();
        for (std::string_view text : named)
            EXPECT_NE(e.description().find(text), std::string::npos) << e.description();
    }
}

}  // namespace kalvik::consumption
