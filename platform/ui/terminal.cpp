#include "platform/ui/terminal.hpp"

#include "platform/ui/views.hpp"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <string_view>

namespace ui {
namespace {

constexpr int kBarCells = 20;
constexpr int kDefaultColumns = 80;
constexpr std::string_view kSeparator = "  ";
constexpr std::string_view kEraseToEnd = "\x1b[K";

std::chrono::milliseconds& refreshInterval() {
    static std::chrono::milliseconds interval{200};
    return interval;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        count += isContinuationByte(c) ? 0 : 1;
    return count;
}

// The first `count` characters of a UTF-8 text.
std::string_view firstCharacters(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuationByte(text[i])) continue;
        if (seen == count) return text.substr(0, i);
        ++seen;
    }
    return text;
}

std::string barText(const ProgressBar& bar) {
    const double filled = bar.filled();
    const int cells = static_cast<int>(std::floor(filled * kBarCells));
    const int percent = static_cast<int>(std::floor(filled * 100));
    std::string text = "[" + std::string(cells, '#') + std::string(kBarCells - cells, '-') + "] ";
    const std::string number = std::to_string(percent);
    return text + std::string(3 - number.size(), ' ') + number + "%";
}

void writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;  // a terminal that went away loses its progress line
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

int terminalColumns(int fd) {
    winsize size{};
    if (ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return kDefaultColumns;
}

class TerminalView : public FormView {
  public:
    TerminalView(const Form& form, int fd) : form_(form), fd_(fd) { draw(); }
    ~TerminalView() override { writeAll(fd_, "\r" + std::string(kEraseToEnd)); }

    void controlChanged(const Control&) override {
        if (Clock::now() - drawnAt_ >= refreshInterval()) draw();
    }
    void captionChanged() override {}  // the line shows no caption
    void refresh() override { draw(); }

  private:
    using Clock = std::chrono::steady_clock;

    void draw() {
        writeAll(fd_, "\r" + terminalLine(form_, terminalColumns(fd_)) + std::string(kEraseToEnd));
        drawnAt_ = Clock::now();
    }

    const Form& form_;
    int fd_;
    Clock::time_point drawnAt_;
};

}  // namespace

void setTerminalRefreshInterval(std::chrono::milliseconds interval) {
    refreshInterval() = interval;
}

std::chrono::milliseconds terminalRefreshInterval() {
    return refreshInterval();
}

std::string terminalLine(const Form& form, int columns) {
    std::string texts;
    std::string bars;
    for (const auto& control : form.controls()) {
        if (const auto* label = dynamic_cast<const Label*>(control.get())) {
            if (label->Caption().empty()) continue;
            if (!texts.empty()) texts += kSeparator;
            texts += label->Caption();
        } else if (const auto* bar = dynamic_cast<const ProgressBar*>(control.get())) {
            if (!bars.empty()) bars += kSeparator;
            bars += barText(*bar);
        }
    }
    if (!texts.empty() && !bars.empty()) bars.insert(0, kSeparator);
    const std::size_t width = columns > 1 ? static_cast<std::size_t>(columns - 1) : 0;
    const std::size_t barsWidth = characterCount(bars);
    const std::size_t room = width > barsWidth ? width - barsWidth : 0;
    if (characterCount(texts) > room) texts = std::string(firstCharacters(texts, room));
    return texts + bars;
}

namespace detail {

std::unique_ptr<FormView> makeTerminalView(const Form& form) {
    if (isatty(STDERR_FILENO) != 1) return nullptr;
    return std::make_unique<TerminalView>(form, STDERR_FILENO);
}

}  // namespace detail
}  // namespace ui
