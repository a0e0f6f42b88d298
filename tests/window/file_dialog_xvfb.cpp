// The file choosers FLTK shows, its own and GTK's, list each entry of a dialog's filter once, as
// the form names it, in open and save dialogs alike, and each entry lists the files it names: the
// every-file entry every file, a name without a point included. FLTK picks its chooser once in a
// process, so each chooser is shown in a process of its own, started afresh as a death test is.

#include "platform/ui/file_dialog.hpp"
#include "platform/ui/mode.hpp"
#include "tests/window/screenshot.hpp"

#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_File_Browser.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Window.H>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace window_tests {
namespace {

// A dialog's entries as listed, each as "name: the files it lists" (the custom filter FLTK's own
// chooser offers by its name alone).
using Entries = std::vector<std::string>;

// The files of the folder the dialogs open in, in the order the choosers sort them.
const char* const kFiles[] = {"README", "x.bak", "x.mdf"};

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
     {"Файлы БД (*.bak): x.bak", "All files(*.*): README x.bak x.mdf", "Custom Filter"},
     {"Файлы БД (*.bak): x.bak", "All files(*.*): README x.bak x.mdf"}},
    {ui::FileDialogKind::Save,
     kDataFiles,
     {"Файлы БД (*.mdf): x.mdf", "All files(*.*): README x.bak x.mdf", "Custom Filter"},
     {"Файлы БД (*.mdf): x.mdf", "All files(*.*): README x.bak x.mdf"}},
    {ui::FileDialogKind::Open,
     {{"Backups", "*.bak"}},
     {"Backups (*.bak): x.bak", "All Files (*): README x.bak x.mdf", "Custom Filter"},
     {"Backups (*.bak): x.bak", "All Files (*): README x.bak x.mdf"}},
};

// How long a chooser may take to come up and list its entries: only a chooser that never does
// reaches it, on however busy a machine.
using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(60);

// Shows each case's dialog in a folder holding the files, reading what it lists with the reading
// that read starts (which closes it, and stops with its end), and ends the process: 0 when every
// dialog listed what it should, else 1 after naming the differences.
template <class Read>
[[noreturn]] void showEachAndExit(bool gtk, Read read) {
    ui::setMode(ui::Mode::Window);
    Fl::option(Fl::OPTION_FNFC_USES_GTK, gtk);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kalvik-choosers-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    for (const char* file : kFiles)
        std::ofstream(folder / file) << "x";
    int failures = 0;
    for (const Case& c : kCases) {
        Entries entries;
        const auto reading = read(folder.string(), entries);
        ui::FileRequest request;
        request.kind = c.kind;
        request.title = "Открыть БД";
        request.initialFolder = folder.string() + "/";
        request.filters = c.filters;
        (void)ui::chooseFile(request);
        if (entries == (gtk ? c.gtk : c.fltk)) continue;
        ++failures;
        std::cerr << c.filters.front().description << " lists:";
        for (const std::string& entry : entries)
            std::cerr << " [" << entry << "]";
        std::cerr << std::endl;
    }
    std::filesystem::remove_all(folder);
    // No exit handlers: the chooser's libraries keep what they allocated to the end.
    _exit(failures == 0 ? 0 : 1);
}

// "name:" and the files listed after it.
std::string entry(const std::string& name, const std::vector<std::string>& files) {
    std::string text = name + ":";
    for (const std::string& file : files)
        text += " " + file;
    return text;
}

// FLTK's own chooser, once it is up: its choice of file kinds and the list of files it shows.
template <class W>
W* findWidget(Fl_Group& group) {
    for (int i = 0; i < group.children(); ++i) {
        if (auto* found = dynamic_cast<W*>(group.child(i))) return found;
        if (Fl_Group* inner = group.child(i)->as_group()) {
            if (W* found = findWidget<W>(*inner)) return found;
        }
    }
    return nullptr;
}

// The name of the next screenshot of a chooser.
std::string nextShot(const char* chooser) {
    static int taken = 0;
    return std::string("file_chooser_") + chooser + "_" + std::to_string(++taken);
}

// The reading of FLTK's own chooser. A user's pick is an event, which FLTK handles only after a
// turn of its event loop with the chooser up; the reading picks after such a turn too, counted by
// a check of its own from the moment it first finds the chooser's widgets.
struct FltkReading {
    explicit FltkReading(Entries& read) : entries(read) {
        Fl::add_timeout(0.05, readFltkChooser, this);
    }
    ~FltkReading() {
        Fl::remove_timeout(readFltkChooser, this);
        Fl::remove_check(countTurn, this);
    }
    FltkReading(const FltkReading&) = delete;
    FltkReading& operator=(const FltkReading&) = delete;

    static void countTurn(void* data) { ++static_cast<FltkReading*>(data)->turns; }
    static void readFltkChooser(void* data);

    Entries& entries;
    const Clock::time_point deadline = Clock::now() + kPatience;
    bool counting = false;
    int turns = 0;  // turns of the event loop since the chooser was found up
};

void closeFltkWindows() {
    while (Fl_Window* w = Fl::first_window())
        w->hide();
}

