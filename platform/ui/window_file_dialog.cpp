#include "platform/ui/window_file_dialog.hpp"

#include "platform/oleaut/error.hpp"
#include "platform/ui/every_file_entry.hpp"

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

// Blanks at either end of a description are the form's layout, not its text.
std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A request's filters as FLTK's choosers take them: lines "name<TAB>pattern", each listed as
// "name(pattern)", so that a description ending with its "(pattern)" shows as written. The
// request's every-file entry ("*.*") is no line: both choosers add one of their own under FLTK's
// every-file label, which becomes its description, so that each dialog lists it once.
struct ChooserFilter {
    std::string text;
    std::string allFilesLabel;  // empty: FLTK's own label
};

ChooserFilter chooserFilter(const FileRequest& request) {
    ChooserFilter chooser;
    for (const FileFilter& filter : request.filters) {
        const std::string description = trimmed(filter.description);
        const std::string shown = "(" + filter.pattern + ")";
        const std::string name = description.ends_with(shown)
                                     ? description.substr(0, description.size() - shown.size())
                                     : description + " ";
        // "*.*" is every file, as on Windows.
        if (filter.pattern == "*.*") {
            if (chooser.allFilesLabel.empty()) chooser.allFilesLabel = name + shown;
            continue;
        }
        if (!chooser.text.empty()) chooser.text += '\n';
        chooser.text += name + '\t' + filter.pattern;
    }
    return chooser;
}

}  // namespace

std::optional<std::string> showWindowFileDialog(const FileRequest& request) {
    Fl_Native_File_Chooser chooser(chooserType(request.kind));
    chooser.title(request.title.c_str());
    const ChooserFilter filter = chooserFilter(request);
    if (!filter.text.empty()) chooser.filter(filter.text.c_str());
    const EveryFileEntry everyFile(filter.allFilesLabel, request.kind);
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
