#include "platform/ui/window_message_box.hpp"

#include "platform/ui/display_text.hpp"
#include "platform/ui/enter_button.hpp"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ui::detail {
namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kTextSize = 14;
constexpr int kMaxTextWidth = 480;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 8;
constexpr int kMinWidth = 200;
constexpr int kLabelInset = 3;    // FLTK draws a left-aligned label this far inside each side
constexpr int kScreenMargin = 8;  // kept free between a box and the screen's edges

struct DialogState {
    std::optional<Answer> answer;
    std::optional<Answer> onClose;  // what closing the window answers; nothing when it cannot close
};

void buttonPressed(Fl_Widget* button, long answer) {
    Fl_Window* window = button->window();
    static_cast<DialogState*>(window->user_data())->answer = static_cast<Answer>(answer);
    window->hide();
}

void windowClosing(Fl_Widget* window, void* data) {
    auto* state = static_cast<DialogState*>(data);
    if (!state->onClose) return;
    state->answer = state->onClose;
    window->hide();
}

// Closing the box is Cancel where it has one, OK where OK is its only button, else not allowed.
std::optional<Answer> closeAnswer(const std::vector<Answer>& buttons) {
    if (std::find(buttons.begin(), buttons.end(), Answer::Cancel) != buttons.end()) {
        return Answer::Cancel;
    }
    if (buttons.size() == 1) return buttons.front();
    return std::nullopt;
}

void addIcon(Icon icon) {
    if (icon == Icon::NoIcon) return;
    auto* box = new Fl_Box(kMargin, kMargin, kIconSize, kIconSize);
    box->box(FL_OVAL_BOX);
    box->color(icon == Icon::Critical ? fl_rgb_color(204, 0, 0) : fl_rgb_color(0, 82, 204));
    box->label(icon == Icon::Critical ? "X" : "i");
    box->labelcolor(FL_WHITE);
    box->labelfont(FL_HELVETICA_BOLD);
    box->labelsize(20);
}

// The widest a text may be drawn: the usual width, narrower where the screen is.
int textLimit(int textX) {
    return std::min(kMaxTextWidth, Fl::w() - 2 * kScreenMargin - textX - kMargin - 2 * kLabelInset);
}

int drawnWidth(std::string_view text) {
    return static_cast<int>(fl_width(text.data(), static_cast<int>(text.size())));
}

// The width of the widest line, the blanks a line was broken at left out.
int widestLine(std::string_view lines) {
    int widest = 0;
    std::size_t start = 0;
    for (std::size_t end = 0; end != std::string_view::npos; start = end + 1) {
        end = lines.find('\n', start);
        const std::string_view line = lines.substr(start, end - start);
        widest = std::max(widest, drawnWidth(line.substr(0, line.find_last_not_of(' ') + 1)));
    }
    return widest;
}

}  // namespace

Answer showWindowMessageBox(const MessageBoxRequest& request) {
    const std::vector<Answer> buttons = buttonsOf(request.buttons);
    const int textX = kMargin + (request.icon == Icon::NoIcon ? 0 : kIconSize + kMargin);

    // The text broken into lines that fit: FLTK breaks a label at blanks only, so that a long path
    // or name would run off the screen.
    fl_font(FL_HELVETICA, kTextSize);
    const std::string lines = wrapped(plainText(request.text), textLimit(textX), drawnWidth);
    const std::string text = literalLabel(lines);
    int measuredWidth = 0;
    int textHeight = 0;
    fl_measure(text.c_str(), measuredWidth, textHeight);
    const int textWidth = widestLine(lines) + 2 * kLabelInset;
    const int bodyHeight = std::max(textHeight, request.icon == Icon::NoIcon ? 0 : kIconSize);
    const int buttonsWidth =
        static_cast<int>(buttons.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
    const int width =
        std::max({textX + textWidth + kMargin, buttonsWidth + 2 * kMargin, kMinWidth});
    const int buttonsY = kMargin + bodyHeight + kMargin;
    const int height = buttonsY + kButtonHeight + kMargin;

    DialogState state;
    state.onClose = closeAnswer(buttons);
    Fl_Group::current(nullptr);
    auto window = std::make_unique<Fl_Window>(Fl::x() + (Fl::w() - width) / 2,
                                              Fl::y() + (Fl::h() - height) / 2, width, height);
    window->copy_label(request.title.c_str());
    window->callback(windowClosing, &state);
    // The window owns its widgets and deletes them with itself.
    addIcon(request.icon);
    auto* body = new Fl_Box(textX, kMargin, textWidth, bodyHeight);
    body->copy_label(text.c_str());
    body->labelsize(kTextSize);
    body->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    int x = (width - buttonsWidth) / 2;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        // Enter presses the button that has the focus, the default one until the focus moves.
        Fl_Button* button =
            i == 0 ? static_cast<Fl_Button*>(new EnterButton<Fl_Return_Button>(
                         x, buttonsY, kButtonWidth, kButtonHeight))
                   : new EnterButton<Fl_Button>(x, buttonsY, kButtonWidth, kButtonHeight);
        button->label(buttonText(buttons[i]));
        button->callback(buttonPressed, static_cast<long>(buttons[i]));
        x += kButtonWidth + kButtonGap;
    }
    window->end();
    window->set_modal();
    window->show();
    while (window->shown())
        Fl::wait();
    return state.answer.value_or(defaultAnswer(request.buttons));
}

}  // namespace ui::detail
