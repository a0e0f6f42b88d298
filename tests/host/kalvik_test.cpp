// The kalvik command end to end: the built executable, a temporary registry file, the library
// loaded through the registry with dlopen.

#include <gtest/gtest.h>

#include "tests/host/kalvik_command.hpp"

namespace {

using kalvik_host_test::Expected;
using kalvik_host_test::KalvikCommand;
using kalvik_host_test::Outcome;

TEST_F(KalvikCommand, CallsReachTheLibraryThroughTheRegistry) {
    const Outcome registered = run({"register"});
    ASSERT_EQ(registered.status, 0) << registered.err;
    EXPECT_NE(registered.out.find("registered "), std::string::npos);

    const Expected cases[] = {
        {{"call", "Kalvik_dll.Potr", "Calc_Potr", "str:x", "int:0", "str:y", "empty"},
         1,
         "",
         "error 3709: malformed connection string \"x\": \"x\" has no \"=\"\n"},
        {{"call", "Potr", "calc_potr", "str:x", "-26", "y", "null"},
         1,
         "",
         "error 3709: malformed connection string \"x\": \"x\" has no \"=\"\n"},
        {{"call", "{91A777E5-670F-406B-9E4D-4E1D43BDEEF8}", "Calc_Potr", "x", "0", "y", "empty"},
         1,
         "",
         "error 3709: malformed connection string \"x\": \"x\" has no \"=\"\n"},
        // Words after METHOD are arguments even when they look like options.
        {{"call", "Potr", "Calc_Potr", "str:x", "--help", "str:y", "empty"},
         1,
         "",
         "error 13: Potr.Calc_Potr argument 2: Type mismatch\n"},
        {{"call", "Potr", "Calc_Potr", "str:x"},
         1,
         "",
         "error 450: Wrong number of arguments or invalid property assignment: Potr.Calc_Potr "
         "takes 4, given 1\n"},
        {{"call", "Potr", "Nothing"},
         1,
         "",
         "error 438: Object doesn't support this property or method: Nothing\n"},
        {{"call", "Kalvik_dll.Nothing", "Calc_Potr"},
         1,
         "",
         "error 429: ActiveX component can't create object: Kalvik_dll.Nothing is not "
         "registered\n"},
        // Working days of February 2009 (from Sunday the 1st): Monday to Friday 20.
        {{"call", "Propiss", "РабочиеДни", "2009-02-01", "int:2"},
         0,
         "result: Integer 20\narg 1: Date 2009-02-01 00:00:00\narg 2: Integer 2\n",
         ""},
        // An in/out Double: the caller's Integer comes back as the declared Double.
        {{"call", "Propiss", "СумКоп", "int:5"}, 0, "result: String 5-00\narg 1: Double 5\n", ""},
    };
    expectOutcomes({}, cases);

    ASSERT_EQ(run({"unregister"}).status, 0);
    const Outcome gone = run({"call", "Potr", "Calc_Potr", "x", "0", "y", "empty"});
    EXPECT_EQ(gone.status, 1);
    EXPECT_EQ(gone.err,
              "error 429: ActiveX component can't create object: Potr is not registered\n");
}

TEST_F(KalvikCommand, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"call"},
        {"call", "Potr"},
        {"call", "Potr", "Calc_Potr", "int:99999"},
        {"call", "Potr", "Calc_Potr", "int:x"},
        {"call", "Potr", "Calc_Potr", "single:1e39"},
        {"call", "Potr", "Calc_Potr", "date:2009-02-30"},
        {"call", "Potr", "Calc_Potr", "date:2009-02-01T25:00"},
        {"call", "Potr", "Calc_Potr", "cy:abc"},
        // A number has one sign at most.
        {"call", "Potr", "Calc_Potr", "int:+-1"},
        {"call", "Potr", "Calc_Potr", "long:+-1"},
        {"call", "Potr", "Calc_Potr", "single:+-1"},
        {"call", "Potr", "Calc_Potr", "double:+-.5"},
        {"call", "Potr", "Calc_Potr", "cy:+-1"},
        {"call", "Potr", "Calc_Potr", "int:-+1"},
        {"call", "Potr", "Calc_Potr", "long:--1"},
        {"call", "Potr", "Calc_Potr", "double:++1"},
        {"call", "Potr", "Calc_Potr", "+-1"},
        {"call", "Potr", "Calc_Potr", "-+.5"},
        {"call", "Potr", "Calc_Potr", "--1"},
        {"call", "Potr", "Calc_Potr", "++1"},
        {"register", "a", "b"},
    };
    for (const auto& words : cases) {
        const Outcome outcome = run(words);
        EXPECT_EQ(outcome.status, 2) << testing::PrintToString(words);
        EXPECT_NE(outcome.err.find("Usage"), std::string::npos) << outcome.err;
    }
}

