// Relinking the workstation files. The server's list of a file is read before the file changes, so
// that a file whose list cannot be read stays linked as it was; after that each failing step or
// row shows its box and the relinking goes on. The .mdb set of the folder is used when it holds
// one, else the .mde set; with several files for one workstation the last by name is taken.

#include "installer/form1/relink.hpp"

#include "installer/form1/compile_mde.hpp"
#include "installer/form1/folder_scan.hpp"
#include "installer/form1/installer_box.hpp"
#include "installer/form1/installer_texts.hpp"
#include "installer/form1/paths.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/dao/engine.hpp"
#include "platform/oleaut/error.hpp"
#include "platform/oleaut/text.hpp"
#include "platform/ui/message_box.hpp"

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vendrel {
namespace {

using namespace relinking;

// One row of the server's list: the link to make and its key columns (trimmed, Nulls left out;
// none when the first is Null).
struct LinkRow {
    std::string name;
    std::string source;
    std::vector<std::string> keys;
};

void showFailure(const std::exception& failure) {
    ui::messageBox({.text = failureText(failure), .title = kFailureTitle});
}

// Runs a step; a failure shows its box. Tells whether the step succeeded.
bool step(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& failure) {
        showFailure(failure);
        return false;
    }
}

// Clears both progress lines when the file is done, however that ends.
class ProgressLines {
  public:
    ProgressLines(const RelinkProgress& progress, const std::string& file) : progress_(progress) {
        progress_.fileLine.setCaption(file);
        progress_.redraw();
    }
    ~ProgressLines() {
        progress_.tableLine.setCaption("");
        progress_.fileLine.setCaption("");
        progress_.redraw();
    }
    ProgressLines(const ProgressLines&) = delete;
    ProgressLines& operator=(const ProgressLines&) = delete;

    void show(const std::string& line) {
        progress_.tableLine.setCaption(line);
        progress_.redraw();
    }

  private:
    const RelinkProgress& progress_;
};

std::string textOf(ado::Recordset& rows, const char* column) {
    return oleaut::CStr(rows.Fields(column).Value());
}

// The key columns of a row: none under a Null first one, else every one not Null, trimmed.
std::vector<std::string> keysOf(ado::Recordset& rows) {
    std::vector<std::string> keys;
    if (rows.Fields(kKeyColumns[0]).Value().isNull()) return keys;
    for (const char* column : kKeyColumns) {
        const oleaut::Variant value = rows.Fields(column).Value();
        if (!value.isNull()) keys.push_back(oleaut::Trim(oleaut::CStr(value)));
    }
    return keys;
}

// Server: stamps the installation into every row of the list, then reads the workstation's rows
// in the server's order.
std::vector<LinkRow> readServerList(ado::Connection& server, const std::string& code,
                                    const Installation& installation) {
    server.Execute(stampWorkstationTables(installation.server, installation.database), nullptr,
                   ado::adOptionUnspecified);
    const std::shared_ptr<ado::Recordset> rows =
        server.Execute(workstationTables(code), nullptr, ado::adOptionUnspecified);
    std::vector<LinkRow> list;
    if (rows->State() != ado::adStateOpen) return list;
    for (; !rows->EndOfFile(); rows->MoveNext()) {
        list.push_back({textOf(*rows, kLinkName), textOf(*rows, kSourceName), keysOf(*rows)});
    }
    rows->Close();
    return list;
}

// File: drops every ODBC link, from the names taken before the first drop.
void dropOldLinks(dao::Database& file, const std::string& fileName, ProgressLines& lines) {
    std::vector<std::string> links;
    step([&] {
        dao::TableDefList& defs = file.TableDefs();
        for (int32_t i = 0; i < defs.Count(); ++i) {
            const std::shared_ptr<dao::TableDef> def = defs.Item(i);
            if (def->Attributes & dao::dbAttachedODBC) links.push_back(def->Name);
        }
    });
    for (const std::string& link : links) {
        step([&] { file.Execute(dropTable(link)); });
        lines.show(droppingLabel(fileName, link));
    }
}

// File: tbl_str_conn holds exactly the installation's row.
void rewriteConnectionRow(dao::Database& file, const Installation& installation) {
    step([&] { file.Execute(kDeleteConnectionRow); });
    step([&] { file.Execute(insertConnectionRow(installation.server, installation.database)); });
}

// File: one link per row, with its primary index where the row names keys; a failing row shows
// its box and leaves that table unlinked or without its index.
void linkListedTables(dao::Database& file, const std::vector<LinkRow>& list,
                      const Installation& installation, ProgressLines& lines) {
    const std::string connect = linkConnect(installation.server, installation.database);
    const int n = static_cast<int>(list.size());
    for (int k = 1; k <= n; ++k) {
        const LinkRow& row = list[k - 1];
        step([&] {
            const std::shared_ptr<dao::TableDef> def = file.CreateTableDef(row.name);
            lines.show(linkingLabel(k, n, row.name));
            def->Connect = connect;
            def->SourceTableName = row.source;
            file.TableDefs().Append(def);
            if (!row.keys.empty()) file.Execute(createPrimaryIndex(row.name, row.keys));
        });
    }
}

enum class FileSet { Mdb, Mde };

// Relinks and compacts each workstation's file of the set, and builds its .mde from an .mdb.
// Counts the files relinked.
int relinkSet(FileSet set, const std::string& folder, ado::Connection& server,
              const Installation& installation, const RelinkProgress& progress) {
    int count = 0;
    for (const Workstation& workstation : kWorkstations) {
        const std::string path =
            find_file("", folder, set == FileSet::Mdb ? workstation.mdbMask : workstation.mdeMask);
        if (path.empty()) continue;
        if (!RelinkMdbTables(path, workstation.code, server, installation, progress)) continue;
        // Kept as found: the compaction's result is not looked at. One that fails leaves the
        // relinked file as it was, only not compacted, and the file still counts as relinked.
        (void)compare_mdb(path, false);
        if (set == FileSet::Mdb) CreateMDE(path);
        ++count;
    }
    return count;
}

}  // namespace

bool RelinkMdbTables(const std::string& path, const std::string& code, ado::Connection& server,
                     const Installation& installation, const RelinkProgress& progress) {
    const std::string fileName = fileNameOf(path);
    ProgressLines lines(progress, fileName);
    std::shared_ptr<dao::Database> file;
    if (!step([&] { file = dao::dbEngine().OpenDatabase(path); })) return false;
    std::vector<LinkRow> list;
    if (!step([&] { list = readServerList(server, code, installation); })) {
        file->Close();
        return false;
    }
    if (list.empty()) {
        showBox(kEmptyList);
        file->Close();
        return false;
    }
    dropOldLinks(*file, fileName, lines);
    rewriteConnectionRow(*file, installation);
    linkListedTables(*file, list, installation, lines);
    file->Close();
    return true;
}

int relinkWorkstations(const std::string& folder, ado::Connection& server,
                       const Installation& installation, const RelinkProgress& progress) {
    int count = 0;
    if (count_files(folder, kAnyMdb) > 0) {
        count = relinkSet(FileSet::Mdb, folder, server, installation, progress);
    } else if (count_files(folder, kAnyMde) > 0) {
        count = relinkSet(FileSet::Mde, folder, server, installation, progress);
    } else {
        showBox(kNoWorkstationFiles);
        return 0;
    }
    showBox(relinkedMessage(count));
    return count;
}

}  // namespace vendrel
