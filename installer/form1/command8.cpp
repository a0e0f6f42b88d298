// Command8: relinking every workstation's file in the folder of Text6 to the database of Combo1.
// The .mdb set is used when the folder holds one, else the .mde set; with several files for one
// workstation the last by name is taken.

#include "installer/form1/compile_mde.hpp"
#include "installer/form1/folder_scan.hpp"
#include "installer/form1/form1.hpp"
#include "installer/form1/installer_texts.hpp"
#include "installer/form1/relink.hpp"
#include "platform/ui/message_box.hpp"

namespace vendrel {
namespace {

using relinking::Workstation;

enum class FileSet { Mdb, Mde };

// Relinks and compacts each workstation's file of the set, and builds its .mde from an .mdb.
// Counts the files relinked. Kept as found: the compaction's result is not looked at.
int relinkSet(FileSet set, const std::string& folder, ado::Connection& server,
              const Installation& installation, const RelinkProgress& progress) {
    int count = 0;
    for (const Workstation& workstation : relinking::kWorkstations) {
        const std::string path =
            find_file("", folder, set == FileSet::Mdb ? workstation.mdbMask : workstation.mdeMask);
        if (path.empty()) continue;
        if (!RelinkMdbTables(path, workstation.code, server, installation, progress)) continue;
        compare_mdb(path, false);
        if (set == FileSet::Mdb) CreateMDE(path);
        ++count;
    }
    return count;
}

void relinkBox(const std::string& text) {
    ui::messageBox({.text = text, .title = kBoxTitle});
}

}  // namespace

int relinkWorkstations(const std::string& folder, ado::Connection& server,
                       const Installation& installation, const RelinkProgress& progress) {
    int count = 0;
    if (count_files(folder, relinking::kAnyMdb) > 0) {
        count = relinkSet(FileSet::Mdb, folder, server, installation, progress);
    } else if (count_files(folder, relinking::kAnyMde) > 0) {
        count = relinkSet(FileSet::Mde, folder, server, installation, progress);
    } else {
        relinkBox(relinking::kNoWorkstationFiles);
        return 0;
    }
    relinkBox(relinking::relinkedMessage(count));
    return count;
}

void Form1::Command8_Click() {
    relinkWorkstations(Text6.Text(), *SqlConnection, {Text1.Text(), Combo1.Text()},
                       {Label9, Label8, [this] { form.Refresh(); }});
}

}  // namespace vendrel
