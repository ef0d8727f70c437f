#include "runtime/qt/controls.h"

#include <QAccessible>
#include <QMenu>
#include <QPointer>
#include <algorithm>

#include "runtime/qt/command_button.h"
#include "runtime/qt/label.h"
#include "runtime/qt/text.h"
#include "runtime/qt/text_box.h"

namespace runtime::qt {
namespace {

// The widget is the window's child; the control owns it and deletes it
// first, while the window still stands.
template <class QtWidget>
class Control : public runtime::Widget {
public:
    explicit Control(QtWidget* widget) : widget_(widget) {}
    ~Control() override { delete widget_.data(); }
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QtWidget& widget() const { return *widget_; }

    std::string text() const override { return to_utf8(widget_->text()); }
    void set_text(std::string_view text) override { widget_->setText(to_qstring(text)); }
    void set_lines(std::vector<Line> /*lines*/) override {}  // one line, as the toolkit draws it

    void set_font(Font font) override {
        QFont made;  // resolves nothing: the rest comes from the window
        if (font.points) made.setPointSizeF(*font.points);
        widget_->setFont(made);
    }

    void place(Rect box) override { widget_->setGeometry(box.left, box.top, box.width, box.height); }
    void focus(bool /*select_all*/) override { widget_->setFocus(Qt::OtherFocusReason); }

    void name_by(const runtime::Widget& label) override {
        const auto* named = dynamic_cast<const Control<Label>*>(&label);
        if (named == nullptr) return;
        named->widget().setBuddy(widget_);
        widget_->setAccessibleName(named->widget().text());
    }

    void set_menu(std::vector<MenuItem> items) override {
        menu_ = std::move(items);  // each item guarded by the core
        widget_->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(widget_, &QWidget::customContextMenuRequested, widget_, [this](QPoint at) {
            auto* menu = new QMenu(widget_);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            for (const MenuItem& item : menu_) {
                QObject::connect(menu->addAction(to_qstring(item.text)), &QAction::triggered, item.chosen);
            }
            menu->popup(widget_->mapToGlobal(at));
        });
    }

protected:
    QPointer<QtWidget> widget_;

private:
    std::vector<MenuItem> menu_;
};

// A label's text is set, never edited; it is drawn in the core's lines.
class LabelControl final : public Control<Label> {
public:
    LabelControl(Label* label, std::string_view caption) : Control(label), caption_(caption) {}

    // QLabel announces a changed text itself; the same answer written again
    // is announced here, so that every click is heard.
    void set_text(std::string_view text) override {
        caption_ = text;
        const QString shown = to_qstring(text);
        const bool same = shown == widget_->text();
        widget_->setText(shown);
        if (same) {
            QAccessibleEvent written(widget_.data(), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&written);
        }
        draw();
    }

    // The core sets lines only when their ranges change; a new caption in
    // the same ranges is drawn anew by set_text.
    void set_lines(std::vector<Line> lines) override {
        lines_ = std::move(lines);
        draw();
    }

private:
    // Until the core's new lines come, the old ones may run past a shorter
    // caption: they are cut at its end.
    void draw() {
        const std::string_view caption(caption_);
        QStringList drawn;
        for (const Line& line : lines_) {
            const std::size_t begin = std::min(line.begin, caption.size());
            drawn << to_qstring(caption.substr(begin, std::min(line.end, caption.size()) - begin));
        }
        widget_->set_lines(std::move(drawn));
    }

    std::string caption_;      // as the core wrote it: the lines count its bytes
    std::vector<Line> lines_;  // the core's, in bytes of the caption
};

class TextBoxControl final : public Control<QLineEdit> {
public:
    using Control::Control;

    void focus(bool select_all) override {
        widget_->setFocus(Qt::OtherFocusReason);
        if (select_all) widget_->selectAll();
    }
};

// Qt's palette has no window-frame colours, so the inactive border maps to
// the nearest shade it has. Classic desktop colour schemes give the
// inactive border the same value as their light 3-D shade, which Qt's
// palette carries as Midlight; unlike Window it also keeps the band visible
// against the window, as the designer meant it to be.
QPalette::ColorRole palette_role(SystemColour colour) {
    return colour == SystemColour::inactive_border ? QPalette::Midlight : QPalette::Window;
}

// Named as described, so that the control can be told apart (in tests, by
// accessibility tools), and at its place.
template <class QtWidget>
QtWidget* placed(QtWidget* widget, const ControlStyle& style, Rect box) {
    widget->setObjectName(to_qstring(style.name));
    widget->setGeometry(box.left, box.top, box.width, box.height);
    return widget;
}

std::unique_ptr<runtime::Widget> make_label(const ControlStyle& style, Rect box, std::string_view text, QWidget& parent,
                                            WindowEvents& events) {
    auto* label =
        placed(new Label(to_qstring(text), style.centred ? Qt::AlignHCenter : Qt::AlignLeft, &parent), style, box);
    if (style.back_colour != SystemColour::none) {
        label->setBackgroundRole(palette_role(style.back_colour));
        label->setAutoFillBackground(true);
    }
    auto control = std::make_unique<LabelControl>(label, text);
    label->on_click([&events, made = control.get()] { events.clicked(*made); });
    return control;
}

std::unique_ptr<runtime::Widget> make_button(const ControlStyle& style, Rect box, const QString& text, QWidget& parent,
                                             WindowEvents& events) {
    auto* button = placed(new CommandButton(text, &parent), style, box);
    auto control = std::make_unique<Control<QPushButton>>(button);
    QObject::connect(button, &QPushButton::clicked, button, [&events, made = control.get()] { events.clicked(*made); });
    return control;
}

}  // namespace

std::unique_ptr<runtime::Widget> make_control(const ControlStyle& style, Rect box, std::string_view text,
                                              QWidget& parent, WindowEvents& events) {
    const QString shown = to_qstring(text);
    switch (style.kind) {
        case ControlKind::push_button:
            return make_button(style, box, shown, parent, events);
        case ControlKind::text_box:
            return std::make_unique<TextBoxControl>(
                placed(new TextBox(shown, style.max_length, events, &parent), style, box));
        case ControlKind::label:
            break;
    }
    return make_label(style, box, text, parent, events);
}

}  // namespace runtime::qt
