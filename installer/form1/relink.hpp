#pragma once
// Relinking the workstation files to the chosen database: each file loses its old ODBC links,
// gets a new connection row, and links anew every server table that the server's list names for
// its workstation, with a primary index over the list's key columns.

#include "platform/ado/connection.hpp"
#include "platform/ui/form.hpp"

#include <functional>
#include <string>

namespace vendrel {

// The server and database of this installation (the texts of Text1 and Combo1).
struct Installation {
    std::string server;
    std::string database;
};

// Where the relinking shows its progress: the file on one line, the table on the next, and what
// redraws the window (without taking input) after each change.
struct RelinkProgress {
    ui::Label& fileLine;   // Label9
    ui::Label& tableLine;  // Label8
    std::function<void()> redraw;
};

// Relinks one workstation file through the connection to the chosen database. Failures show the
// box "Error in DeleteLinks()". Returns whether the server's list was read and the file linked
// (some rows may have failed); a file that cannot be opened, whose list cannot be read or is
// empty is left untouched.
[[nodiscard]] bool RelinkMdbTables(const std::string& path, const std::string& code,
                                   ado::Connection& server, const Installation& installation,
                                   const RelinkProgress& progress);

// The driver: relinks, compacts and (for .mdb files) builds every workstation's file in the
// folder, then tells how many were relinked. Returns that count, which the box has shown.
int relinkWorkstations(const std::string& folder, ado::Connection& server,
                       const Installation& installation, const RelinkProgress& progress);

}  // namespace vendrel
