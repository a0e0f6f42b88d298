// Compacting a workstation file in place and building its .mde through a script: the result and
// the locale, a failure that leaves the file, the names derived from a path, the script byte for
// byte and where it goes, and builds started back to back.

#include "installer/demo_tree/tree.hpp"
#include "installer/form1/compile_mde.hpp"

#include "platform/ado/sqlite_file.hpp"
#include "platform/dao/workstation_file.hpp"
#include "platform/ui/message_box.hpp"
#include "platform/ui/mode.hpp"
#include "platform/wsh/shell.hpp"
#include "tests/support/temporary_directory.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace vendrel {
namespace {

namespace fs = std::filesystem;
using testing_support::fileContents;

// The folder's entries by name.
std::vector<std::string> entriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Waits up to ten seconds for a condition.
template <class Condition>
bool eventually(Condition condition) {
    for (int i = 0; i < 200; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return condition();
}

class CompactBuild : public ::testing::Test {
  protected:
    CompactBuild() {
        fs::create_directories(mdbFolder);
        fs::create_directories(temp);
    }

    fs::path workstationFile(const std::string& name) const {
        const fs::path file = mdbFolder / name;
        demo_tree::writeWorkstationFile(file, "Dog");
        return file;
    }

    // A script host that only writes down the argument it was started with.
    fs::path recordingHost() const {
        const fs::path host = temporary.path() / "host.sh";
        std::ofstream(host) << "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.argument\"\n";
        fs::permissions(host, fs::perms::owner_all);
        wsh::setScriptHost(host);
        return host;
    }

    ui::ScopedMode headless{ui::Mode::Headless};
    testing_support::TemporaryDirectory temporary;
    fs::path mdbFolder = temporary.path() / "MDB";
    fs::path temp = temporary.path() / "tmp";
    testing_support::ScopedEnvironment tempVariable{"TEMP", temp.string()};
    std::vector<ui::MessageBoxRequest> boxes;
    ui::ScopedResponder responder{[this](const ui::MessageBoxRequest& request) {
        boxes.push_back(request);
        return ui::Answer::Ok;
    }};
};

TEST_F(CompactBuild, CompactsInPlaceUnderTheRussianLocale) {
    const fs::path file = workstationFile("Dog.mdb");
    const std::string before = fileContents(file);
    EXPECT_TRUE(compare_mdb(file.string(), true).isEmpty());
    EXPECT_EQ(entriesOf(mdbFolder), (std::vector<std::string>{"Dog.mdb", "Dog_Backup.mdb"}));
    EXPECT_EQ(fileContents(mdbFolder / "Dog_Backup.mdb"), before);
    ado::sqlite::File compacted(file, ado::sqlite::File::Mode::ReadOnly);
    EXPECT_EQ(dao::property(compacted, "Locale"), ";LANGID=0x0419;CP=1251;COUNTRY=0");
    EXPECT_EQ(ado::sqlite::textAt(compacted.run("SELECT ServerName FROM tbl_str_conn"), 0, 0),
              "OLDSERVER");
    EXPECT_EQ(dao::readLinks(compacted).size(), 2u);
}

TEST_F(CompactBuild, AFailureGivesItsNumberAndLeavesTheFile) {
    const fs::path file = mdbFolder / "Dog.mdb";
    std::ofstream(file) << "no workstation file";
    const oleaut::Variant result = compare_mdb(file.string(), false);
    EXPECT_EQ(oleaut::CStr(result), "3343");
    EXPECT_EQ(fileContents(file), "no workstation file");
    EXPECT_EQ(entriesOf(mdbFolder), std::vector<std::string>{"Dog.mdb"});
}

TEST_F(CompactBuild, NamesDerivedFromThePath) {
    const struct {
        const char* path;
        const char* backup;
        const char* compiled;
    } cases[] = {
        {"/w/MDB/Dog.mdb", "/w/MDB/Dog_Backup.mdb", "/w/MDB/Dog.mde"},
        // The last four characters, whatever the extension.
        {"/w/MDB/Dog.accdb", "/w/MDB/Dog.a_Backupccdb", "/w/MDB/Dog.accdb"},
        // Only the file name changes; in it, every ".mdb", letter case counting.
        {"/w/a.mdb/Dog.mdb", "/w/a.mdb/Dog_Backup.mdb", "/w/a.mdb/Dog.mde"},
        {"/w/Dog.mdb.mdb", "/w/Dog.mdb_Backup.mdb", "/w/Dog.mde.mde"},
        {"/w/Dog.MDB", "/w/Dog_Backup.MDB", "/w/Dog.MDB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(backupCopyName(c.path), c.backup) << c.path;
        EXPECT_EQ(compiledPathOf(c.path), c.compiled) << c.path;
    }
}

TEST_F(CompactBuild, TheScriptByteForByteInAFolderOfItsOwnStartedOnItsPath) {
    const fs::path host = recordingHost();
    const std::string script = CreateMDE("/w/MDB/Dog.mdb");
    const fs::path folder = fs::path(script).parent_path();
    EXPECT_EQ(folder.parent_path(), temp);
    EXPECT_TRUE(folder.filename().string().starts_with("vendrel-"));
    EXPECT_EQ(folder.filename().string().size(), 14u);
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(fs::path(script).filename(), "CreateMDE.vbs");
    const std::string expected =
        "Set AccMDE = CreateObject(\"Access.Application\")\r\n"
        "Set AccApp = GetObject(\"/w/MDB/Dog.mdb\")\r\n"
        "AccApp.Application.SysCmd 504, 16483 \r\n"
        "AccApp.DoCmd.Quit\r\n"
        "AccMDE.Application.SysCmd 603, \"/w/MDB/Dog.mdb\", \"/w/MDB/Dog.mde\"\r\n"
        "AccMDE.DoCmd.Quit\r\n"
        "Set FSO = CreateObject(\"Scripting.FileSystemObject\")\r\n"
        "Set File = fso.GetFile(\"" +
        script +
        "\")\r\n"
        "File.Delete\r\n"
        "Set WshShell = CreateObject(\"WScript.Shell\")\r\n"
        "WshShell.Run \"/w/MDB/Dog.mde\"\r\n";
    EXPECT_EQ(fileContents(script), expected);
    const fs::path argument = host.string() + ".argument";
    ASSERT_TRUE(eventually([&] { return fs::exists(argument); }));
    EXPECT_TRUE(eventually([&] { return fileContents(argument) == script; }));

    // A second build has a folder of its own.
    const std::string second = CreateMDE("/w/MDB/Ras.mdb");
    EXPECT_NE(fs::path(second).parent_path(), folder);
    EXPECT_TRUE(eventually([&] { return fileContents(argument) == second; }));
    EXPECT_TRUE(fs::exists(script));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CompactBuild, QuotesInThePathsAreDoubled) {
    wsh::setScriptHost("/bin/true");
    const std::string script = CreateMDE("/w/a\"b.mdb/Dog.mdb");
    std::vector<std::string> lines;
    std::istringstream text(fileContents(script));
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[1], "Set AccApp = GetObject(\"/w/a\"\"b.mdb/Dog.mdb\")\r");
    EXPECT_EQ(
        lines[4],
        "AccMDE.Application.SysCmd 603, \"/w/a\"\"b.mdb/Dog.mdb\", \"/w/a\"\"b.mdb/Dog.mde\"\r");
}

TEST_F(CompactBuild, AScriptThatCannotBeWrittenIsReported) {
    wsh::setScriptHost("/bin/true");
    testing_support::ScopedEnvironment missing{"TEMP", (temp / "missing").string()};
    EXPECT_EQ(CreateMDE("/w/MDB/Dog.mdb"), "");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Vendrel");
    EXPECT_TRUE(
        boxes[0].text.starts_with("Не удалось запустить сборку mde для /w/MDB/Dog.mdb: 75: "))
        << boxes[0].text;
}

TEST_F(CompactBuild, TwoBuildsStartedBackToBackBothGiveTheirMde) {
    wsh::setScriptHost(KALVIK_WSH_FILE);
    const fs::path dog = workstationFile("Dog.mdb");
    const fs::path ras = workstationFile("Ras.mdb");
    CreateMDE(dog.string());
    CreateMDE(ras.string());
    EXPECT_TRUE(eventually([&] {
        return fs::exists(mdbFolder / "Dog.mde") && fs::exists(mdbFolder / "Ras.mde") &&
               fs::is_empty(temp);
    })) << "both .mde built, no script left";
    for (const char* name : {"Dog.mde", "Ras.mde"}) {
        ado::sqlite::File compiled(mdbFolder / name, ado::sqlite::File::Mode::ReadOnly);
        EXPECT_EQ(dao::property(compiled, "MDE"), "T") << name;
    }
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace vendrel
