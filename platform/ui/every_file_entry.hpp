#pragma once
// The every-file entry of a file dialog ("*.*" in its filter) as FLTK's choosers list it. Internal
// to the window layer.

#include "platform/ui/file_dialog.hpp"

#include <FL/Fl_Widget.H>

#include <string>

namespace ui::detail {

// For as long as it lives, FLTK's choosers list their every-file entry under label, and the entry
// lists every file, those without a point included; an empty label leaves FLTK's own entry, which
// does so already. Both choosers read an entry's pattern from the parentheses of its label, so
// that "All files(*.*)" would list only names with a point: FLTK's own chooser reads "(*)" in its
// place while it takes the pattern of the entry picked, and GTK's, which has the entry in its open
// dialogs only, is given one in the others.
class EveryFileEntry {
  public:
    EveryFileEntry(std::string label, FileDialogKind kind);
    ~EveryFileEntry();
    EveryFileEntry(const EveryFileEntry&) = delete;
    EveryFileEntry& operator=(const EveryFileEntry&) = delete;

  private:
    static void takeOverFltkChooser(void* data);
    static void pickedInFltkChooser(Fl_Widget* kinds, void* data);
    static int addToGtkChooser(void* data);

    std::string label_;
    const char* previousLabel_;
    Fl_Callback* chooserReaction_ = nullptr;  // FLTK's own chooser's reaction to a pick
    void* chooserData_ = nullptr;
    unsigned gtkSource_ = 0;  // the GTK main loop's call of addToGtkChooser, while it waits
};

}  // namespace ui::detail
