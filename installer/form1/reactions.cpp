// The reactions to the server name, the database names and the backup path. Those that need the
// server check are answered loudly until it is built.

#include "installer/form1/form1.hpp"

#include "platform/ado/recordset.hpp"
#include "platform/oleaut/error.hpp"
#include "platform/ui/message_box.hpp"

#include <exception>
#include <initializer_list>

namespace vendrel {
namespace {

constexpr const char* kDataFolder = "/BD/";

[[noreturn]] void notImplemented(const std::string& handler) {
    throw oleaut::Error(oleaut::kNotImplemented, "not implemented: " + handler);
}

void notImplementedBox(const std::string& handler) {
    ui::messageBox({.text = "not implemented: " + handler, .title = kBoxTitle});
}

// A text as a string literal of the server's SQL: in quotes, its quotes doubled, so that a path
// cannot end the literal early.
std::string quotedLiteral(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'') quoted += '\'';
    }
    return quoted + "'";
}

}  // namespace

bool Form1::connected() const {
    return SqlConnection->State() == ado::adStateOpen;
}

void Form1::enableRestorePaths(bool enabled) {
    const std::initializer_list<ui::Control*> paths{&Text3, &Text4, &Command3, &Command4,
                                                    &Command6};
    for (ui::Control* control : paths) {
        control->setEnabled(enabled);
    }
}

void Form1::Command5_Click() {
    notImplementedBox("Command5_Click");
}

void Form1::Command6_Click() {
    notImplementedBox("Command6_Click");
}

void Form1::Text2_Change() {
    if (!connected()) return;
    notImplemented("Text2_Change");
}

void Form1::Combo1_Change() {
    if (!connected()) return;
    notImplemented("Combo1_Change");
}

void Form1::Combo1_Click() {
    Combo1_Change();
}

// Reads the backup's file list; any failure (a closed connection, an unreadable backup) disables
// the restore's paths without a message.
void Form1::Text5_Change() {
    try {
        // The data and log files go to the data folder under the database's name.
        Text3.setText(AppFolder + kDataFolder + Text2.Text() + ".mdf");
        Text4.setText(AppFolder + kDataFolder + Text2.Text() + ".ldf");
        // Kept as found: a blank between the path and the closing quote.
        SqlText = "RESTORE FILELISTONLY FROM DISK = " + quotedLiteral(Text5.Text() + " ") +
                  " WITH FILE=1; ";
        const std::shared_ptr<ado::Recordset> files = SqlConnection->Execute(SqlText);
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
