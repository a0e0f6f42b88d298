#include "platform/ui/window_file_dialog.hpp"

#include "platform/oleaut/error.hpp"

#include <FL/Fl_Native_File_Chooser.H>

namespace ui::detail {
namespace {

int chooserType(FileDialogKind kind) {
    switch (kind) {
        case FileDialogKind::Open:
            return Fl_Native_File_Chooser::BROWSE_FILE;
        case FileDialogKind::Save:
            return Fl_Native_File_Chooser::BROWSE_SAVE_FILE;
        case FileDialogKind::Folder:
            return Fl_Native_File_Chooser::BROWSE_DIRECTORY;
    }
    return Fl_Native_File_Chooser::BROWSE_FILE;
}

// FLTK's filter text: one "description<TAB>pattern" a line. "*.*" is every file, as on Windows,
// where a name without a point matches it too.
std::string chooserFilter(const std::vector<FileFilter>& filters) {
    std::string text;
    for (const FileFilter& filter : filters) {
        if (!text.empty()) text += '\n';
        text += filter.description + '\t' + (filter.pattern == "*.*" ? "*" : filter.pattern);
    }
    return text;
}

}  // namespace

std::optional<std::string> showWindowFileDialog(const FileRequest& request) {
    Fl_Native_File_Chooser chooser(chooserType(request.kind));
    chooser.title(request.title.c_str());
    const std::string filter = chooserFilter(request.filters);
    if (!filter.empty()) chooser.filter(filter.c_str());
    if (!request.initialFolder.empty()) chooser.directory(request.initialFolder.c_str());
    if (!request.fileName.empty()) chooser.preset_file(request.fileName.c_str());
    if (request.kind == FileDialogKind::Save) chooser.options(Fl_Native_File_Chooser::NEW_FOLDER);
    switch (chooser.show()) {
        case 0:
            return std::string(chooser.filename());
        case 1:
            return std::nullopt;
        default:
            throw oleaut::Error(oleaut::kInvalidProcedureCall,
                                std::string("file dialog \"") + request.title +
                                    "\": " + (chooser.errmsg() ? chooser.errmsg() : "failed"));
    }
}

}  // namespace ui::detail
