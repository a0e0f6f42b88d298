#pragma once
// Checks shared by the database layer's tests.

#include <gtest/gtest.h>

#include <string>

#include "platform/oleaut/error.hpp"

namespace kalvik_test {

// The error an action fails with; a test failure when it does not fail.
template <class Action>
oleaut::Error errorOf(Action action) {
    try {
        action();
    } catch (const oleaut::Error& e) {
        return e;
    }
    ADD_FAILURE() << "no error";
    return oleaut::Error(0, "");
}

inline void expectMentions(const oleaut::Error& error, const std::string& text) {
    EXPECT_NE(error.description().find(text), std::string::npos)
        << "\"" << error.description() << "\" does not mention \"" << text << "\"";
}

}  // namespace kalvik_test
