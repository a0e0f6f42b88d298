// The file chooser FLTK draws lists each of a dialog's descriptions once, as the form names it.

#include "platform/ui/file_dialog.hpp"
#include "platform/ui/mode.hpp"

#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace window_tests {
namespace {

void collectChoices(Fl_Group& group, std::vector<std::string>& entries) {
    for (int i = 0; i < group.children(); ++i) {
        Fl_Widget* child = group.child(i);
        if (auto* choice = dynamic_cast<Fl_Choice*>(child)) {
            for (int k = 0; k < choice->size(); ++k) {
                if (const char* label = choice->menu()[k].label()) entries.emplace_back(label);
            }
        }
        if (Fl_Group* inner = child->as_group()) collectChoices(*inner, entries);
    }
}

// Once the chooser is up: what its list of file kinds offers; then it is closed.
void readAndClose(void* data) {
    auto& entries = *static_cast<std::vector<std::string>*>(data);
    for (Fl_Window* w = Fl::first_window(); w != nullptr; w = Fl::next_window(w))
        collectChoices(*w, entries);
    while (Fl_Window* w = Fl::first_window())
        w->hide();
}

TEST(FileDialogWindow, ListsEachDescriptionOnceAsTheFormNamesIt) {
    ui::setMode(ui::Mode::Window);
    Fl::option(Fl::OPTION_FNFC_USES_GTK, false);  // FLTK's own chooser, whose widgets can be read
    const struct {
        ui::FileDialogKind kind;
        std::vector<ui::FileFilter> filters;
        std::vector<std::string> entries;
    } cases[] = {
        {ui::FileDialogKind::Open,
         {{"Файлы БД (*.bak) ", "*.bak"}, {" All files(*.*) ", "*.*"}},
         {"Файлы БД (*.bak)", "All files(*.*)", "Custom Filter"}},
        {ui::FileDialogKind::Save,
         {{"Файлы БД (*.mdf) ", "*.mdf"}, {" All files(*.*) ", "*.*"}},
         {"Файлы БД (*.mdf)", "All files(*.*)", "Custom Filter"}},
        {ui::FileDialogKind::Open,
         {{"Backups", "*.bak"}},
         {"Backups (*.bak)", "All Files (*)", "Custom Filter"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> entries;
        Fl::add_timeout(0.3, readAndClose, &entries);
        ui::FileRequest request;
        request.kind = c.kind;
        request.title = "Открыть БД";
        request.filters = c.filters;
        (void)ui::chooseFile(request);
        EXPECT_EQ(entries, c.entries) << c.filters.front().description;
    }
}

}  // namespace
}  // namespace window_tests
