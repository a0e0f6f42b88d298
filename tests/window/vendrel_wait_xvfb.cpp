// The installer's window while it waits for the server: drawn, with the wait cursor, the user's
// input dropped, and a close asked for meanwhile done once the reaction has ended.

#include "installer/form1/form1.hpp"
#include "platform/ado/sqlite_file.hpp"
#include "platform/ui/message_box.hpp"
#include "platform/ui/mode.hpp"
#include "tests/support/demo_server.hpp"
#include "tests/support/temporary_directory.hpp"
#include "tests/window/screenshot.hpp"
#include "tests/window/window_input.hpp"

// GoogleTest before the X headers, which define None.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/extensions/Xfixes.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace window_tests {
namespace {

namespace fs = std::filesystem;

// The server's catalogue held by another program: an exclusive transaction on its file, from
// construction until release(), a minute at most.
class HeldCatalogue {
  public:
    explicit HeldCatalogue(fs::path master) : holder_([this, master] { hold(master); }) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return held_; });
    }
    ~HeldCatalogue() {
        release();
        holder_.join();
    }
    HeldCatalogue(const HeldCatalogue&) = delete;
    HeldCatalogue& operator=(const HeldCatalogue&) = delete;

    void release() {
        const std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

  private:
    void hold(const fs::path& master) {
        try {
            ado::sqlite::File file(master, ado::sqlite::File::Mode::ReadWrite);
            file.run("BEGIN EXCLUSIVE");
            std::unique_lock lock(mutex_);
            held_ = true;
            changed_.notify_all();
            changed_.wait_for(lock, std::chrono::minutes(1), [this] { return released_; });
            lock.unlock();
            file.run("COMMIT");
        } catch (const std::exception& e) {
            ADD_FAILURE() << "holding the catalogue: " << e.what();
            const std::lock_guard lock(mutex_);
            held_ = true;
            changed_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    bool held_ = false;
    bool released_ = false;
    std::thread holder_;  // last: it starts once the rest is made
};

// The cursor the display shows where the pointer is.
struct Cursor {
    int width = 0, height = 0, xhot = 0, yhot = 0;
    std::vector<unsigned long> pixels;
    bool operator==(const Cursor&) const = default;
};

Cursor cursorShown() {
    XFixesCursorImage* image = XFixesGetCursorImage(fl_display);
    if (image == nullptr) return {};
    Cursor shown{
        image->width, image->height, image->xhot, image->yhot,
        std::vector<unsigned long>(image->pixels, image->pixels + image->width * image->height)};
    XFree(image);
    return shown;
}

// Asks the window to close, as a window manager's close button does, and waits until the display
// has sent the request back.
void closeWindow(Fl_Window* window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = fl_xid(window);
    event.xclient.message_type = XInternAtom(fl_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(fl_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(fl_display, fl_xid(window), False, NoEventMask, &event);
    XSync(fl_display, False);
}

// What the test does while the window waits, in FLTK's turns: once the wait cursor shows, a click
// on the linking tab's caption and a close; on the next turn the catalogue goes.
struct Watch {
    Fl_Window* window;
    HeldCatalogue* held;
    Cursor idle;
    std::chrono::steady_clock::time_point deadline;
    std::optional<Cursor> waiting;  // the cursor seen during the wait

    static constexpr double kTurn = 0.05;

    static void look(void* data) {
        auto& watch = *static_cast<Watch*>(data);
        if (watch.waiting || std::chrono::steady_clock::now() > watch.deadline) {
            watch.held->release();
            return;
        }
        if (const Cursor now = cursorShown(); now != watch.idle) {
            watch.waiting = now;
            savePng(grabScreen(), "vendrel_waiting");
            EXPECT_TRUE(clickTab(watch.window, "Присоединить АРМы"));
            closeWindow(watch.window);
        }
        Fl::repeat_timeout(kTurn, look, data);
    }
};

// A restore whose first statement waits for the catalogue, held by another program.
TEST(VendrelWaiting, ShowsTheWaitCursorDropsInputAndClosesAfterTheReactionWhenAsked) {
    ui::setMode(ui::Mode::Window);
    testing_support::TemporaryDirectory temporary;
    testing_support::DemoServer demo(temporary.path());
    struct Box {
        std::string text;
        bool windowShown;
        Cursor cursor;
    };
    std::vector<Box> boxes;
    Fl_Window* window = nullptr;
    ui::ScopedResponder responder([&](const ui::MessageBoxRequest& request) {
        boxes.push_back({request.text, window->shown() != 0, cursorShown()});
        return ui::Answer::Ok;
    });
    vendrel::Form1 form1(demo.programFolder());
    form1.Text1.setText("Srv1");
    form1.form.show();
    form1.Command5.click();
    settle();
    window = Fl::first_window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(boxes.empty());
    // The pointer on the window, clear of its fields.
    XWarpPointer(fl_display, 0, fl_xid(window), 0, 0, 0, 0, 3, 3);
    settle();

    HeldCatalogue held(demo.serverFolder() / "master.mdf");
    Watch watch{window, &held, cursorShown(),
                std::chrono::steady_clock::now() + std::chrono::minutes(1), std::nullopt};
    Fl::add_timeout(Watch::kTurn, Watch::look, &watch);
    Fl_Widget* restore = findWidget(window, [](Fl_Widget* w) {
        return dynamic_cast<Fl_Button*>(w) && w->label() &&
               std::strcmp(w->label(), "Restore database") == 0;
    });
    ASSERT_NE(restore, nullptr);
    clickAt(window, restore->x() + restore->w() / 2, restore->y() + restore->h() / 2);
    Fl::remove_timeout(Watch::look, &watch);

    ASSERT_TRUE(watch.waiting) << "no wait cursor within a minute";
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "База данных Virsel_Demo была успешно восстановлена на сервере Srv1!");
    EXPECT_TRUE(boxes[0].windowShown) << "closed before the box";
    EXPECT_NE(boxes[0].cursor, *watch.waiting) << "the wait cursor after the wait";
    EXPECT_FALSE(window->shown()) << "the close asked for during the wait";
    EXPECT_EQ(form1.SSTab1.Tab(), 0) << "the click on a tab caption during the wait";
    EXPECT_EQ(form1.Combo1.Text(), "Virsel_Demo");
}

}  // namespace
}  // namespace window_tests
