#include "platform/ui/window_file_dialog.hpp"

#include "platform/oleaut/error.hpp"

#include <FL/Fl_File_Chooser.H>
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

// FLTK's every-file label, set for as long as a chooser is shown.
class AllFilesLabel {
  public:
    explicit AllFilesLabel(const std::string& label) : previous_(Fl_File_Chooser::all_files_label) {
        if (!label.empty()) Fl_File_Chooser::all_files_label = label.c_str();
    }
    ~AllFilesLabel() { Fl_File_Chooser::all_files_label = previous_; }
    AllFilesLabel(const AllFilesLabel&) = delete;
    AllFilesLabel& operator=(const AllFilesLabel&) = delete;

  private:
    const char* previous_;
};

// A request's filters as FLTK's choosers take them: lines "name<TAB>pattern", each listed as
// "name(pattern)", so that a description ending with its "(pattern)" shows as written. Both
// choosers add an every-file entry of their own under FLTK's every-file label, which becomes the
// request's every-file entry ("*.*"): FLTK's own chooser adds it to every dialog, in place of a
// line of the same text; the GTK one to open dialogs only. So a save dialog gets it as a line as
// well, and each dialog lists it once whichever chooser FLTK uses.
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
        // "*.*" is the every-file entry, as on Windows; where a chooser matches it as written,
        // names without a point are left out.
        if (filter.pattern == "*.*") {
            if (!chooser.allFilesLabel.empty()) continue;
            chooser.allFilesLabel = name + shown;
            if (request.kind != FileDialogKind::Save) continue;
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
    const AllFilesLabel allFiles(filter.allFilesLabel);
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
