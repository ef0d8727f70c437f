#include "runtime/qt/controls.h"

#include <QAccessible>
#include <QMenu>
#include <QPointer>

#include "runtime/qt/command_button.h"
#include "runtime/qt/font.h"
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
    Control(QtWidget* widget, WindowEvents& events) : widget_(widget), events_(events) {}
    ~Control() override { delete widget_.data(); }
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QtWidget& widget() const { return *widget_; }

    std::string text() const override { return to_utf8(widget_->text()); }
    // A button draws its one line itself.
    void set_caption(const Caption& caption) override { widget_->setText(to_qstring(caption.text)); }
    void set_font(Font font) override { widget_->setFont(qt_font(font)); }
    void place(Rect box) override { widget_->setGeometry(box.left, box.top, box.width, box.height); }
    void focus(bool /*select_all*/) override { widget_->setFocus(Qt::OtherFocusReason); }

    void name_by(const runtime::Widget& label) override {
        const auto* named = dynamic_cast<const Control<Label>*>(&label);
        if (named == nullptr) return;
        named->widget().setBuddy(widget_);
        widget_->setAccessibleName(named->widget().text());
    }

    // In the program's language. The menu is made when first opened, not
    // for every label as the window starts; later right clicks only show it.
    void set_menu(std::span<const std::string_view> items) override {
        menu_items_.clear();
        for (const std::string_view item : items) menu_items_.push_back(to_qstring(item));
        delete menu_.data();  // made anew, with these items, when next opened
        if (widget_->contextMenuPolicy() == Qt::CustomContextMenu) return;
        widget_->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(widget_, &QWidget::customContextMenuRequested, widget_, [this](QPoint at) { open_menu(at); });
    }

protected:
    QPointer<QtWidget> widget_;

private:
    void open_menu(QPoint at) {
        if (!menu_) {
            menu_ = new QMenu(widget_);
            for (qsizetype item = 0; item < menu_items_.size(); ++item) {
                QObject::connect(menu_->addAction(menu_items_[item]), &QAction::triggered, menu_,
                                 [this, item] { events_.menu_chosen(*this, static_cast<std::size_t>(item)); });
            }
        }
        menu_->popup(widget_->mapToGlobal(at));
    }

    WindowEvents& events_;
    QStringList menu_items_;
    QPointer<QMenu> menu_;
};

// A label's text is set, never edited; it is drawn in the core's lines.
class LabelControl final : public Control<Label> {
public:
    LabelControl(Label* label, WindowEvents& events, bool announce_changes)
        : Control(label, events), announce_changes_(announce_changes) {}

    // QLabel announces a changed text itself; where each new caption is
    // news (the answer), the same one written again is announced here, so
    // that every click is heard; laid out anew, it is not news.
    void set_caption(const Caption& caption) override {
        const QString text = to_qstring(caption.text);
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(caption.lines.size()));
        for (const Line& line : caption.lines) {
            lines << to_qstring(caption.text.substr(line.begin, line.end - line.begin));
        }
        widget_->set_lines(std::move(lines), caption.line_height);
        const bool same = text == widget_->text();
        widget_->setText(text);
        if (same && caption.written && announce_changes_) {
            QAccessibleEvent written(widget_.data(), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&written);
        }
    }

private:
    bool announce_changes_;
};

class TextBoxControl final : public Control<TextBox> {
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
// accessibility tools), at its place, holding its text.
template <class QtWidget>
QtWidget* placed(QtWidget* widget, const ControlStyle& style, Rect box, std::string_view text) {
    widget->setObjectName(to_qstring(style.name));
    widget->setGeometry(box.left, box.top, box.width, box.height);
    widget->setText(to_qstring(text));
    return widget;
}

std::unique_ptr<LabelControl> make_label(const ControlStyle& style, Rect box, std::string_view text, QWidget& parent,
                                         WindowEvents& events) {
    auto* label = placed(new Label(style.centred ? Qt::AlignHCenter : Qt::AlignLeft, &parent), style, box, text);
    if (style.back_colour != SystemColour::none) {
        label->setBackgroundRole(palette_role(style.back_colour));
        label->setAutoFillBackground(true);
    }
    auto control = std::make_unique<LabelControl>(label, events, style.announce_changes);
    label->on_click([&events, made = control.get()] { events.clicked(*made); });
    return control;
}

std::unique_ptr<Control<CommandButton>> make_button(const ControlStyle& style, Rect box, std::string_view text,
                                                    QWidget& parent, WindowEvents& events) {
    auto* button = placed(new CommandButton(&parent), style, box, text);
    auto control = std::make_unique<Control<CommandButton>>(button, events);
    QObject::connect(button, &QPushButton::clicked, button, [&events, made = control.get()] { events.clicked(*made); });
    return control;
}

template <class Made>
std::unique_ptr<runtime::Widget> watched(std::unique_ptr<Made> control, FormKeys& keys) {
    keys.watch(control->widget(), *control);
    return control;
}

}  // namespace

std::unique_ptr<runtime::Widget> make_control(const ControlStyle& style, Rect box, std::string_view text,
                                              QWidget& parent, WindowEvents& events, FormKeys& keys) {
    switch (style.kind) {
        case ControlKind::push_button:
            return watched(make_button(style, box, text, parent, events), keys);
        case ControlKind::text_box:
            return watched(std::make_unique<TextBoxControl>(
                               placed(new TextBox(style.max_length, &parent), style, box, text), events),
                           keys);
        case ControlKind::label:
            break;
    }
    return watched(make_label(style, box, text, parent, events), keys);
}

}  // namespace runtime::qt
