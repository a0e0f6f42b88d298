// The installer's window drawn by FLTK, and the vendrel program on the virtual display.

#include "installer/form1/form1.hpp"
#include "platform/ui/file_dialog.hpp"
#include "platform/ui/message_box.hpp"
#include "platform/ui/mode.hpp"
#include "tests/support/demo_server.hpp"
#include "tests/support/form1_controls.hpp"
#include "tests/support/temporary_directory.hpp"
#include "tests/window/screenshot.hpp"

// GoogleTest before the X headers, which define None.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace window_tests {
namespace {

namespace fs = std::filesystem;

const std::string kCaption = "Программа установки демо-версии ПРК \"Вирсель\"";

// A program folder holding the demonstration backup.
fs::path programFolder(const fs::path& root) {
    const fs::path app = root / "app";
    fs::create_directories(app / "BD/BdBackup");
    std::ofstream(app / "BD/BdBackup/Virsel_Demo.bak") << "backup";
    return app;
}

// The window in pixels: a client area of 8600 x 4380 twips.
constexpr int kWidth = 573;
constexpr int kHeight = 292;

struct Area {
    int x, y, w, h;
};
// Places in the client area, in pixels.
constexpr Area kLabel1{8, 12, 213, 20};
constexpr Area kLabel2{20, 84, 153, 20};
constexpr Area kFirstField{180, 82, 200, 19};    // Text2 on tab 0, Combo1 on tab 1
constexpr Area kSecondField{180, 116, 200, 19};  // Text5 on tab 0, Text6 on tab 1

int pixelsWhere(const Screenshot& shot, int left, int top, Area a, bool (*test)(Colour)) {
    int count = 0;
    for (int y = top + a.y; y < top + a.y + a.h; ++y) {
        for (int x = left + a.x; x < left + a.x + a.w; ++x)
            count += test(shot.at(x, y)) ? 1 : 0;
    }
    return count;
}

bool dark(Colour c) {
    return c.r + c.g + c.b < 200;
}

// Text drawn inactive: grey, neither black nor the field's light background.
bool greyText(Colour c) {
    return !dark(c) && c.r < 170;
}

// Where the window's client area lies on the screen.
std::pair<int, int> clientOrigin(Fl_Window* window) {
    int left = 0;
    int top = 0;
    ::Window child = 0;
    XTranslateCoordinates(fl_display, fl_xid(window), RootWindow(fl_display, fl_screen), 0, 0,
                          &left, &top, &child);
    return {left, top};
}

class VendrelWindow : public ::testing::Test {
  protected:
    void SetUp() override { ui::setMode(ui::Mode::Window); }
    testing_support::TemporaryDirectory temporary;
};

// The window over the demonstration server, shown and past its server check, with the texts of the
// boxes it shows.
struct CheckedWindow {
    explicit CheckedWindow(const fs::path& folder) : demo(folder), form1(demo.programFolder()) {
        form1.form.show();
        form1.Text1.setText("Srv1");
        form1.Command5.click();
    }
    testing_support::DemoServer demo;
    std::vector<std::string> shown;
    ui::ScopedResponder responder{[this](const ui::MessageBoxRequest& request) {
        shown.push_back(request.text);
        return ui::Answer::Ok;
    }};
    vendrel::Form1 form1;
};

TEST_F(VendrelWindow, DrawsBothTabsAfterFindingTheBackup) {
    vendrel::Form1 form1(programFolder(temporary.path()).string());
    form1.form.show();
    settle();
    Fl_Window* window = Fl::first_window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(std::string(window->label()), kCaption);
    EXPECT_EQ(window->w(), kWidth);
    EXPECT_EQ(window->h(), kHeight);
    const auto [left, top] = clientOrigin(window);

    const Screenshot restore = grabScreen();
    savePng(restore, "vendrel_restore_tab");
    EXPECT_GT(pixelsWhere(restore, left, top, kLabel1, dark), 50) << "Label1's Cyrillic caption";
    EXPECT_GT(pixelsWhere(restore, left, top, kLabel2, dark), 20) << "Label2";
    EXPECT_EQ(pixelsWhere(restore, left, top, kFirstField, dark), 0) << "Text2 drawn inactive";
    EXPECT_GT(pixelsWhere(restore, left, top, kFirstField, greyText), 20) << "Text2's text";
    EXPECT_EQ(pixelsWhere(restore, left, top, kSecondField, dark), 0) << "Text5 drawn inactive";

    form1.SSTab1.setTab(1);
    const Screenshot relink = grabScreen();
    savePng(relink, "vendrel_relink_tab");
    EXPECT_EQ(pixelsWhere(relink, left, top, kFirstField, dark), 0) << "Combo1 drawn inactive";
    EXPECT_GT(pixelsWhere(relink, left, top, kFirstField, greyText), 20) << "Combo1's text";
    EXPECT_GT(pixelsWhere(relink, left, top, kSecondField, dark), 20) << "Text6, enabled";
    form1.form.unload();
}

TEST_F(VendrelWindow, DrawsTheRestoreTabAfterASuccessfulRestore) {
    CheckedWindow checked(temporary.path());
    vendrel::Form1& form1 = checked.form1;
    const std::vector<std::string>& shown = checked.shown;
    form1.Command6.click();
    settle();
    EXPECT_EQ(shown, std::vector<std::string>{
                         "База данных Virsel_Demo была успешно восстановлена на сервере Srv1!"});
    Fl_Window* window = Fl::first_window();
    ASSERT_NE(window, nullptr);
    const auto [left, top] = clientOrigin(window);
    const Screenshot restored = grabScreen();
    savePng(restored, "vendrel_restored");
    // The name stays open for another restore; the restored name closed the backup path.
    EXPECT_GT(pixelsWhere(restored, left, top, kFirstField, dark), 20) << "Text2, enabled";
    EXPECT_EQ(pixelsWhere(restored, left, top, kSecondField, dark), 0) << "Text5 drawn inactive";
    form1.form.unload();
}

TEST_F(VendrelWindow, TextTypedIntoTheServerFieldReachesTheControl) {
    vendrel::Form1 form1(programFolder(temporary.path()).string());
    form1.form.show();
    settle();
    Fl_Window* window = Fl::first_window();
    ASSERT_NE(window, nullptr);
    // Text1 is the one text field standing on the window itself, outside the tabs.
    Fl_Input* text1 = nullptr;
    for (int i = 0; i < window->children(); ++i) {
        if (auto* input = dynamic_cast<Fl_Input*>(window->child(i))) text1 = input;
    }
    ASSERT_NE(text1, nullptr);
    Fl::focus(text1);
    static char typed[] = "сервер";
    Fl::e_text = typed;
    Fl::e_length = static_cast<int>(std::strlen(typed));
    Fl::e_keysym = 'x';
    Fl::e_state = 0;
    Fl::handle(FL_KEYBOARD, window);
    EXPECT_EQ(form1.Text1.Text(), "сервер");
    form1.form.unload();
}

// A key pressed in the window, as FLTK delivers it: Tab, Enter or the keypad's Enter, with Ctrl+
// and Shift+ before it as held.
void press(Fl_Window* window, const std::string& keys) {
    const bool enter = keys.ends_with("Enter");
    Fl::e_keysym = keys.ends_with("KP_Enter") ? FL_KP_Enter : enter ? FL_Enter : FL_Tab;
    Fl::e_state = (keys.find("Ctrl+") != std::string::npos ? FL_CTRL : 0) |
                  (keys.find("Shift+") != std::string::npos ? FL_SHIFT : 0);
    Fl::e_text = const_cast<char*>(enter ? "\r" : "");
    Fl::e_length = enter ? 1 : 0;
    Fl::handle(FL_KEYBOARD, window);
    Fl::check();  // what the key left to run once the focus has come to rest
}

// The control that has the keyboard focus, by name.
std::string activeControl(const vendrel::Form1& f) {
    for (const auto& [name, control] : testing_support::namedControls(f)) {
        if (f.form.ActiveControl() == control) return name;
    }
    return "(none)";
}

// Tab and Shift+Tab walk every control that takes input now, the tab captions included, and wrap
// at the ends; Ctrl+Tab and Ctrl+Shift+Tab switch the tabs, the focus going to the first control
// of the tab shown, or staying on the captions. Before the server check only the server field, its
// button, the captions and the relinking's folder take input; after it, the restore's controls.
TEST_F(VendrelWindow, TheKeyboardWalksEveryLiveControlAndSwitchesTabs) {
    testing_support::DemoServer demo(temporary.path());
    ui::ScopedResponder responder([](const ui::MessageBoxRequest&) { return ui::Answer::Ok; });
    vendrel::Form1 form1(demo.programFolder());
    form1.form.show();
    settle();
    Fl_Window* window = Fl::first_window();
    ASSERT_NE(window, nullptr);
    Fl::focus(nullptr);
    const struct {
        const char* keys;  // "check": the server check instead of a key
        const char* focus;
        int tab;
    } steps[] = {
        // Before the check: the server field, its button, the captions; the folder on tab 1.
        {"Tab", "Text1", 0},
        {"Tab", "Command5", 0},
        {"Tab", "SSTab1", 0},
        {"Tab", "Text1", 0},
        {"Shift+Tab", "SSTab1", 0},
        {"Ctrl+Tab", "SSTab1", 1},
        {"Tab", "Text6", 1},
        {"Tab", "Command1", 1},
        {"Tab", "Text1", 1},
        {"Ctrl+Shift+Tab", "SSTab1", 0},
        // After it: the restore's controls, the server field and its button closed.
        {"check", "Text2", 0},
        {"Tab", "Text5", 0},
        {"Tab", "Command7", 0},
        {"Tab", "Text3", 0},
        {"Tab", "Command3", 0},
        {"Tab", "Text4", 0},
        {"Tab", "Command4", 0},
        {"Tab", "Command6", 0},
        {"Tab", "SSTab1", 0},
        {"Tab", "Text2", 0},
        {"Shift+Tab", "SSTab1", 0},
        {"Shift+Tab", "Command6", 0},
        {"Ctrl+Tab", "Combo1", 1},
        {"Ctrl+Shift+Tab", "Text2", 0},
        {"Shift+Tab", "SSTab1", 0},
        {"Ctrl+Tab", "SSTab1", 1},
        {"Ctrl+Tab", "SSTab1", 0},
        {"Ctrl+Shift+Tab", "SSTab1", 1},
    };
    for (const auto& step : steps) {
        if (std::string(step.keys) == "check") {
            form1.Text1.setText("Srv1");
            form1.Command5.click();
            settle();
        } else {
            press(window, step.keys);
        }
        EXPECT_EQ(activeControl(form1), step.focus) << step.keys << " to " << step.focus;
        EXPECT_EQ(form1.SSTab1.Tab(), step.tab) << step.keys << " to " << step.focus;
    }
    form1.form.unload();
}

// Enter presses the button that has the focus, as Space does: its reaction is seen (a dialog, a
// box, the server check and the restore moving the focus into the name field). In a field, the
// combo box or on the tab captions it does nothing, and the focus stays: the window has no default
// button. Each row walks the focus to its control with Tab (Ctrl+Tab to the other tab), in an
// order in which each takes input.
TEST_F(VendrelWindow, EnterPressesTheFocusedButtonAndNeverMovesTheFocus) {
    testing_support::DemoServer demo(temporary.path());
    std::vector<std::string> seen;
    ui::ScopedResponder boxes([&seen](const ui::MessageBoxRequest& request) {
        seen.push_back(request.text);
        return ui::Answer::Ok;
    });
    ui::ScopedFileResponder dialogs([&seen](const ui::FileRequest& request) {
        seen.push_back("dialog " + request.title);
        return std::nullopt;
    });
    vendrel::Form1 form1(demo.programFolder());
    form1.Text1.setText("Srv1");
    form1.form.show();
    settle();
    Fl_Window* window = Fl::first_window();
    ASSERT_NE(window, nullptr);
    const std::string restored =
        "База данных Virsel_Demo была успешно восстановлена на сервере Srv1!";
    const struct {
        const char* control;
        int tab;
        const char* key;
        std::vector<std::string> seen;
        const char* focus;  // after the key
    } rows[] = {
        {"Text1", 0, "Enter", {}, "Text1"},
        {"SSTab1", 0, "KP_Enter", {}, "SSTab1"},
        {"Command5", 0, "Enter", {}, "Text2"},
        {"Text2", 0, "KP_Enter", {}, "Text2"},
        {"Text5", 0, "Enter", {}, "Text5"},
        {"Command7", 0, "Enter", {"dialog Открыть БД"}, "Command7"},
        {"Text3", 0, "Enter", {}, "Text3"},
        {"Command3", 0, "KP_Enter", {"dialog Сохранить mdf"}, "Command3"},
        {"Text4", 0, "Enter", {}, "Text4"},
        {"Command4", 0, "Enter", {"dialog Сохранить ldf"}, "Command4"},
        {"Command6", 0, "Enter", {restored}, "Text2"},
        {"Combo1", 1, "KP_Enter", {}, "Combo1"},
        {"Text6", 1, "Enter", {}, "Text6"},
        {"Command1", 1, "Enter", {"dialog Открыть БД"}, "Command1"},
        {"Command8", 1, "Enter", {"Файлов АРМов не найдено!"}, "Command8"},
    };
    for (const auto& row : rows) {
        if (form1.SSTab1.Tab() != row.tab) press(window, "Ctrl+Tab");
        for (int i = 0; i < 20 && activeControl(form1) != row.control; ++i)
            press(window, "Tab");
        ASSERT_EQ(activeControl(form1), row.control);
        seen.clear();
        press(window, row.key);
        EXPECT_EQ(seen, row.seen) << row.key << " on " << row.control;
        EXPECT_EQ(activeControl(form1), row.focus) << row.key << " on " << row.control;
        EXPECT_EQ(form1.SSTab1.Tab(), row.tab) << row.key << " on " << row.control;
    }
    form1.form.unload();
}

// A refused name closes the restore while it is typed; leaving the field by the keyboard tells why,
// once for the name.
TEST_F(VendrelWindow, LeavingTheNameFieldTellsWhyItIsRefusedOnce) {
    CheckedWindow checked(temporary.path());
    vendrel::Form1& form1 = checked.form1;
    const std::vector<std::string>& shown = checked.shown;
    settle();
    Fl_Window* window = Fl::first_window();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(activeControl(form1), "Text2");
    form1.Text2.setText("../x");
    EXPECT_EQ(shown, std::vector<std::string>{}) << "typed";
    const std::vector<std::string> told{
        "Имя БД ../x содержит \"/\": файлы БД должны лежать прямо в "
        "папке " +
        checked.demo.programFolder() + "/BD/, измените имя БД!"};
    press(window, "Tab");
    EXPECT_EQ(shown, told) << "left";
    press(window, "Shift+Tab");
    press(window, "Tab");
    EXPECT_EQ(shown, told) << "left again";
    form1.form.unload();
}

// The name of a top-level window, as the window manager would read it.
std::string windowName(::Window window) {
    const Atom name = XInternAtom(fl_display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(fl_display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(fl_display, window, name, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) != Success ||
        data == nullptr) {
        return "";
    }
    std::string text(reinterpret_cast<char*>(data), count);
    XFree(data);
    return text;
}

// The top-level window of that name, waiting for it up to a few seconds; 0 when none comes.
::Window waitForWindow(const std::string& caption) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        ::Window root = 0;
        ::Window parent = 0;
        ::Window* children = nullptr;
        unsigned int count = 0;
        XQueryTree(fl_display, RootWindow(fl_display, fl_screen), &root, &parent, &children,
                   &count);
        ::Window found = 0;
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            if (windowName(children[i]) == caption) found = children[i];
        }
        if (children != nullptr) XFree(children);
        if (found != 0) return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

// Asks the window to close, as a window manager's close button does.
void closeWindow(::Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(fl_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(fl_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(fl_display, window, False, NoEventMask, &event);
    XFlush(fl_display);
}

// The exit status of the child, waiting for it up to a few seconds; -1 when it does not end.
int waitForExit(pid_t pid) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

// The program copied into a folder holding the backup, so that it is the folder of its file.
fs::path installedVendrel(const fs::path& root) {
    const fs::path program = programFolder(root) / "vendrel";
    fs::copy_file(KALVIK_VENDREL_FILE, program);
    return program;
}

TEST_F(VendrelWindow, TheProgramShowsItsWindowAndEndsWhenItIsClosed) {
    ui::setMode(ui::Mode::Window);  // the test's own display connection, to find the window
    const fs::path program = installedVendrel(temporary.path());
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const ::Window window = waitForWindow(kCaption);
    EXPECT_NE(window, 0u) << "no window captioned " << kCaption;
    if (window != 0) closeWindow(window);
    EXPECT_EQ(waitForExit(pid), 0);
}

// Without a display that opens, the program fails saying why: no display set, or the display named
// does not open, so that a user with broken forwarding sees what to fix.
TEST_F(VendrelWindow, TheProgramWithoutADisplaySaysWhyAndFails) {
    const fs::path program = installedVendrel(temporary.path());
    const fs::path errors = temporary.path() / "errors.txt";
    const struct {
        const char* environment;
        const char* said;
    } cases[] = {
        {"-u DISPLAY", "window mode: no display is set (DISPLAY is unset or empty)"},
        {"DISPLAY=", "window mode: no display is set (DISPLAY is unset or empty)"},
        {"DISPLAY=:4242", "window mode: the display \":4242\" cannot be opened"},
    };
    for (const auto& c : cases) {
        const std::string command = std::string("env -u KALVIK_UI ") + c.environment + " '" +
                                    program.string() + "' 2>'" + errors.string() + "'";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 1) << c.environment;
        EXPECT_NE(testing_support::fileContents(errors).find(c.said), std::string::npos)
            << testing_support::fileContents(errors);
    }
}

}  // namespace
}  // namespace window_tests
