// Compaction and the compiled build. The compaction writes into a temporary file beside the file
// and renames it over the file, so that the file is either the old one or the whole new one. Each
// build's script has a private folder of its own, so that builds started together keep their
// scripts and no other user can plant one.

#include "installer/form1/compile_mde.hpp"

#include "installer/form1/installer_box.hpp"
#include "installer/form1/installer_texts.hpp"
#include "installer/form1/paths.hpp"
#include "platform/dao/engine.hpp"
#include "platform/oleaut/error.hpp"
#include "platform/wsh/file_system.hpp"
#include "platform/wsh/shell.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <vector>

namespace vendrel {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void fileAccessFailed(const std::string& what, const std::string& path, int error) {
    throw oleaut::Error(oleaut::kPathFileAccessError, "Path/File access error: " + what + " " +
                                                          path + " (" + std::strerror(error) + ")");
}

// The file's folder: where its temporary copy goes.
fs::path folderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// Compacts the file into a new file; a compaction that fails leaves no part of it behind. A name
// already taken fails before anything is written and is left alone.
void compactInto(const std::string& path, const fs::path& compacted) {
    const bool taken = fs::exists(compacted);
    try {
        dao::dbEngine().CompactDatabase(path, compacted, dao::dbLangCyrillic);
    } catch (...) {
        std::error_code ec;
        if (!taken) fs::remove(compacted, ec);
        throw;
    }
}

// Replaces the file by its compacted copy in one step.
void replaceBy(const fs::path& compacted, const std::string& path) {
    std::error_code ec;
    fs::rename(compacted, path, ec);
    if (ec) {
        fs::remove(compacted, ec);
        fileAccessFailed("cannot replace", path, ec.value());
    }
}

// A new folder of this process's own under the temporary folder.
std::string privateScriptFolder() {
    std::string pattern =
        wsh::Shell().ExpandEnvironmentStrings("%TEMP%") + "/" + relinking::kScriptFolderPattern;
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) fileAccessFailed("cannot make", pattern, errno);
    return buffer.data();
}

void writeScript(const std::string& script, const std::string& text) {
    std::ofstream out(script, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) fileAccessFailed("cannot write", script, errno);
}

}  // namespace

std::string backupCopyName(const std::string& path) {
    // Kept as found: the last four characters are taken for the extension whatever it is.
    const std::size_t cut = path.size() < 4 ? 0 : path.size() - 4;
    return path.substr(0, cut) + "_Backup" + path.substr(cut);
}

oleaut::Variant compare_mdb(const std::string& CompactingDBPathAndName,
                            bool BackupBeforeCompactDB) {
    try {
        const wsh::FileSystemObject fso;
        if (BackupBeforeCompactDB) {
            fso.CopyFile(CompactingDBPathAndName, backupCopyName(CompactingDBPathAndName), true);
        }
        const fs::path compacted = folderOf(CompactingDBPathAndName) / fso.GetTempName();
        compactInto(CompactingDBPathAndName, compacted);
        replaceBy(compacted, CompactingDBPathAndName);
        return {};
    } catch (const oleaut::Error& failure) {
        return oleaut::Variant(failure.number());
    } catch (const std::exception&) {
        return oleaut::Variant(oleaut::kPathFileAccessError);
    }
}

std::string compiledPathOf(const std::string& mdb) {
    std::string name = fileNameOf(mdb);
    for (std::size_t at = name.find(".mdb"); at != std::string::npos; at = name.find(".mdb", at)) {
        name.replace(at, 4, ".mde");
        at += 4;
    }
    return upToLastSlash(mdb) + name;
}

std::string buildScript(const std::string& mdb, const std::string& mde, const std::string& script) {
    std::string text;
    for (const std::string& line : relinking::buildScriptLines(mdb, mde, script)) {
        text += line + "\r\n";
    }
    return text;
}

std::string CreateMDE(const std::string& mdb_path_name) {
    try {
        const std::string script = privateScriptFolder() + "/" + relinking::kScriptName;
        writeScript(script, buildScript(mdb_path_name, compiledPathOf(mdb_path_name), script));
        wsh::Shell().Run("\"" + script + "\"", 1, false);
        return script;
    } catch (const std::exception& failure) {
        showBox(relinking::buildFailedMessage(mdb_path_name, relinking::failureText(failure)));
        return "";
    }
}

}  // namespace vendrel
