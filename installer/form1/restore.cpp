// The restore of the demonstration database: under a free name, its data and log files at free
// paths, then chosen for linking. Kept as found: the window waits for the restore statement, up to
// its timeout.

#include "installer/form1/form1.hpp"
#include "installer/form1/installer_box.hpp"
#include "installer/form1/server_texts.hpp"

#include <exception>
#include <filesystem>
#include <system_error>

namespace vendrel {
namespace {

// Whether the installer's machine has an entry at the path (a dangling link included).
bool existsOnDisk(const std::string& path) {
    std::error_code unreadable;
    return std::filesystem::exists(std::filesystem::symlink_status(path, unreadable));
}

}  // namespace

void Form1::Command6_Click() {
    bool restored = false;
    try {
        restored = restoreIfFree();
    } catch (const std::exception& failure) {
        showBox(failure.what());
    }
    // A restored name is now taken: the restore closes. A stopped restore keeps the data and log
    // paths the user gave for the next press; only a new name or backup moves them.
    recheckName(restored ? Targets::Default : Targets::Kept);
}

bool Form1::restoreIfFree() {
    const std::string name = Text2.Text();
    if (returnsRows(databaseQuery(name))) {
        showBox(databaseExistsMessage(name, Text1.Text()));
        return false;
    }
    for (const ui::TextBox* path : {&Text3, &Text4}) {
        if (pathIsFree(path->Text())) continue;
        showBox(fileExistsMessage(path->Text()));
        return false;
    }
    if (!runRestore()) return false;
    showBox(restoredMessage(name, Text1.Text()));
    // The linking tab works on the new database, reached through a new connection.
    Combo1.AddItem(name);
    const bool sameText = Combo1.Text() == name;
    Combo1.setText(name);
    if (sameText) Combo1_Change();
    return true;
}

// Free: no catalogued file and no file on disk at the path.
bool Form1::pathIsFree(const std::string& path) {
    return !returnsRows(masterFilesQuery(path)) && !existsOnDisk(path);
}

// Sends the restore statement with the longer timeout; a failure is told with the server's
// message and leaves the window as it was.
bool Form1::runRestore() {
    const std::string name = Text2.Text();
    SqlConnection->CommandTimeout(kRestoreTimeout);
    try {
        send(restoreStatement(name, Text5.Text(), {LogicalDataName, Text3.Text()},
                              {LogicalLogName, Text4.Text()}));
    } catch (const std::exception& failure) {
        SqlConnection->CommandTimeout(kCommandTimeout);
        showBox(restoreFailedMessage(name, Text1.Text(), failure.what()));
        return false;
    }
    SqlConnection->CommandTimeout(kCommandTimeout);
    return true;
}

}  // namespace vendrel
