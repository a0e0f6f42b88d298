// The server check: the server answers on its master database, the caller holds the rights the
// installer needs, and the window opens the restore and the linking with the server's databases.
// Any failure ends the check with its one message and the server's.

#include "installer/form1/form1.hpp"
#include "installer/form1/installer_box.hpp"
#include "installer/form1/server_texts.hpp"

#include <exception>
#include <utility>

namespace vendrel {

void Form1::Command5_Click() {
    try {
        checkServer();
    } catch (const std::exception& failure) {
        showBox(serverCheckFailedMessage(failure.what()));
    }
}

void Form1::checkServer() {
    ConnectionText = masterConnection(Text1.Text());
    openConnection();
    // A refused right is told and the check goes on.
    bool refused = false;
    for (const Right& right : kNeededRights) {
        if (returnsRows(permissionQuery(right))) continue;
        showBox(right.refusal);
        refused = true;
    }
    if (!refused) {
        const std::pair<ui::Control*, bool> opened[] = {
            {&Text1, false},    {&Text2, true},  {&Text5, true},
            {&Command5, false}, {&SSTab1, true}, {&Combo1, true},
        };
        for (const auto& [control, enabled] : opened) {
            control->setEnabled(enabled);
        }
        // The server field and its button are closed now: the keyboard goes on in the tab shown.
        form.focusFirstField(SSTab1);
        linkChosenDatabase();
        listDatabases();
    }
    // A refused right still lets a free name open the backup path.
    checkRestoreName(Targets::Default);
}

// Combo1's list: the server's databases in the server's order.
void Form1::listDatabases() {
    const std::shared_ptr<ado::Recordset> databases = send(kDatabasesQuery);
    for (databases->MoveFirst(); !databases->EndOfFile(); databases->MoveNext()) {
        Combo1.AddItem(oleaut::CStr(databases->Fields()("Name").Value()));
    }
    databases->Close();
}

}  // namespace vendrel
