// Message boxes as modal FLTK windows on the virtual display the test script starts.

#include "platform/ui/message_box.hpp"
#include "platform/ui/mode.hpp"
#include "tests/window/screenshot.hpp"

// GoogleTest before the X headers, which define None.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <cstring>
#include <functional>
#include <sstream>
#include <string>

namespace window_tests {
namespace {

Fl_Window* windowTitled(const std::string& title) {
    for (Fl_Window* w = Fl::first_window(); w != nullptr; w = Fl::next_window(w)) {
        if (w->label() != nullptr && title == w->label()) return w;
    }
    return nullptr;
}

Fl_Widget* childLabelled(Fl_Window* window, const char* label) {
    for (int i = 0; i < window->children(); ++i) {
        Fl_Widget* child = window->child(i);
        if (child->label() != nullptr && std::strcmp(child->label(), label) == 0) return child;
    }
    return nullptr;
}

// What the "user" does once the box titled `title` is on the screen.
struct User {
    std::string title;
    std::function<void(Fl_Window*)> act;
    bool acted = false;
};

void actWhenShown(void* data) {
    auto* user = static_cast<User*>(data);
    Fl_Window* window = windowTitled(user->title);
    if (window == nullptr || !window->visible()) {
        Fl::repeat_timeout(0.05, actWhenShown, data);
        return;
    }
    user->acted = true;
    user->act(window);
}

ui::Answer ask(const ui::MessageBoxRequest& request, std::function<void(Fl_Window*)> act) {
    User user{request.title, std::move(act)};
    Fl::add_timeout(0.05, actWhenShown, &user);
    const ui::Answer answer = ui::messageBox(request);
    Fl::remove_timeout(actWhenShown, &user);
    EXPECT_TRUE(user.acted);
    return answer;
}

class MessageBoxWindow : public ::testing::Test {
  protected:
    void SetUp() override { ui::setMode(ui::Mode::Window); }
    ui::ScopedResponder noResponder{ui::Responder{}};
};

TEST_F(MessageBoxWindow, ReturnsTheButtonPressed) {
    const ui::MessageBoxRequest request{
        "Потребители Отсутствуют. Проверьте!!?\r\nОбновление не выполнено!!?\r\n",
        ui::Buttons::YesNo, ui::Icon::Critical, "Проверка исходных"};
    const ui::Answer answer = ask(request, [](Fl_Window* window) {
        savePng(grabScreen(), "message_box_critical");
        ASSERT_NE(childLabelled(window, "Yes"), nullptr);
        Fl_Widget* no = childLabelled(window, "No");
        ASSERT_NE(no, nullptr);
        no->do_callback();
    });
    EXPECT_EQ(answer, ui::Answer::No);
}

TEST_F(MessageBoxWindow, ClosingAnOkBoxAnswersOk) {
    const ui::MessageBoxRequest request{"Вентиляция отсутствует", ui::Buttons::OkOnly,
                                        ui::Icon::NoIcon, "Kalvik_dll"};
    const ui::Answer answer = ask(request, [](Fl_Window* window) {
        savePng(grabScreen(), "message_box_plain");
        window->do_callback();  // the window's close button
    });
    EXPECT_EQ(answer, ui::Answer::Ok);
}

TEST_F(MessageBoxWindow, AYesNoBoxCannotBeClosedWithoutAnAnswer) {
    const ui::MessageBoxRequest request{"Продолжить?", ui::Buttons::YesNo, ui::Icon::Information,
                                        "Вопрос"};
    const ui::Answer answer = ask(request, [](Fl_Window* window) {
        savePng(grabScreen(), "message_box_information");
        window->do_callback();
        EXPECT_TRUE(window->shown()) << "closing is refused";
        childLabelled(window, "Yes")->do_callback();
    });
    EXPECT_EQ(answer, ui::Answer::Yes);
}

TEST_F(MessageBoxWindow, ClosingABoxWithCancelAnswersCancel) {
    const ui::MessageBoxRequest request{"Повторить?", ui::Buttons::RetryCancel, ui::Icon::NoIcon,
                                        "Повтор"};
    const ui::Answer answer = ask(request, [](Fl_Window* window) { window->do_callback(); });
    EXPECT_EQ(answer, ui::Answer::Cancel);
}

// Enter presses the button that has the focus, the default one until the focus moves, on the
// main keys and the keypad alike.
TEST_F(MessageBoxWindow, EnterPressesTheFocusedButton) {
    const struct {
        const char* focus;  // nothing: where the box puts it
        int key;
        ui::Answer answer;
    } cases[] = {
        {nullptr, FL_Enter, ui::Answer::Yes},
        {"No", FL_Enter, ui::Answer::No},
        {"No", FL_KP_Enter, ui::Answer::No},
        {"Yes", FL_KP_Enter, ui::Answer::Yes},
    };
    for (const auto& c : cases) {
        const ui::MessageBoxRequest request{"Продолжить?", ui::Buttons::YesNo, ui::Icon::NoIcon,
                                            "Вопрос"};
        const ui::Answer answer = ask(request, [&c](Fl_Window* window) {
            if (c.focus != nullptr) Fl::focus(childLabelled(window, c.focus));
            Fl::e_keysym = c.key;
            Fl::e_state = 0;
            Fl::e_text = const_cast<char*>("\r");
            Fl::e_length = 1;
            Fl::handle(FL_KEYBOARD, window);
        });
        EXPECT_EQ(answer, c.answer) << (c.focus != nullptr ? c.focus : "default") << " " << c.key;
    }
}

// Whether the widget lies wholly inside the area.
bool inside(const Fl_Widget& w, int x, int y, int width, int height) {
    return w.x() >= x && w.y() >= y && w.x() + w.w() <= x + width && w.y() + w.h() <= y + height;
}

// A box never runs off the screen: a word too wide for it (a long path, a long name) is broken
// onto lines that fit, and the lines together are the whole text.
TEST_F(MessageBoxWindow, ABoxWithALongWordFitsOnTheScreenAndShowsTheWholeText) {
    std::string folder = "/home";
    while (folder.size() < 173)
        folder += "/demo_installer";
    folder.resize(173);
    std::string name;
    for (int i = 0; i < 130; ++i)
        name += "ж";
    const struct {
        const char* screenshot;
        std::string text;
    } cases[] = {
        {"message_box_long_path", "Файл " + folder + "/BD/Virsel_Demo.ldf уже существует"},
        {"message_box_long_name",
         "База данных " + name + " была успешно восстановлена на сервере Srv1!"},
    };
    for (const auto& c : cases) {
        const ui::MessageBoxRequest request{c.text, ui::Buttons::OkOnly, ui::Icon::NoIcon,
                                            c.screenshot};
        ask(request, [&c](Fl_Window* window) {
            savePng(grabScreen(), c.screenshot);
            EXPECT_TRUE(inside(*window, Fl::x(), Fl::y(), Fl::w(), Fl::h()))
                << c.screenshot << ": " << window->w() << " px wide";
            Fl_Widget* body = nullptr;
            for (int i = 0; i < window->children(); ++i) {
                Fl_Widget* child = window->child(i);
                EXPECT_TRUE(inside(*child, 0, 0, window->w(), window->h())) << c.screenshot;
                if (dynamic_cast<Fl_Button*>(child) == nullptr) body = child;
            }
            ASSERT_NE(body, nullptr);
            std::string whole;
            std::istringstream lines(body->label());
            fl_font(body->labelfont(), body->labelsize());
            for (std::string line; std::getline(lines, line);) {
                whole += line;
                EXPECT_LE(fl_width(line.substr(0, line.find_last_not_of(' ') + 1).c_str()),
                          body->w())
                    << line;
            }
            EXPECT_EQ(whole, c.text);
            window->do_callback();
        });
    }
}

}  // namespace
}  // namespace window_tests
