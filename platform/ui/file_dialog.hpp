#pragma once
// File dialogs: every one goes through chooseFile(), which asks the installed responder, else
// shows FLTK's native chooser, else prints the title to standard error and counts as cancelled.

#include "platform/ui/scoped_install.hpp"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

enum class FileDialogKind { Open, Save, Folder };

// One entry of a dialog's filter: what the user reads, and the names it shows ("*.bak"; "*.*" is
// every file).
struct FileFilter {
    std::string description;
    std::string pattern;
    bool operator==(const FileFilter&) const = default;
};

struct FileRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;
    std::string initialFolder;
    std::string fileName;  // the name proposed
    std::vector<FileFilter> filters;
    // Appended with a point to a file name chosen without an extension; empty: nothing appended.
    std::string defaultExtension;

    bool operator==(const FileRequest&) const = default;
};

// The path chosen, or nothing when the dialog is cancelled.
std::optional<std::string> chooseFile(const FileRequest& request);

// A responder answers every file dialog in place of the user: the path typed or chosen, or
// nothing for a cancel.
using FileResponder = std::function<std::optional<std::string>(const FileRequest&)>;

// Installs a responder (an empty one removes it) and returns the one it replaces.
FileResponder setFileResponder(FileResponder responder);

// Installs a responder for as long as it lives, then puts the previous one back.
using ScopedFileResponder = ScopedInstall<FileResponder, setFileResponder>;

// The path with the default extension appended when its file name has none.
std::string withDefaultExtension(std::string path, const std::string& extension);

}  // namespace ui
