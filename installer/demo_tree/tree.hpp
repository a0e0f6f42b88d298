#pragma once
// The demonstration installer tree, as a person unpacks it:
//   vendrel, vendrel-wsh                the installer and its script host
//   BD/BdBackup/Virsel_Demo.bak         a backup of the demonstration database
//   MDB/Dog.mdb, Dg_Rs.mdb, Ras.mdb, Fin.mdb
//                                       workstation files linked to the old server "OLDSERVER"
//   server/localhost/                   a database server with the rights to connect and create
// The installer reaches the server with KALVIK_SQLSERVER_ROOT=FOLDER/server.

#include <filesystem>
#include <string>
#include <vector>

namespace vendrel::demo_tree {

inline constexpr const char* kServer = "localhost";
inline constexpr const char* kOldServer = "OLDSERVER";
inline constexpr const char* kWorkstationFiles[] = {"Dog.mdb", "Dg_Rs.mdb", "Ras.mdb", "Fin.mdb"};

// Builds the tree in folder with copies of the programs found in programs. A folder this builder
// did not make fails, untouched; one it made is made afresh.
void buildTree(const std::filesystem::path& folder, const std::filesystem::path& programs);

// A backup of the demonstration database of demo/ with the logical names "Virsel_Demo" and
// "Virsel_Demo_log"; fails when the backup exists.
void writeDemoBackup(const std::filesystem::path& backup);

// The workstation file of a code (Dog, Dg_Rs, Ras, Fin) as the tree holds it: an old connection
// row, a local table, two modules, and two links to the old server (one named like a link the
// list makes, one the list no longer names).
void writeWorkstationFile(const std::filesystem::path& file, const std::string& code);

// The command that starts the tree's installer on its server, each path quoted for the shell so
// that it runs as pasted whatever the folder's name holds.
[[nodiscard]] std::string startCommand(const std::filesystem::path& folder);

// The tree's files, one path a line relative to folder, in name order.
[[nodiscard]] std::vector<std::string> listTree(const std::filesystem::path& folder);

}  // namespace vendrel::demo_tree
