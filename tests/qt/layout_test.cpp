#include <QAccessible>
#include <QFontMetrics>
#include <QProxyStyle>
#include <algorithm>
#include <utility>
#include <vector>

#include "form1_window.h"
#include "tests/window_cases.h"

namespace {

using window_cases::Kind;

bool is_kind(QWidget& widget, Kind kind) {
    switch (kind) {
        case Kind::button:
            return qobject_cast<QPushButton*>(&widget) != nullptr;
        case Kind::text_box:
            return qobject_cast<QLineEdit*>(&widget) != nullptr;
        case Kind::label:
            break;
    }
    return qobject_cast<QLabel*>(&widget) != nullptr;
}

// A control's text, exactly: what screen readers and copying read.
QString text_of(QWidget& widget) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) return label->text();
    if (auto* button = qobject_cast<QPushButton*>(&widget)) return button->text();
    return qobject_cast<QLineEdit*>(&widget)->text();
}

QSize one_line(const QLabel& label) { return label.fontMetrics().size(Qt::TextSingleLine, label.text()); }

TEST_F(Form1Window, StartsWithTheStoredTitleClientSizeAndControls) {
    EXPECT_EQ(window->windowTitle(), to_qstring(window_cases::title));
    EXPECT_EQ(window->size(), QSize(window_cases::client_width, window_cases::client_height));

    for (const auto& expected : window_cases::controls) {
        SCOPED_TRACE(std::string(expected.name));
        QWidget& widget = control(expected.name);
        EXPECT_TRUE(is_kind(widget, expected.kind));
        EXPECT_EQ(text_of(widget), to_qstring(expected.text));
        EXPECT_EQ(widget.pos(), QPoint(expected.left, expected.top));
        if (expected.name != "Label5") {  // its size follows its caption
            EXPECT_EQ(widget.size(), QSize(expected.width, expected.height));
        }
    }
}

// Notes each line a label draws, and where.
class DrawnLines : public QProxyStyle {
public:
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole role) const override {
        lines.emplace_back(rect, text);
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
    }
    mutable std::vector<std::pair<QRect, QString>> lines;
};

std::vector<std::pair<QRect, QString>> drawn_lines(QLabel& label) {
    DrawnLines drawn;
    label.setStyle(&drawn);
    label.grab();
    label.setStyle(nullptr);
    return drawn.lines;
}

// Load sets five sizes. A caption too big for its box at its size (Label1
// and Label2 at 15 points) is shown smaller, and whole: each line is drawn
// one below the other, a line high, inside the part of its box that the
// window shows, and together they are the caption.
TEST_F(Form1Window, LoadSetsFiveFontSizesAndEveryCaptionShowsWhole) {
    const qreal default_points = QApplication::font().pointSizeF();
    for (const auto& expected : window_cases::controls) {
        SCOPED_TRACE(std::string(expected.name));
        const auto set = std::find_if(window_cases::load_font_sizes.begin(), window_cases::load_font_sizes.end(),
                                      [&](const auto& size) { return size.label == expected.name; });
        const qreal points = set == window_cases::load_font_sizes.end() ? default_points : set->points;
        const qreal shown = control(expected.name).font().pointSizeF();
        auto* label = qobject_cast<QLabel*>(&control(expected.name));
        if (label == nullptr) {
            EXPECT_EQ(shown, points);
            continue;
        }
        EXPECT_LE(shown, points);
        EXPECT_GE(shown, 6);
        const QRect visible = label->rect() & QRect(label->mapFrom(window, QPoint(0, 0)), window->size());
        const auto lines = drawn_lines(*label);
        ASSERT_FALSE(lines.empty());
        QStringList texts;
        int top = 0;
        for (const auto& [rect, text] : lines) {
            EXPECT_EQ(rect.top(), top) << text.toStdString();
            EXPECT_GE(rect.height(), label->fontMetrics().height()) << text.toStdString();
            EXPECT_TRUE(visible.contains(QRect(visible.left(), rect.top(), 1, rect.height()))) << text.toStdString();
            EXPECT_LE(label->fontMetrics().horizontalAdvance(text), visible.width()) << text.toStdString();
            top = rect.bottom() + 1;
            texts << text;
        }
        EXPECT_EQ(texts.join(QLatin1Char(' ')).simplified(), label->text().simplified());
    }
    EXPECT_EQ(answer().size(), one_line(answer()));
    EXPECT_GT(answer().height(), 13);  // the stored 29 x 13 gave way
}

// The window can grow, but not shrink below its stored size, where it
// would hide its own controls; nothing moves either way.
TEST_F(Form1Window, ResizingTheWindowMovesNothingAndHidesNothing) {
    std::vector<QRect> before;
    before.reserve(window_cases::controls.size());
    for (const auto& placed : window_cases::controls) before.push_back(control(placed.name).geometry());

    for (const QSize size : {QSize(200, 150), QSize(900, 700), QSize(507, 314)}) {
        window->resize(size);
        QApplication::processEvents();
        EXPECT_EQ(window->size(), size.expandedTo(QSize(window_cases::client_width, window_cases::client_height)));
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(control(window_cases::controls[i].name).geometry(), before[i])
                << window_cases::controls[i].name << " at " << size.width() << "x" << size.height();
        }
    }
    // The size the user left stands: a long answer that fits it widens nothing.
    window->resize(900, 700);
    QApplication::processEvents();
    type_into("Text1", window_cases::longest_answers[0].a);
    type_into("Text2", window_cases::longest_answers[0].b);
    click_natija();
    EXPECT_EQ(window->size(), QSize(900, 700));
}

TEST_F(Form1Window, ScreenReadersReadBoxesByTheirLabelsAndTheButtonAsNatija) {
    const auto name = [this](std::string_view control_name) {
        return QAccessible::queryAccessibleInterface(&control(control_name))->text(QAccessible::Name);
    };
    for (const auto& [control_name, expected] : window_cases::accessible_names) {
        EXPECT_EQ(name(control_name), to_qstring(expected)) << control_name;
    }
}

}  // namespace
