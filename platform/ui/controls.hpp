#pragma once
// The controls a form holds. Each keeps its own state, so that a form reads the same whether it is
// drawn or not; a change is passed on to whatever presents the form, and the user's input comes
// back through the same setters, so that handlers run alike for both.

#include "platform/ui/geometry.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Form;
class TabControl;

// Where a control sits: on the form itself, or on one tab of a tab control (shown with that tab).
struct Placement {
    const TabControl* tabs = nullptr;
    int tab = 0;
};

struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Colour&) const = default;
};

using Handler = std::function<void()>;

// The classic errors of a property given a value out of its range.
inline constexpr std::int32_t kInvalidPropertyValue = 380;
inline constexpr std::int32_t kInvalidPropertyArrayIndex = 381;

class Control {
  public:
    Control(Form& owner, Rect rect, Placement placement = {})
        : owner_(owner), rect_(rect), placement_(placement) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const Rect& rect() const { return rect_; }
    const Placement& placement() const { return placement_; }

    // A disabled control takes no input and is drawn inactive.
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

  protected:
    void changed();
    // Sets a text of the control and tells the form; false when it held that text already.
    bool changeText(std::string& text, std::string value);

  private:
    Form& owner_;
    Rect rect_;
    Placement placement_;
    bool enabled_ = true;
};

// A text on the form, on its own background colour when it has one.
class Label : public Control {
  public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    const std::optional<Colour>& BackColor() const { return backColor_; }
    void setBackColor(std::optional<Colour> colour);

  private:
    std::string caption_;
    std::optional<Colour> backColor_;
};

// A progress bar with floating Min, Max and Value (0, 100 and 0 when created). Any values are
// accepted: the bar is drawn with Value clamped into the range, and empty when Max is not above
// Min.
class ProgressBar : public Control {
  public:
    using Control::Control;

    float Min() const { return min_; }
    float Max() const { return max_; }
    float Value() const { return value_; }
    void setMin(float min);
    void setMax(float max);
    void setValue(float value);

    // How much of the bar is filled, from 0 to 1.
    double filled() const;

  private:
    float min_ = 0;
    float max_ = 100;
    float value_ = 0;
};

// One line of editable text. Every change of the text, typed or set by the program, runs the
// change handler once; setting the text it already has is no change.
class TextBox : public Control {
  public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    void setText(std::string text);
    void onChange(Handler handler) { onChange_ = std::move(handler); }
    void onLostFocus(Handler handler) { onLostFocus_ = std::move(handler); }
    // The keyboard focus has left the box for another control of its form: runs the lost-focus
    // handler.
    void loseFocus();

  private:
    std::string text_;
    Handler onChange_;
    Handler onLostFocus_;
};

// A push button. click() is the user's press: it runs the click handler unless the button is
// disabled.
class CommandButton : public Control {
  public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    void onClick(Handler handler) { onClick_ = std::move(handler); }
    void click();

  private:
    std::string caption_;
    Handler onClick_;
};

// An editable text with a drop-down list. The text follows the text box's change rule; a pick from
// the list sets the text and runs the click handler only.
class ComboBox : public Control {
  public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    void setText(std::string text);
    void onChange(Handler handler) { onChange_ = std::move(handler); }
    void onClick(Handler handler) { onClick_ = std::move(handler); }

    void AddItem(std::string item);
    int ListCount() const { return static_cast<int>(list_.size()); }
    // The entry at index, from 0; error 381 outside the list.
    const std::string& List(int index) const;
    const std::vector<std::string>& items() const { return list_; }
    // The user's pick of the entry at index.
    void pick(int index);

  private:
    std::string text_;
    std::vector<std::string> list_;
    Handler onChange_;
    Handler onClick_;
};

// Tabs with captions; the controls placed on a tab are shown while it is the tab shown. The first
// tab is shown when created.
class TabControl : public Control {
  public:
    TabControl(Form& owner, Rect rect, std::vector<std::string> captions, Placement placement = {});

    const std::vector<std::string>& captions() const { return captions_; }
    int Tabs() const { return static_cast<int>(captions_.size()); }
    int Tab() const { return tab_; }
    // Shows the tab at index, from 0; error 380 outside the tabs.
    void setTab(int index);

  private:
    std::vector<std::string> captions_;
    int tab_ = 0;
};

}  // namespace ui