// Picks each kind of file in turn, as the user does, and reads the files listed with it.
void FltkReading::readFltkChooser(void* data) {
    auto& reading = *static_cast<FltkReading*>(data);
    Fl_Window* window = Fl::first_window();
    Fl_Choice* kinds = window != nullptr ? findWidget<Fl_Choice>(*window) : nullptr;
    Fl_File_Browser* list = window != nullptr ? findWidget<Fl_File_Browser>(*window) : nullptr;
    if (kinds == nullptr || list == nullptr || reading.turns == 0) {
        if (Clock::now() > reading.deadline) {
            reading.entries.push_back("no chooser up");
            closeFltkWindows();
            return;
        }
        if (kinds != nullptr && list != nullptr && !reading.counting) {
            Fl::add_check(countTurn, data);
            reading.counting = true;
        }
        Fl::repeat_timeout(0.05, readFltkChooser, data);  // not up, or no turn yet: again
        return;
    }
    Fl::remove_check(countTurn, data);
    for (int k = 0; k < kinds->size() && kinds->menu()[k].label() != nullptr; ++k) {
        const std::string name = kinds->menu()[k].label();
        if (name == Fl_File_Chooser::custom_filter_label) {
            reading.entries.push_back(name);
            continue;
        }
        kinds->value(k);
        kinds->do_callback();
        std::vector<std::string> files;
        for (int i = 1; i <= list->size(); ++i) {
            const std::string file = list->text(i);
            if (!file.ends_with("/")) files.push_back(file);
        }
        reading.entries.push_back(entry(name, files));
        if (files.size() == std::size(kFiles)) savePng(grabScreen(), nextShot("fltk"));
    }
    closeFltkWindows();
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

// What GTK asks of a file to decide whether a filter lists it: its path and its name.
struct GtkFileFilterInfo {
    int contains;
    const char* filename;
    const char* uri;
    const char* display_name;
    const char* mime_type;
};
constexpr int kFilterFilename = 1;
constexpr int kFilterDisplayName = 4;

// The files of the folder that a filter of the chooser lists.
std::vector<std::string> filesListed(void* filter, const std::string& folder) {
    std::vector<std::string> files;
    for (const char* file : kFiles) {
        const std::string path = folder + "/" + file;
        const GtkFileFilterInfo info{kFilterFilename | kFilterDisplayName, path.c_str(), nullptr,
                                     file, nullptr};
        if (gtk<int (*)(void*, const GtkFileFilterInfo*)>("gtk_file_filter_filter")(filter, &info))
            files.emplace_back(file);
    }
    return files;
}

// The chooser mapped on the screen; nullptr while there is none.
void* mappedGtkChooser() {
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
    return dialog;
}

// The reading of the GTK chooser, from GTK's main loop, which runs while it is up: its filters
// once it is mapped and has its every-file entry (one filter listing every file), then its cancel,
// a tick later and at each tick until it goes: FLTK connects to its answer only once the chooser
// is mapped, and a cancel answered before would be lost.
struct GtkReading {
    GtkReading(std::string folderRead, Entries& read)
        : folder(std::move(folderRead)), entries(read) {
        source = gtk<unsigned (*)(unsigned, int (*)(void*), void*)>("g_timeout_add")(
            50, readGtkChooser, this);
    }
    ~GtkReading() {
        if (source != 0) gtk<int (*)(unsigned)>("g_source_remove")(source);
    }
    GtkReading(const GtkReading&) = delete;
    GtkReading& operator=(const GtkReading&) = delete;

    static int readGtkChooser(void* data);

    std::string folder;
    Entries& entries;
    const Clock::time_point deadline = Clock::now() + kPatience;
    bool read = false;
    bool shot = false;
    unsigned source = 0;
};

int GtkReading::readGtkChooser(void* data) {
    auto& reading = *static_cast<GtkReading*>(data);
    void* dialog = mappedGtkChooser();
    if (dialog == nullptr) {
        if (!reading.read) return 1;  // not up yet: asked again
        reading.source = 0;           // closed: done
        return 0;
    }
    if (reading.read) {
        if (!reading.shot) savePng(grabScreen(), nextShot("gtk"));
        reading.shot = true;
        gtk<void (*)(void*, int)>("gtk_dialog_response")(dialog, kResponseCancel);
        return 1;
    }
    GSList* filters = gtk<GSList* (*)(void*)>("gtk_file_chooser_list_filters")(dialog);
    void* everyFile = nullptr;
    for (GSList* f = filters; f != nullptr; f = f->next) {
        if (filesListed(f->data, reading.folder).size() == std::size(kFiles)) everyFile = f->data;
    }
    if (everyFile != nullptr || Clock::now() > reading.deadline) {
        for (GSList* f = filters; f != nullptr; f = f->next) {
            reading.entries.push_back(
                entry(gtk<const char* (*)(void*)>("gtk_file_filter_get_name")(f->data),
                      filesListed(f->data, reading.folder)));
        }
        // The every-file entry is shown for the screenshot.
        if (everyFile != nullptr)
            gtk<void (*)(void*, void*)>("gtk_file_chooser_set_filter")(dialog, everyFile);
        reading.read = true;
    }
    gtk<void (*)(GSList*)>("g_slist_free")(filters);
    return 1;
}

class FileDialogWindow : public ::testing::Test {
  protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(FileDialogWindow, FltksOwnChooserListsEachEntryOnceAsTheFormNamesItWithItsFiles) {
    EXPECT_EXIT(showEachAndExit(false,
                                [](const std::string&, Entries& entries) {
                                    return std::make_unique<FltkReading>(entries);
                                }),
                ::testing::ExitedWithCode(0), "");
}

TEST_F(FileDialogWindow, TheGtkChooserListsEachEntryOnceAsTheFormNamesItWithItsFiles) {
    if (gtkLibrary() == nullptr) GTEST_SKIP() << "no GTK library to show the chooser with";
    EXPECT_EXIT(showEachAndExit(true,
                                [](const std::string& folder, Entries& entries) {
                                    return std::make_unique<GtkReading>(folder, entries);
                                }),
                ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace window_tests
