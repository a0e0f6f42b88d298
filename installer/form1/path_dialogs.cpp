// The path buttons: each asks for a path in the shared file dialog and copies it into its field,
// so that the field's reaction runs. A cancelled dialog changes nothing.

#include "installer/form1/folder_scan.hpp"
#include "installer/form1/form1.hpp"
#include "installer/form1/paths.hpp"

#include "platform/ui/file_dialog.hpp"

namespace vendrel {
namespace {

struct PathDialog {
    ui::FileDialogKind kind;
    const char* title;
    std::vector<ui::FileFilter> filters;
    const char* defaultExtension;  // appended to a name typed without one; "": nothing
};

std::vector<ui::FileFilter> databaseFiles(const char* pattern) {
    return {{std::string("Файлы БД (") + pattern + ") ", pattern}, {" All files(*.*) ", "*.*"}};
}

const PathDialog kBackupDialog{ui::FileDialogKind::Open, "Открыть БД", databaseFiles("*.bak"), ""};
const PathDialog kDataFileDialog{ui::FileDialogKind::Save, "Сохранить mdf", databaseFiles("*.mdf"),
                                 "mdf"};
const PathDialog kLogFileDialog{ui::FileDialogKind::Save, "Сохранить ldf", databaseFiles("*.ldf"),
                                "ldf"};
const PathDialog kWorkstationFolderDialog{ui::FileDialogKind::Folder, "Открыть БД", {}, ""};

// The dialog opened in the folder of the field's path; the path chosen, nothing when cancelled.
std::optional<std::string> askPath(const ui::TextBox& field, const PathDialog& dialog) {
    return ui::chooseFile({.kind = dialog.kind,
                           .title = dialog.title,
                           .initialFolder = upToLastSlash(field.Text()),
                           .fileName = "",
                           .filters = dialog.filters,
                           .defaultExtension = dialog.defaultExtension});
}

void pickFile(ui::TextBox& field, const PathDialog& dialog) {
    if (std::optional<std::string> chosen = askPath(field, dialog)) field.setText(*chosen);
}

}  // namespace

void Form1::Command7_Click() {
    pickFile(Text5, kBackupDialog);
}

void Form1::Command3_Click() {
    pickFile(Text3, kDataFileDialog);
}

void Form1::Command4_Click() {
    pickFile(Text4, kLogFileDialog);
}

// The workstation folder, with its "/" at the end.
void Form1::Command1_Click() {
    if (std::optional<std::string> chosen = askPath(Text6, kWorkstationFolderDialog)) {
        Text6.setText(withTrailingSlash(*chosen));
    }
}

}  // namespace vendrel