// Every moment of the first and the last day is a date; a word that can be no value is a usage
// error naming it, never a crash.
TEST_F(KalvikCommand, AnArgumentThatIsNoValueIsAUsageErrorNamingIt) {
    ASSERT_EQ(run({"register"}).status, 0);
    const Expected read[] = {
        // January 100 and December 9999: 31 days of 24 hours.
        {{"Час_в_месяц", "date:0100-01-01T12:00"},
         0,
         "result: Long 744\narg 1: Date 0100-01-01 12:00:00\n",
         ""},
        {{"Час_в_месяц", "date:9999-12-31T23:59:59"},
         0,
         "result: Long 744\narg 1: Date 9999-12-31 23:59:59\n",
         ""},
    };
    expectOutcomes({"call", "Ras_Vrem"}, read);

    const std::string refused[] = {
        "date:0099-12-31",       "date:0099-12-31T23:59:59",
        "date:10000-01-01",      "date:0100-01-00",
        "date:0100-01-01T24:00", "int:40000",
        "long:2147483648",       "single:1e39",
        "double:1e309",
    };
    for (const std::string& word : refused) {
        const Outcome outcome = run({"call", "Ras_Vrem", "Час_в_месяц", word});
        EXPECT_EQ(outcome.status, 2) << word;
        EXPECT_EQ(outcome.err.rfind("not a valid argument: " + word + "\n", 0), 0u) << outcome.err;
    }
}

// cy:X is read exactly over the whole range; beyond it, or with a fifth decimal, a usage error
// that says which.
TEST_F(KalvikCommand, CurrencyArgumentsAreReadExactly) {
    ASSERT_EQ(run({"register"}).status, 0);
    const Expected read[] = {
        {{"cy:922337203685477.5807"},
         0,
         "result: Currency 922337203685477.5807\narg 1: Currency 922337203685477.5807\n",
         ""},
        {{"cy:-922337203685477.5808"},
         0,
         "result: Currency -922337203685477.5808\narg 1: Currency -922337203685477.5808\n",
         ""},
    };
    expectOutcomes({"call", "Ras_Vrem", "Nz_f"}, read);

    const std::pair<const char*, const char*> refused[] = {
        {"cy:922337203685477.5808",
         "not a valid argument: cy:922337203685477.5808: out of the range of Currency "
         "(-922337203685477.5808 to 922337203685477.5807)\n"},
        {"cy:-922337203685477.5809",
         "not a valid argument: cy:-922337203685477.5809: out of the range of Currency "
         "(-922337203685477.5808 to 922337203685477.5807)\n"},
        {"cy:0.00001",
         "not a valid argument: cy:0.00001: more than four decimals (a Currency "
         "has four)\n"},
    };
    for (const auto& [word, message] : refused) {
        const Outcome outcome = run({"call", "Ras_Vrem", "Nz_f", word});
        EXPECT_EQ(outcome.status, 2) << word;
        EXPECT_EQ(outcome.err.rfind(message, 0), 0u) << outcome.err;
    }
}

TEST_F(KalvikCommand, AMissingLibraryIsAClearError) {
    const std::string missing = (folder.path() / "libkalvik.so").string();
    const Outcome registered = run({"register", missing});
    EXPECT_EQ(registered.status, 1);
    EXPECT_EQ(registered.err, "error 429: ActiveX component can't create object: library file " +
                                  missing + " is missing\n");
}

}  // namespace
