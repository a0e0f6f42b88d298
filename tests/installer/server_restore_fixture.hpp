#pragma once
// The installer's window against the stand-in server: the statements it sends, the boxes it shows
// and the controls it opens, shared by the server check, name and restore tests.

#include "installer/form1/form1.hpp"

#include "platform/sqlserver/driver_test_seam.hpp"
#include "platform/sqlserver/server_errors.hpp"
#include "platform/ui/message_box.hpp"
#include "platform/ui/mode.hpp"
#include "tests/support/case_names.hpp"
#include "tests/support/demo_server.hpp"
#include "tests/support/form1_controls.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vendrel::server_restore {

namespace fs = std::filesystem;
using sqlserver::StatementKind;
using Texts = std::vector<std::string>;

// The failed check's box, with the server's message below it.
inline std::string notFound(const std::string& serverMessage) {
    return "Не удалось найти сервер с таким названием!\n" + serverMessage;
}
const std::string kNoCreate = "У вас нет прав на создание базы данных!";
const std::string kConnectRight =
    "select * from sys.fn_my_permissions(NULL, 'DATABASE') where ([permission_name] = "
    "'CONNECT'); ";
const std::string kCreateRight =
    "select * from sys.fn_my_permissions(NULL, 'DATABASE') where ([permission_name] = 'CREATE "
    "DATABASE'); ";
const std::string kAllDatabases = "select * from sys.databases";
const std::string kSystemDatabases = "master|tempdb|model|msdb";

inline std::string named(const std::string& name) {
    return "select * from sys.databases where (name = '" + name + "')";
}
inline std::string fileList(const std::string& backup) {
    return "RESTORE FILELISTONLY FROM DISK = '" + backup + "' WITH FILE=1; ";
}
inline std::string catalogued(const std::string& path) {
    return "select * from  sys.master_files where physical_name = '" + path + "'";
}
inline std::string connection(const std::string& database) {
    return "Driver={SQL Server};Trusted_Connection=Yes;Server=Srv1;Database=" + database + ";";
}

// "{app}" in an expected text stands for the program folder, "{bak}" for the backup.
inline std::string expand(std::string text, const testing_support::DemoServer& server) {
    for (const auto& [mark, value] :
         {std::pair<std::string, std::string>{"{app}", server.programFolder()},
          {"{bak}", server.backup()}}) {
        for (std::size_t at; (at = text.find(mark)) != std::string::npos;) {
            text.replace(at, mark.size(), value);
        }
    }
    return text;
}
inline Texts expand(Texts texts, const testing_support::DemoServer& server) {
    for (std::string& text : texts)
        text = expand(text, server);
    return texts;
}

// The controls that take input, named in the window's order.
inline std::string enabledControls(const Form1& f) {
    std::string names;
    for (const auto& [name, control] : testing_support::namedControls(f)) {
        if (control->Enabled()) names += (names.empty() ? "" : " ") + std::string(name);
    }
    return names;
}

inline std::string listOf(const ui::ComboBox& combo) {
    std::string joined;
    for (const std::string& item : combo.items())
        joined += (joined.empty() ? "" : "|") + item;
    return joined;
}

// A statement of the server failing while a case runs.
struct Failing {
    StatementKind kind;
    sqlserver::Fault fault;
};

inline std::unique_ptr<sqlserver::ScopedFault> injected(const std::optional<Failing>& failing) {
    if (!failing) return nullptr;
    return std::make_unique<sqlserver::ScopedFault>(failing->kind, failing->fault);
}

// Stages of the window.
const std::string kClosed = "Text1 Command5 SSTab1 Text6 Command1";
const std::string kBackupRead =
    "SSTab1 Text2 Text5 Command7 Text3 Command3 Text4 Command4 Command6 Combo1 Text6 Command1";
const std::string kNameTaken = "SSTab1 Text2 Combo1 Text6 Command1";

// A window started from a program folder holding the demonstration backup; the boxes it shows.
class ServerRestore : public ::testing::Test {
  protected:
    ServerRestore() : window(demo.programFolder()) {}

    void check(const std::string& server = "Srv1") {
        window.Text1.setText(server);
        window.Command5.click();
    }

    ui::ScopedMode headless{ui::Mode::Headless};
    testing_support::TemporaryDirectory temporary;
    testing_support::DemoServer demo{temporary.path()};
    Texts shown;
    ui::ScopedResponder responder{[this](const ui::MessageBoxRequest& request) {
        shown.push_back(request.text);
        return ui::Answer::Ok;
    }};
    Form1 window;
};

}  // namespace vendrel::server_restore
