// The file choosers FLTK shows, its own and GTK's, list each entry of a dialog's filter once, as
// the form names it, in open and save dialogs alike. FLTK picks its chooser once in a process, so
// each chooser is shown in a process of its own, started afresh as a death test is.

#include "platform/ui/file_dialog.hpp"
#include "platform/ui/mode.hpp"

#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Window.H>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstddef>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace window_tests {
namespace {

using Entries = std::vector<std::string>;

struct Case {
    ui::FileDialogKind kind;
    std::vector<ui::FileFilter> filters;
    Entries fltk;  // what FLTK's own chooser lists
    Entries gtk;   // what the GTK chooser lists
};

const std::vector<ui::FileFilter> kBackups{{"Файлы БД (*.bak) ", "*.bak"},
                                           {" All files(*.*) ", "*.*"}};
const std::vector<ui::FileFilter> kDataFiles{{"Файлы БД (*.mdf) ", "*.mdf"},
                                             {" All files(*.*) ", "*.*"}};
const Case kCases[] = {
    {ui::FileDialogKind::Open,
     kBackups,
     {"Файлы БД (*.bak)", "All files(*.*)", "Custom Filter"},
     {"Файлы БД (*.bak)", "All files(*.*)"}},
    {ui::FileDialogKind::Save,
     kDataFiles,
     {"Файлы БД (*.mdf)", "All files(*.*)", "Custom Filter"},
     {"Файлы БД (*.mdf)", "All files(*.*)"}},
    {ui::FileDialogKind::Open,
     {{"Backups", "*.bak"}},
     {"Backups (*.bak)", "All Files (*)", "Custom Filter"},
     {"Backups (*.bak)", "All Files (*)"}},
};

// Shows each case's dialog, reading what it lists with read (which closes it), and ends the
// process: 0 when every dialog listed what it should, else 1 after naming the differences.
template <class Read>
[[noreturn]] void showEachAndExit(bool gtk, Read read) {
    ui::setMode(ui::Mode::Window);
    Fl::option(Fl::OPTION_FNFC_USES_GTK, gtk);
    int failures = 0;
    for (const Case& c : kCases) {
        Entries entries;
        read(entries);
        ui::FileRequest request;
        request.kind = c.kind;
        request.title = "Открыть БД";
        request.filters = c.filters;
        (void)ui::chooseFile(request);
        if (entries == (gtk ? c.gtk : c.fltk)) continue;
        ++failures;
        std::cerr << c.filters.front().description << " lists:";
        for (const std::string& entry : entries)
            std::cerr << " [" << entry << "]";
        std::cerr << std::endl;
    }
    // No exit handlers: the chooser's libraries keep what they allocated to the end.
    _exit(failures == 0 ? 0 : 1);
}

// FLTK's own chooser: its list of file kinds, read from its widgets once it is up.
void collectChoices(Fl_Group& group, Entries& entries) {
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

void readFltkChooser(void* data) {
    auto& entries = *static_cast<Entries*>(data);
    for (Fl_Window* w = Fl::first_window(); w != nullptr; w = Fl::next_window(w))
        collectChoices(*w, entries);
    if (entries.empty()) {
        Fl::repeat_timeout(0.05, readFltkChooser, data);  // not up yet: looked at again
        return;
    }
    while (Fl_Window* w = Fl::first_window())
        w->hide();
}

// The GTK chooser, reached through the GTK library FLTK loads (the second major version first,
// as FLTK looks): its filters, read from GTK's main loop, which runs while it is up.
struct GList {
    void* data;
    GList* next;
    GList* prev;
};
struct GSList {
    void* data;
    GSList* next;
};
constexpr int kResponseCancel = -6;

void* gtkLibrary() {
    static void* library = [] {
        void* loaded = dlopen("libgtk-x11-2.0.so.0", RTLD_LAZY | RTLD_GLOBAL);
        return loaded ? loaded : dlopen("libgtk-3.so.0", RTLD_LAZY | RTLD_GLOBAL);
    }();
    return library;
}

template <class F>
F gtk(const char* name) {
    return reinterpret_cast<F>(dlsym(gtkLibrary(), name));
}

// The chooser's filters once it is mapped, and its cancel a tick later: FLTK connects to its
// answer only after the chooser is mapped, and a cancel answered before would be lost.
struct GtkReading {
    Entries& entries;
    bool read = false;
};

int readGtkChooser(void* data) {
    auto& reading = *static_cast<GtkReading*>(data);
    void* dialog = nullptr;
    GList* windows = gtk<GList* (*)()>("gtk_window_list_toplevels")();
    const std::size_t chooser = gtk<std::size_t (*)()>("gtk_file_chooser_get_type")();
    for (GList* w = windows; w != nullptr; w = w->next) {
        if (gtk<int (*)(void*, std::size_t)>("g_type_check_instance_is_a")(w->data, chooser) &&
            gtk<int (*)(void*)>("gtk_widget_get_mapped")(w->data)) {
            dialog = w->data;
        }
    }
    gtk<void (*)(GList*)>("g_list_free")(windows);
    if (dialog == nullptr) return 1;  // not up yet: asked again
    if (reading.read) {
        gtk<void (*)(void*, int)>("gtk_dialog_response")(dialog, kResponseCancel);
        return 0;
    }
    GSList* filters = gtk<GSList* (*)(void*)>("gtk_file_chooser_list_filters")(dialog);
    for (GSList* f = filters; f != nullptr; f = f->next)
        reading.entries.emplace_back(
            gtk<const char* (*)(void*)>("gtk_file_filter_get_name")(f->data));
    gtk<void (*)(GSList*)>("g_slist_free")(filters);
    reading.read = true;
    return 1;
}

class FileDialogWindow : public ::testing::Test {
  protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(FileDialogWindow, FltksOwnChooserListsEachEntryOnceAsTheFormNamesIt) {
    EXPECT_EXIT(
        showEachAndExit(false,
                        [](Entries& entries) { Fl::add_timeout(0.05, readFltkChooser, &entries); }),
        ::testing::ExitedWithCode(0), "");
}

TEST_F(FileDialogWindow, TheGtkChooserListsEachEntryOnceAsTheFormNamesIt) {
    if (gtkLibrary() == nullptr) GTEST_SKIP() << "no GTK library to show the chooser with";
    std::optional<GtkReading> reading;
    EXPECT_EXIT(showEachAndExit(true,
                                [&reading](Entries& entries) {
                                    reading.emplace(entries);
                                    gtk<unsigned (*)(unsigned, int (*)(void*), void*)>(
                                        "g_timeout_add")(50, readGtkChooser, &*reading);
                                }),
                ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace window_tests
