// The window presentation of a form, drawn by FLTK.

#include "platform/ui/display_text.hpp"
#include "platform/ui/views.hpp"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Progress.H>

#include <unordered_map>

namespace ui::detail {
namespace {

constexpr int kLabelTextSize = 12;
const Fl_Color kBarColour = fl_rgb_color(0, 0, 128);

class WindowView : public FormView {
  public:
    explicit WindowView(const Form& form) {
        const FormStyle& style = form.style();
        const int frame = style.frame == Frame::Thin ? 1 : 0;
        const int width = twipsToPixels(style.clientWidth) + 2 * frame;
        const int height = twipsToPixels(style.clientHeight) + 2 * frame;

        Fl_Group::current(nullptr);  // a top-level window, not a child of whatever was built last
        window_ = std::make_unique<Fl_Double_Window>(
            Fl::x() + (Fl::w() - width) / 2, Fl::y() + (Fl::h() - height) / 2, width, height);
        window_->copy_label(style.caption.c_str());
        if (style.frame == Frame::Thin) {
            window_->clear_border();
            window_->box(FL_BORDER_BOX);
        }
        // The window owns its widgets and deletes them with itself.
        for (const auto& control : form.controls()) {
            const PixelRect r = toPixels(control->rect());
            if (const auto* label = dynamic_cast<const Label*>(control.get())) {
                auto* box = new Fl_Box(r.x + frame, r.y + frame, r.w, r.h);
                box->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
                box->labelsize(kLabelTextSize);
                widgets_[label] = box;
            } else if (dynamic_cast<const ProgressBar*>(control.get())) {
                auto* bar = new Fl_Progress(r.x + frame, r.y + frame, r.w, r.h);
                bar->box(FL_THIN_DOWN_BOX);
                bar->color(FL_BACKGROUND2_COLOR);
                bar->selection_color(kBarColour);
                bar->minimum(0);
                bar->maximum(1);
                widgets_[control.get()] = bar;
            }
            update(*control);
        }
        window_->end();
        window_->show();
        Fl::flush();
    }

    ~WindowView() override {
        window_->hide();
        Fl::flush();
    }

    void controlChanged(const Control& control) override { update(control); }

  private:
    void update(const Control& control) {
        const auto found = widgets_.find(&control);
        if (found == widgets_.end()) return;
        if (const auto* label = dynamic_cast<const Label*>(&control)) {
            found->second->copy_label(literalLabel(label->Caption()).c_str());
        } else if (const auto* bar = dynamic_cast<const ProgressBar*>(&control)) {
            static_cast<Fl_Progress*>(found->second)->value(static_cast<float>(bar->filled()));
        }
        found->second->redraw();
    }

    std::unique_ptr<Fl_Double_Window> window_;
    std::unordered_map<const Control*, Fl_Widget*> widgets_;
};

}  // namespace

std::unique_ptr<FormView> makeWindowView(const Form& form) {
    return std::make_unique<WindowView>(form);
}

}  // namespace ui::detail
