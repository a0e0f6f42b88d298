#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <regex>
#include <thread>

#include "platform/dao/engine.hpp"
#include "platform/dao/workstation_file.hpp"
#include "platform/wsh/file_system.hpp"
#include "platform/wsh/shell.hpp"
#include "tests/support/standard_error.hpp"
#include "tests/support/temporary_directory.hpp"

namespace kalvik::test {
namespace {

using testing_support::ScopedEnvironment;
using testing_support::TemporaryDirectory;

// A script's literal: the text in quotes, a quote doubled.
std::string literal(const std::string& text) {
    std::string result = "\"";
    for (char c : text) {
        result += c;
        if (c == '"') result += c;
    }
    return result + "\"";
}

// The build script's eleven lines for an .mdb, as the installer writes them.
std::string buildScript(const std::string& mdb, const std::string& mde, const std::string& script) {
    const std::string lines[] = {
        "Set AccMDE = CreateObject(\"Access.Application\")",
        "Set AccApp = GetObject(" + literal(mdb) + ")",
        "AccApp.Application.SysCmd 504, 16483 ",
        "AccApp.DoCmd.Quit",
        "AccMDE.Application.SysCmd 603, " + literal(mdb) + ", " + literal(mde),
        "AccMDE.DoCmd.Quit",
        "Set FSO = CreateObject(\"Scripting.FileSystemObject\")",
        "Set File = fso.GetFile(" + literal(script) + ")",
        "File.Delete",
        "Set WshShell = CreateObject(\"WScript.Shell\")",
        "WshShell.Run " + literal(mde),
    };
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class ScriptHost : public ::testing::Test {
  protected:
    ScriptHost() {
        std::filesystem::create_directories(mdbFolder_);
        std::filesystem::create_directories(scriptFolder_);
        dao::makeWorkstationFile(mdb(), {{"CREATE TABLE tbl_str_conn(ConnectionString TEXT)"},
                                         {{"Link", "ODBC;", "Source", dao::dbAttachedODBC, {"A"}}},
                                         {{"Module1", "Sub Secret()\nEnd Sub"}}});
        wsh::setScriptHost(KALVIK_WSH_FILE);
    }

    std::string mdb() const { return (mdbFolder_ / "Dog.mdb").string(); }
    std::string mde() const { return (mdbFolder_ / "Dog.mde").string(); }
    std::string script() const { return (scriptFolder_ / "CreateMDE.vbs").string(); }

    void write(const std::string& text) const { std::ofstream(script(), std::ios::binary) << text; }

    TemporaryDirectory root_;
    std::filesystem::path mdbFolder_ = root_.path() / "MDB \"demo\"";
    std::filesystem::path scriptFolder_ = root_.path() / "build-1";
};

TEST_F(ScriptHost, RunStartsTheHostThatBuildsTheCompiledCopy) {
    write(buildScript(mdb(), mde(), script()));
    wsh::Shell().Run("\"" + script() + "\"");
    for (int i = 0; i < 200 && std::filesystem::exists(scriptFolder_); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_FALSE(std::filesystem::exists(scriptFolder_));  // script and folder gone
    ado::sqlite::File compiled(mde(), ado::sqlite::File::Mode::ReadOnly);
    EXPECT_EQ(dao::property(compiled, "MDE"), "T");
    EXPECT_EQ(
        ado::sqlite::textAt(
            compiled.run("SELECT coalesce(Source, 'none') || Compiled FROM dao_modules"), 0, 0),
        "none1");
    EXPECT_EQ(dao::readLinks(compiled).size(), 1u);
    EXPECT_TRUE(compiled.hasTable("tbl_str_conn"));
    ado::sqlite::File source(mdb(), ado::sqlite::File::Mode::ReadOnly);
    EXPECT_EQ(ado::sqlite::textAt(source.run("SELECT Compiled FROM dao_modules"), 0, 0), "1");
}

TEST_F(ScriptHost, AnUnknownLineStopsWithStatusOne) {
    std::string text = buildScript(mdb(), mde(), script());
    text.insert(text.find("AccMDE.Application"), "AccMDE.Application.SysCmd 602\r\n");
    write(text);
    const std::string command = std::string("'") + KALVIK_WSH_FILE + "' '" + script() + "' 2>'" +
                                (root_.path() / "err").string() + "'";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_FALSE(std::filesystem::exists(mde()));
    EXPECT_TRUE(std::filesystem::exists(script()));
    EXPECT_NE(testing_support::fileContents(root_.path() / "err").find("line 5"),
              std::string::npos);
}

TEST_F(ScriptHost, ShellAndFileSystemServices) {
    EXPECT_TRUE(std::regex_match(wsh::FileSystemObject().GetTempName(),
                                 std::regex("rad[0-9A-F]{5}\\.tmp")));
    const struct {
        const char* temp;
        const char* tmpdir;
        const char* expanded;
    } cases[] = {{"/t1", "/t2", "/t1/CreateMDE.vbs"},
                 {nullptr, "/t2", "/t2/CreateMDE.vbs"},
                 {nullptr, nullptr, "/tmp/CreateMDE.vbs"}};
    for (const auto& c : cases) {
        ScopedEnvironment temp("TEMP", c.temp ? std::optional<std::string>(c.temp) : std::nullopt);
        ScopedEnvironment tmpdir("TMPDIR",
                                 c.tmpdir ? std::optional<std::string>(c.tmpdir) : std::nullopt);
        EXPECT_EQ(wsh::Shell().ExpandEnvironmentStrings("%TEMP%/CreateMDE.vbs"), c.expanded);
    }
    // No program for an .mde: told, not failed.
    testing_support::CapturedCerr told;
    wsh::Shell().Run("\"" + mde() + "\"");
    EXPECT_EQ(told.text(), "No program is associated with \"" + mde() + "\" here\n");
}

}  // namespace
}  // namespace kalvik::test
