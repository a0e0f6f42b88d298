// Fiz_par called by name through the kalvik command: the result, the caller's variables after the
// call (with the Null write-backs of Iv and Vv) and the failures of the arithmetic.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/host/kalvik_command.hpp"
#include "tests/library/services/property_test_support.hpp"

namespace {

using kalvik::testing::kSingleTolerance;
using kalvik::testing::nearRelative;
using kalvik_host_test::KalvikCommand;
using kalvik_host_test::Outcome;

TEST_F(KalvikCommand, FizPar) {
    ASSERT_EQ(run({"register"}).status, 0);
    struct Case {
        std::vector<std::string> words;
        std::string resultKind;  // "result: Single " and the like, then a number
        double result;
        double tolerance;
        std::string arguments;  // the lines after the result
    };
    // Liquid water at 0 °C and 1 kgf/cm² is compared with its physical volume, 0.0010002 m³/kg.
    const Case cases[] = {
        {{"Iv", "null", "70"},
         "result: Single ",
         70.049286,
         kSingleTolerance,
         "arg 1: Integer 1\narg 2: Double 70\n"},
        {{"Iv", "int:6", "null"},
         "result: Single ",
         0.0,
         0.0,
         "arg 1: Integer 6\narg 2: Integer 0\n"},
        {{"Vv", "null", "null"},
         "result: Single ",
         0.0010002,
         2e-4,
         "arg 1: Integer 1\narg 2: Integer 0\n"},
        {{"Ivs", "int:150"},
         "result: Single ",
         151.07535,
         kSingleTolerance,
         "arg 1: Integer 150\n"},
        {{"Tsp", "int:10"}, "result: Single ", 179.03627, kSingleTolerance, "arg 1: Integer 10\n"},
        {{"Muvs", "int:20"},
         "result: Double ",
         1.0027757e-3,
         kSingleTolerance,
         "arg 1: Integer 20\n"},
        {{"Pr_vozd", "empty"}, "result: Single ", 0.7085, kSingleTolerance, "arg 1: Empty\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words[0]);
        std::vector<std::string> words = {"call", "Kalvik_dll.Fiz_par"};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const Outcome outcome = run(words);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.err, "");
        const size_t endOfResult = outcome.out.find('\n');
        ASSERT_NE(endOfResult, std::string::npos) << outcome.out;
        const std::string result = outcome.out.substr(0, endOfResult);
        ASSERT_EQ(result.rfind(c.resultKind, 0), 0u) << result;
        EXPECT_TRUE(
            nearRelative(std::stod(result.substr(c.resultKind.size())), c.result, c.tolerance))
            << result;
        EXPECT_EQ(outcome.out.substr(endOfResult + 1), c.arguments);
    }
}

TEST_F(KalvikCommand, FizParFailures) {
    ASSERT_EQ(run({"register"}).status, 0);
    struct Case {
        std::vector<std::string> words;
        std::string err;
    };
    const Case cases[] = {
        {{"Tsp", "int:0"}, "error 11: Fiz_par.Tsp: Division by zero\n"},
        {{"Ivs", "null"}, "error 94: Fiz_par.Ivs argument 1: Invalid use of Null\n"},
        {{"Ivs", "int:450"}, "error 5: Fiz_par.Ivs: Invalid procedure call or argument\n"},
        {{"Iv", "int:1", "double:-273.16"}, "error 11: Fiz_par.Iv: Division by zero\n"},
        {{"Isp", "int:-1"}, "error 5: Fiz_par.Isp: Invalid procedure call or argument\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words[0]);
        std::vector<std::string> words = {"call", "Kalvik_dll.Fiz_par"};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const Outcome outcome = run(words);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, c.err);
    }
}

}  // namespace
