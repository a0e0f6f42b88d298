#pragma once
// The files a restore makes, each reached by its name through its folder held (files::HeldFolder),
// never by its path again: made, placed at its target and removed in the folder the restore holds,
// whatever becomes of the folder's path meanwhile.

#include <span>
#include <string>

#include "platform/files/descriptor.hpp"
#include "platform/files/held_folder.hpp"

namespace sqlserver {

// A file reached through its folder held: the folder and the name in it. Without a folder (one
// that could not be held, as one that is gone) nothing is there.
struct Reached {
    const files::HeldFolder* folder = nullptr;
    std::string name;
};

// What a restore's reservation names, reached: its targets and the copies it places there. A
// reservation of the catalogue's earlier shape has no log copy (an empty name).
struct Made {
    Reached data;
    Reached log;
    Reached copy;
    Reached logCopy;
};

// Nothing at a file nor at the side files `sideFiles` beside it: 0; else the first suffix met
// ("" for the file itself) with EEXIST, or with the system's error for looking.
struct Met {
    std::string suffix;
    int error = 0;
};
[[nodiscard]] Met firstPresent(const Reached& file, std::span<const char* const> sideFiles);

// Makes a new empty file; an invalid descriptor (errno telling why) when it cannot.
[[nodiscard]] files::Descriptor createEmpty(const Reached& file);
// Removes a file, and for a database the side files SQLite keeps beside it.
void remove(const Reached& file) noexcept;
void removeDatabase(const Reached& file) noexcept;

// Places a copy at its target as its second name (a hard link). A target or a side file of it
// (`sideFiles`) that is there fails with 5170, any other failure with the system's reason, each
// naming the user's target (`shown`) and never the copy; the reason names a folder that makes no
// hard links.
void place(const Reached& copy, const Reached& target, const std::string& shown,
           std::span<const char* const> sideFiles);

// Removes what a reservation names of a restore that made it: its targets while they are second
// names of its copies (never once recorded), then the copies, the data file's with the side files
// SQLite keeps beside it. Whether all of it is gone; a target that stays keeps its copy, the proof
// that it is the restore's. A restore of the catalogue's earlier shape, without a log copy, made
// its log file empty at its target once its data file was placed: while the data file is still
// the copy's second name, an empty log file there is that restore's.
[[nodiscard]] bool removeMade(const Made& made, bool recorded);

}  // namespace sqlserver
