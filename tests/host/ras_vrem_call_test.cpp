// Ras_Vrem called by name through the kalvik command, as a scripting client calls it: the result
// and every argument as it stands after the call.

#include <gtest/gtest.h>

#include "tests/host/kalvik_command.hpp"

namespace {

using kalvik_host_test::Expected;
using kalvik_host_test::KalvikCommand;

TEST_F(KalvikCommand, RasVrem) {
    ASSERT_EQ(run({"register"}).status, 0);
    const Expected cases[] = {
        // 10:00 on the 15th to 12:00 on the 17th, window 8 to 17: 7 + 9 + 4; the outage's dates
        // come back as midnight.
        {{"ВремяОтключений", "int:40", "str:+++++++", "int:8", "int:17", "2009-01-15T10:00",
          "2009-01-17T12:00", "2009-01-01", "2009-01-31"},
         0,
         "result: Double 20\narg 1: Integer 40\narg 2: String +++++++\narg 3: Integer 8\n"
         "arg 4: Integer 17\narg 5: Date 2009-01-15 00:00:00\narg 6: Date 2009-01-17 00:00:00\n"
         "arg 7: Date 2009-01-01 00:00:00\narg 8: Date 2009-01-31 00:00:00\n",
         ""},
        // Q = 1: the design temperatures 150 and 70 in T1 and T2; the result stays Empty.
        {{"ТемперГрафик", "int:18", "int:-26", "int:18", "int:-26", "int:150", "int:70", "int:95",
          "empty", "empty"},
         0,
         "result: Empty\narg 1: Integer 18\narg 2: Integer -26\narg 3: Integer 18\n"
         "arg 4: Integer -26\narg 5: Integer 150\narg 6: Integer 70\narg 7: Integer 95\n"
         "arg 8: Double 150\narg 9: Double 70\n",
         ""},
        // January 2009, Monday to Friday: 22 days of 24 hours.
        {{"ВремяРаботы", "int:40", "+++++--", "int:0", "int:24", "2009-01-01", "2009-01-31"},
         0,
         "result: Single 528\narg 1: Integer 40\narg 2: String +++++--\narg 3: Integer 0\n"
         "arg 4: Integer 24\narg 5: Date 2009-01-01 00:00:00\narg 6: Date 2009-01-31 00:00:00\n",
         ""},
        {{"Час_в_месяц", "2008-02-10"},
         0,
         "result: Long 696\narg 1: Date 2008-02-10 00:00:00\n",
         ""},
        {{"maxF", "int:3", "null"}, 0, "result: Empty\narg 1: Integer 3\narg 2: Null\n", ""},
        {{"РасчВремДлитОткл", "null", "2009-01-12", "2009-01-01", "2009-01-31"},
         1,
         "",
         "error 94: Ras_Vrem.РасчВремДлитОткл argument 1: Invalid use of Null\n"},
        {{"ТемперГрафик", "int:18", "int:-4", "int:18", "int:18", "int:150", "int:70", "int:95",
          "empty", "empty"},
         1,
         "",
         "error 11: Ras_Vrem.ТемперГрафик: Division by zero\n"},
    };
    expectOutcomes({"call", "Kalvik_dll.Ras_Vrem"}, cases);
}

}  // namespace
