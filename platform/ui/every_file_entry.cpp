#include "platform/ui/every_file_entry.hpp"

#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Window.H>
#include <dlfcn.h>

#include <cstddef>
#include <utility>

namespace ui::detail {
namespace {

// The label FLTK's own chooser is given in place of the every-file entry's while it reads the
// entry's pattern from it: every file.
constexpr const char* kEveryFilePattern = "(*)";

// The index of the menu's entry of that label, -1 when it has none.
int entryIndex(const Fl_Menu_& menu, const std::string& label) {
    for (int i = 0; i < menu.size(); ++i) {
        const char* text = menu.menu()[i].label();
        if (text != nullptr && label == text) return i;
    }
    return -1;
}

// FLTK's own chooser is a window of its own; its choice of file kinds holds the every-file entry.
Fl_Choice* fileKinds(Fl_Group& group, const std::string& label) {
    for (int i = 0; i < group.children(); ++i) {
        Fl_Widget* child = group.child(i);
        if (auto* choice = dynamic_cast<Fl_Choice*>(child);
            choice && entryIndex(*choice, label) >= 0)
            return choice;
        if (Fl_Group* inner = child->as_group()) {
            if (Fl_Choice* choice = fileKinds(*inner, label)) return choice;
        }
    }
    return nullptr;
}

// GTK as FLTK loads it for its chooser, reached by name; nothing where FLTK has not loaded it.
struct GList {
    void* data;
    GList* next;
    GList* prev;
};

template <class F>
F gtkFunction(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_DEFAULT, name));
}

struct Gtk {
    GList* (*toplevels)() = gtkFunction<GList* (*)()>("gtk_window_list_toplevels");
    void (*freeList)(GList*) = gtkFunction<void (*)(GList*)>("g_list_free");
    std::size_t (*chooserType)() = gtkFunction<std::size_t (*)()>("gtk_file_chooser_get_type");
    int (*isA)(void*, std::size_t) =
        gtkFunction<int (*)(void*, std::size_t)>("g_type_check_instance_is_a");
    int (*visible)(void*) = gtkFunction<int (*)(void*)>("gtk_widget_get_visible");
    void* (*newFilter)() = gtkFunction<void* (*)()>("gtk_file_filter_new");
    void (*nameFilter)(void*, const char*) =
        gtkFunction<void (*)(void*, const char*)>("gtk_file_filter_set_name");
    void (*addPattern)(void*, const char*) =
        gtkFunction<void (*)(void*, const char*)>("gtk_file_filter_add_pattern");
    using AddFilter = void (*)(void* chooser, void* filter);
    AddFilter addFilter = gtkFunction<AddFilter>("gtk_file_chooser_add_filter");

    bool loaded() const {
        return toplevels && freeList && chooserType && isA && visible && newFilter && nameFilter &&
               addPattern && addFilter;
    }
};

}  // namespace

EveryFileEntry::EveryFileEntry(std::string label, FileDialogKind kind)
    : label_(std::move(label)), previousLabel_(Fl_File_Chooser::all_files_label) {
    if (label_.empty()) return;
    Fl_File_Chooser::all_files_label = label_.c_str();
    Fl::add_check(takeOverFltkChooser, this);
    if (kind == FileDialogKind::Open) return;
    using IdleCall = unsigned (*)(int (*)(void*), void*);
    if (const auto idle = gtkFunction<IdleCall>("g_idle_add"); idle && Gtk().loaded()) {
        gtkSource_ = idle(addToGtkChooser, this);
    }
}

EveryFileEntry::~EveryFileEntry() {
    Fl::remove_check(takeOverFltkChooser, this);
    if (gtkSource_ != 0) gtkFunction<int (*)(unsigned)>("g_source_remove")(gtkSource_);
    Fl_File_Chooser::all_files_label = previousLabel_;
}

// Once FLTK's own chooser is up, its picks of a file kind come here first.
void EveryFileEntry::takeOverFltkChooser(void* data) {
    auto& entry = *static_cast<EveryFileEntry*>(data);
    for (Fl_Window* window = Fl::first_window(); window; window = Fl::next_window(window)) {
        Fl_Choice* kinds = fileKinds(*window, entry.label_);
        if (kinds == nullptr || kinds->callback() == pickedInFltkChooser) continue;
        entry.chooserReaction_ = kinds->callback();
        entry.chooserData_ = kinds->user_data();
        kinds->callback(pickedInFltkChooser, data);
    }
}

void EveryFileEntry::pickedInFltkChooser(Fl_Widget* widget, void* data) {
    auto& entry = *static_cast<EveryFileEntry*>(data);
    auto& kinds = static_cast<Fl_Choice&>(*widget);
    const int picked = kinds.value();
    const bool everyFile = picked >= 0 && picked == entryIndex(kinds, entry.label_);
    if (everyFile) kinds.replace(picked, kEveryFilePattern);
    entry.chooserReaction_(widget, entry.chooserData_);
    if (everyFile) kinds.replace(picked, entry.label_.c_str());
}

// Called from GTK's main loop whenever it is idle, until the chooser is up and has the entry.
int EveryFileEntry::addToGtkChooser(void* data) {
    auto& entry = *static_cast<EveryFileEntry*>(data);
    const Gtk gtk;
    void* chooser = nullptr;
    GList* windows = gtk.toplevels();
    for (GList* window = windows; window != nullptr; window = window->next) {
        if (gtk.isA(window->data, gtk.chooserType()) && gtk.visible(window->data)) {
            chooser = window->data;
        }
    }
    gtk.freeList(windows);
    if (chooser == nullptr) return 1;  // not up yet: called again
    void* filter = gtk.newFilter();
    gtk.nameFilter(filter, entry.label_.c_str());
    gtk.addPattern(filter, "*");
    gtk.addFilter(chooser, filter);
    entry.gtkSource_ = 0;
    return 0;
}

}  // namespace ui::detail
