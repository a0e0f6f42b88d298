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

// A request's filters as FLTK's chooser takes them. FLTK shows a line "name<TAB>pattern" of its
// filter text as "name(pattern)" and adds an every-file entry of its own under a label, so that
// each description shows once only when its "(pattern)" is left to FLTK and the every-file entry
// ("*.*") becomes FLTK's own under the description.
struct ChooserFilter {
    std::string text;
    std::string allFilesLabel;  // empty: FLTK's own label
};

ChooserFilter chooserFilter(const std::vector<FileFilter>& filters) {
    ChooserFilter chooser;
    for (const FileFilter& filter : filters) {
        const std::string description = trimmed(filter.description);
        // "*.*" is every file, as on Windows, where a name without a point matches it too.
        if (filter.pattern == "*.*") {
            if (chooser.allFilesLabel.empty()) chooser.allFilesLabel = description;
            continue;
        }
        const std::string shown = "(" + filter.pattern + ")";
        std::string name = description.ends_with(shown)
                               ? description.substr(0, description.size() - shown.size())
                               : description + " ";
        if (!chooser.text.empty()) chooser.text += '\n';
        chooser.text += name + '\t' + filter.pattern;
    }
    return chooser;
}

}  // namespace

std::optional<std::string> showWindowFileDialog(const FileRequest& request) {
    Fl_Native_File_Chooser chooser(chooserType(request.kind));
    chooser.title(request.title.c_str());
    const ChooserFilter filter = chooserFilter(request.filters);
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
