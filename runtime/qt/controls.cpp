#include "runtime/qt/controls.h"

#include <QLineEdit>
#include <QPalette>
#include <algorithm>

#include "runtime/qt/caption_label.h"
#include "runtime/qt/command_button.h"
#include "runtime/qt/text.h"

namespace runtime::qt {
namespace {

void set_point_size(QWidget& widget, float points) {
    QFont font = widget.font();
    font.setPointSizeF(points);
    widget.setFont(font);
}

// A button's caption or a text box's text is the Qt widget's own text.
template <class QtWidget>
class TextHandle final : public runtime::Widget {
public:
    explicit TextHandle(QtWidget& widget) : widget_(widget) {}
    std::string text() const override { return to_utf8(widget_.text()); }
    void set_text(std::string_view text) override { widget_.setText(to_qstring(text)); }
    void set_font_size(float points) override { set_point_size(widget_, points); }

private:
    QtWidget& widget_;
};

class LabelHandle final : public runtime::Widget {
public:
    explicit LabelHandle(CaptionLabel& label) : label_(label) {}
    std::string text() const override { return to_utf8(label_.text()); }
    void set_text(std::string_view text) override { label_.set_caption(to_qstring(text)); }
    void set_font_size(float points) override { set_point_size(label_, points); }

private:
    CaptionLabel& label_;
};

// Qt's palette has no window-frame colours, so the inactive border maps to
// the nearest shade it has. Classic desktop colour schemes give the
// inactive border the same value as their light 3-D shade, which Qt's
// palette carries as Midlight; unlike Window it also keeps the band visible
// against the window, as the designer meant it to be.
QPalette::ColorRole palette_role(SystemColour colour) {
    switch (colour) {
        case SystemColour::inactive_border:
            return QPalette::Midlight;
        case SystemColour::none:
            break;
    }
    return QPalette::Window;
}

BuiltControl build_button(const ControlDescription& control, QWidget& window) {
    auto* button = new CommandButton(to_qstring(control.text), &window);
    return {button, std::make_unique<TextHandle<QPushButton>>(*button)};
}

BuiltControl build_text_box(const ControlDescription& control, QWidget& window) {
    auto* box = new QLineEdit(to_qstring(control.text), &window);
    return {box, std::make_unique<TextHandle<QLineEdit>>(*box)};
}

BuiltControl build_label(const ControlDescription& control, int shown_width, QWidget& window) {
    auto* label = new CaptionLabel(to_qstring(control.text), control.auto_size, &window);
    if (control.centred) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (control.back_colour != SystemColour::none) {
        label->setBackgroundRole(palette_role(control.back_colour));
        label->setAutoFillBackground(true);
    }
    label->set_shown_width(shown_width);
    return {label, std::make_unique<LabelHandle>(*label)};
}

BuiltControl build_kind(const ControlDescription& control, const QRect& box, int client_width, QWidget& window) {
    if (control.kind == ControlKind::push_button) return build_button(control, window);
    if (control.kind == ControlKind::text_box) return build_text_box(control, window);
    return build_label(control, std::max(0, client_width - box.left()), window);
}

}  // namespace

BuiltControl build_control(const ControlDescription& control, int client_width, QWidget& window) {
    const QRect box(to_device_independent_pixels(control.left), to_device_independent_pixels(control.top),
                    to_device_independent_pixels(control.width), to_device_independent_pixels(control.height));
    BuiltControl built = build_kind(control, box, client_width, window);
    built.widget->setObjectName(to_qstring(control.name));
    built.widget->setGeometry(box);
    return built;
}

}  // namespace runtime::qt
