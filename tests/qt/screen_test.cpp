#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "form1_window.h"
#include "tests/focus_contrast.h"
#include "tests/window_cases.h"

// What the window draws, read back in pixels: one state reached two ways
// draws the same, and a focused control stands out from its unfocused look.
namespace {

// The screens of tests/qt/screens.json: the window opens on the first; the
// second draws two device pixels to each of Qt's.
QScreen& dense_screen() { return *QGuiApplication::screens().at(1); }

void enter(Form1& form1, const window_cases::Click& click) {
    form1.type_into("Text1", click.a);
    form1.type_into("Text2", click.b);
    if (!click.answer.empty()) {
        form1.click_natija();
        ASSERT_EQ(form1.answer().text(), to_qstring(click.answer));
        return;
    }
    MessageBoxAnswerer answerer;
    form1.click_natija();
    ASSERT_EQ(answerer.shown, 1);
    // Offscreen, nothing hands activation back once the box is gone.
    form1.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.window));
}

// What the user does to the window between the two answers, or before the
// one answer alone.
struct Way {
    std::string_view name;
    void (*apply)(QWidget& window);
};
constexpr std::array<Way, 3> ways{{
    {"", [](QWidget&) {}},
    {"AfterResize",
     [](QWidget& window) {
         window.resize(760, 420);
         QApplication::processEvents();
     }},
    {"AfterDensityChange",
     [](QWidget& window) {
         window.move(dense_screen().geometry().topLeft() + QPoint(40, 40));
         QApplication::processEvents();
         ASSERT_EQ(window.devicePixelRatioF(), 2.0);
     }},
}};

// What a window draws, read while it is the active window: an inactive
// one shows no focus.
struct Drawn {
    QImage image;  // the whole client area, in device pixels
    int width = 0;
    QRect answer;

    explicit Drawn(const Form1& form1)
        : image(form1.window->grab().toImage()), width(form1.window->width()), answer(form1.answer().geometry()) {}

    QImage part(QRect area) const {
        const qreal ratio = image.devicePixelRatio();
        return image.copy(QRect(area.topLeft() * ratio, area.size() * ratio));
    }
};

std::optional<Drawn> second_answer(const window_cases::Redraw& redraw, const Way& way, bool after_first) {
    Form1 form1;
    form1.open();
    if (after_first) enter(form1, redraw.first);
    way.apply(*form1.window);
    enter(form1, redraw.second);
    if (testing::Test::HasFatalFailure()) return std::nullopt;
    return Drawn(form1);
}

// Where they differ, both are saved beside the suite, to look at.
void expect_same(const QImage& alone, const QImage& after, const std::string& what) {
    EXPECT_TRUE(alone == after) << what << ": see its PNG files";
    if (alone != after) {
        alone.save(QString::fromStdString(what + "-alone.png"));
        after.save(QString::fromStdString(what + "-after.png"));
    }
}

class Redrawn : public testing::TestWithParam<std::tuple<window_cases::Redraw, Way>> {};

// The second answer shown alone, in a fresh window, against the same
// answer shown after the first: no pixel of the first may stay, in the
// answer's row across the window, nor anywhere in the stored form. The
// focus ends on Natija both ways, where the click leaves it.
TEST_P(Redrawn, TheSecondAnswerDrawsAsItDoesAlone) {
    const auto& [redraw, way] = GetParam();
    const std::optional<Drawn> alone = second_answer(redraw, way, false);
    const std::optional<Drawn> after = second_answer(redraw, way, true);
    window_cases::Redraw first_only = redraw;
    first_only.second = redraw.first;
    const std::optional<Drawn> first = second_answer(first_only, way, false);
    if (!alone || !after || !first) {
        ADD_FAILURE() << "a window did not show its answer";
        return;
    }
    const QRect row(0, alone->answer.top(), std::min(alone->width, after->width),
                    std::max(alone->answer.height(), after->answer.height()));
    const QRect stored(0, 0, window_cases::client_width, window_cases::client_height);
    const std::string name = std::string(redraw.case_name) + std::string(way.name);
    expect_same(alone->part(row), after->part(row), name + "-answer-row");
    expect_same(alone->part(stored), after->part(stored), name + "-stored-form");
    // Nor may the answer stay as it was drawn first, both ways alike.
    EXPECT_FALSE(first->part(row) == after->part(row)) << name << ": the first answer is still drawn";
}

INSTANTIATE_TEST_SUITE_P(OneAnswerAfterAnother, Redrawn,
                         testing::Combine(testing::ValuesIn(window_cases::redraws), testing::ValuesIn(ways)),
                         [](const auto& row) {
                             return std::string(std::get<0>(row.param).case_name) +
                                    std::string(std::get<1>(row.param).name);
                         });

std::vector<focus_contrast::Rgb> pixels(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<focus_contrast::Rgb> read;
    read.reserve(static_cast<std::size_t>(rgb.width()) * static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = rgb.pixel(x, y);
            read.push_back({static_cast<unsigned char>(qRed(pixel)), static_cast<unsigned char>(qGreen(pixel)),
                            static_cast<unsigned char>(qBlue(pixel))});
        }
    }
    return read;
}

struct Focus {
    std::string_view control, away;  // `away` holds the focus for the unfocused look
    bool dark;
};

// In the style's own light palette, and in a dark one: white text on black
// boxes and grey buttons.
class FocusShows : public testing::TestWithParam<Focus> {
protected:
    void SetUp() override {
        if (GetParam().dark) QApplication::setPalette(QPalette(QColor(0x45, 0x45, 0x45), QColor(0x35, 0x35, 0x35)));
    }
    void TearDown() override { QApplication::setPalette(light_); }

private:
    QPalette light_ = QApplication::palette();
};

// At least a two-pixel band's worth of the control's pixels changes by a
// contrast of 3:1 or more. A text box's caret blinks: its place is left
// out of both looks.
TEST_P(FocusShows, AFocusedControlStandsOutByThreeToOne) {
    Form1 form1;
    form1.open();
    form1.type_into("Text1", "2");  // the caret stands clear of the box's edges
    form1.type_into("Text2", "5");
    QWidget& control = form1.control(GetParam().control);
    form1.control(GetParam().away).setFocus();
    QApplication::processEvents();
    QImage unfocused = control.grab().toImage();
    control.setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(control.hasFocus());
    QImage focused = control.grab().toImage();
    if (qobject_cast<QLineEdit*>(&control) != nullptr) {
        const QRect caret = control.inputMethodQuery(Qt::ImCursorRectangle).toRect().adjusted(-1, -1, 1, 1);
        for (QImage* look : {&unfocused, &focused}) QPainter(look).fillRect(caret, Qt::black);
    }
    const std::size_t changed = focus_contrast::changed_by_3_to_1(pixels(unfocused), pixels(focused));
    EXPECT_GE(changed, focus_contrast::least_changed(control.width(), control.height()));
}

INSTANTIATE_TEST_SUITE_P(EachControlBothPalettes, FocusShows,
                         testing::Values(Focus{"Text1", "Text2", false}, Focus{"Text2", "Text1", false},
                                         Focus{"Command1", "Text1", false}, Focus{"Text1", "Text2", true},
                                         Focus{"Text2", "Text1", true}, Focus{"Command1", "Text1", true}),
                         [](const auto& row) {
                             return std::string(row.param.control) + (row.param.dark ? "Dark" : "Light");
                         });

}  // namespace
