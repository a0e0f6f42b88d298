// The reactions to the database names and the backup path, and the connection they share. A
// failing statement of a keystroke or a pick ends in a box with the server's message.

#include "installer/form1/form1.hpp"
#include "installer/form1/installer_box.hpp"
#include "installer/form1/paths.hpp"
#include "installer/form1/server_texts.hpp"

#include "platform/oleaut/error.hpp"

#include <exception>
#include <initializer_list>

namespace vendrel {
namespace {

void setEnabled(std::initializer_list<ui::Control*> controls, bool enabled) {
    for (ui::Control* control : controls) {
        control->setEnabled(enabled);
    }
}

}  // namespace

// The server's answers are waited for with the window drawn (ui::Form::waitFor): meanwhile
// SqlConnection is the waiting thread's alone.
void Form1::openConnection() {
    SqlConnection = std::make_shared<ado::Connection>();
    SqlConnection->ConnectionString(ConnectionText);
    SqlConnection->CommandTimeout(kCommandTimeout);
    form.waitFor([this] { SqlConnection->Open("", "", "", ado::adOptionUnspecified); });
}

bool Form1::connected() const {
    return SqlConnection->State() == ado::adStateOpen;
}

std::shared_ptr<ado::Recordset> Form1::send(std::string text) {
    SqlText = std::move(text);
    std::shared_ptr<ado::Recordset> result;
    form.waitFor([this, &result] {
        result = SqlConnection->Execute(SqlText, nullptr, ado::adOptionUnspecified);
    });
    return result;
}

bool Form1::returnsRows(std::string text) {
    const std::shared_ptr<ado::Recordset> rows = send(std::move(text));
    rows->MoveFirst();
    const bool found = !rows->EndOfFile();
    rows->Close();
    return found;
}

void Form1::enableRestorePaths(bool enabled) {
    setEnabled({&Text3, &Text4, &Command3, &Command4, &Command6}, enabled);
}

void Form1::closeRestore() {
    setEnabled({&Text5, &Command7}, false);
    enableRestorePaths(false);
}

// The name of the database to restore: a free name opens the backup path, a taken one closes the
// restore. Kept as found: it runs whether or not the server check found the rights.
void Form1::Text2_Change() {
    recheckName(Targets::Default);
}

void Form1::recheckName(Targets targets) {
    try {
        checkRestoreName(targets);
    } catch (const std::exception& failure) {
        closeRestore();
        showBox(failure.what());
    }
}

void Form1::checkRestoreName(Targets targets) {
    if (!connected()) return;
    // The data and log files take the name in the data folder: a name that would put them
    // elsewhere closes the restore, silently while it is typed; leaving the field tells why.
    if (!filesStayInDataFolder(AppFolder, Text2.Text())) {
        closeRestore();
        return;
    }
    if (returnsRows(databaseQuery(Text2.Text()))) {
        closeRestore();
        return;
    }
    setEnabled({&Text5, &Command7}, true);
    readBackup(targets);
}

// Leaving the name field tells why a name closed the restore, once for each name refused.
void Form1::Text2_LostFocus() {
    const std::string& name = Text2.Text();
    if (!connected() || filesStayInDataFolder(AppFolder, name) || refusalTold_ == name) return;
    refusalTold_ = name;
    showBox(nameLeavesFolderMessage(name, AppFolder + kDataFolder));
}

// The database the workstation files are linked to: an existing one opens the linking and
// becomes SqlConnection's database.
void Form1::Combo1_Change() {
    try {
        linkChosenDatabase();
    } catch (const std::exception& failure) {
        Command8.setEnabled(false);
        showBox(failure.what());
    }
}

void Form1::Combo1_Click() {
    Combo1_Change();
}

void Form1::linkChosenDatabase() {
    if (!connected()) return;
    if (!returnsRows(databaseQuery(Combo1.Text()))) {
        Command8.setEnabled(false);
        return;
    }
    Command8.setEnabled(true);
    ConnectionText = databaseConnection(Text1.Text(), Combo1.Text());
    SqlConnection->Close();
    openConnection();
}

// Reads the backup's file list; any failure (a closed connection, an unreadable backup) disables
// the restore's paths without a message. Kept as found: the backup is read at every change of the
// path, each keystroke included.
void Form1::Text5_Change() {
    readBackup(Targets::Default);
}

void Form1::readBackup(Targets targets) {
    try {
        if (targets == Targets::Default) {
            // The data and log files go to the data folder under the database's name.
            Text3.setText(restoredFilePath(AppFolder, Text2.Text(), ".mdf"));
            Text4.setText(restoredFilePath(AppFolder, Text2.Text(), ".ldf"));
        }
        const std::shared_ptr<ado::Recordset> files = send(fileListQuery(Text5.Text()));
        // The backup lists its data file first and its log file second.
        files->MoveFirst();
        LogicalDataName = oleaut::CStr(files->Fields()("LogicalName").Value());
        files->MoveNext();
        LogicalLogName = oleaut::CStr(files->Fields()("LogicalName").Value());
        files->Close();
        enableRestorePaths(true);
    } catch (const std::exception&) {
        enableRestorePaths(false);
    }
}

}  // namespace vendrel
