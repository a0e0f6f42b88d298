#pragma once
// The controls a form holds. Each keeps its own state, so that a form reads the same whether it is
// drawn or not; a change is passed on to whatever presents the form.

#include "platform/ui/geometry.hpp"

#include <string>

namespace ui {

class Form;

class Control {
  public:
    Control(Form& owner, Rect rect) : owner_(owner), rect_(rect) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const Rect& rect() const { return rect_; }

  protected:
    void changed();

  private:
    Form& owner_;
    Rect rect_;
};

// A text on the form.
class Label : public Control {
  public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);

  private:
    std::string caption_;
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

}  // namespace ui
