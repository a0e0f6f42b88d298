#pragma once
// Readable names for the cases of a parameterised test, so that ctest lists a case by what it
// holds instead of its bytes. A case type gets a PrintTo that writes what tells it apart; the
// name is the case's position followed by that text with every character a test name cannot hold
// turned into '_'. Given as the last argument of INSTANTIATE_TEST_SUITE_P:
// `kalvik::test::NamedByPrinting{}`.

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <string>

namespace kalvik::test {

inline constexpr std::size_t kCaseNameLength = 40;

// "3_Npotr_12" from position 3 and "[Npotr] = 12".
inline std::string caseName(std::size_t index, const std::string& text) {
    std::string name = std::to_string(index);
    bool gap = true;
    for (const char ch : text) {
        if (name.size() >= kCaseNameLength) break;
        if (std::isalnum(static_cast<unsigned char>(ch)) != 0) {
            if (gap) name += '_';
            name += ch;
            gap = false;
        } else {
            gap = true;
        }
    }
    return name;
}

// Names each case after the text its PrintTo gives (the same text ctest shows beside the name).
struct NamedByPrinting {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return caseName(info.index, ::testing::PrintToString(info.param));
    }
};

}  // namespace kalvik::test
