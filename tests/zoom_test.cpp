#include <gtest/gtest.h>

#include "headless_form.h"
#include "tests/window_cases.h"
#include "window/form1.h"
#include "window/project.h"

namespace {

using runtime::Rect;
using runtime::Size;
using runtime::Zoom;

// The form at `percent`: every control at its stored twips at that much of
// 96 dpi, every font that much larger, the captions on the same lines.
void expect_zoomed(const HeadlessForm& fake, int percent, const HeadlessForm& unzoomed) {
    const int density = 96 * percent / 100;
    const float scale = static_cast<float>(percent) / 100.0f;
    for (const runtime::ControlDescription& described : window::form1.controls) {
        SCOPED_TRACE(std::string(described.name) + " at " + std::to_string(percent) + "%");
        const auto& widget = fake.widget(described.name);
        EXPECT_EQ(widget.box.left, runtime::to_pixels(described.left, density));
        EXPECT_EQ(widget.box.top, runtime::to_pixels(described.top, density));
        if (!described.auto_size) {
            EXPECT_EQ(widget.box.size(), (Size{runtime::to_pixels(described.width, density),
                                               runtime::to_pixels(described.height, density)}));
        }
        EXPECT_EQ(widget.font.scale, scale);
        EXPECT_EQ(widget.lines, unzoomed.widget(described.name).lines);
        EXPECT_EQ(widget.value, unzoomed.widget(described.name).value);
    }
    EXPECT_EQ(fake.window().minimum, (Size{runtime::to_pixels(window::form1.client_width, density),
                                           runtime::to_pixels(window::form1.client_height, density)}));
}

TEST(Zoom, StepsFrom100To300PerCentAndBackScalingEveryBoxAndFont) {
    const HeadlessForm unzoomed(window::project);
    HeadlessForm fake(window::project);
    for (const int percent : {125, 150, 175, 200, 250, 300, 300}) {
        fake.events().zoom_requested(Zoom::in);
        expect_zoomed(fake, percent, unzoomed);
    }
    for (const int percent : {250, 200, 175, 150, 125, 100, 100}) {
        fake.events().zoom_requested(Zoom::out);
        expect_zoomed(fake, percent, unzoomed);
    }
    // A move to a screen of another density keeps the zoom.
    fake.events().zoom_requested(Zoom::in);
    fake.moves_to_dpi(144);
    EXPECT_EQ(fake.widget("Text1").box, (Rect{420, 165, 212, 47}));  // 3360, 1320, 1695, 375 twips at 180 dpi
    // The answer stays whole, on one line, in the window.
    fake.widget("Text1").value = window_cases::longest_answers[0].a;
    fake.widget("Text2").value = window_cases::longest_answers[0].b;
    fake.click("Command1");
    const auto& answer = fake.widget("Label5");
    EXPECT_EQ(answer.lines, (std::vector<runtime::Line>{{0, answer.value.size()}}));
    EXPECT_LE(answer.box.right(), fake.window().client.width);
    // Laid out anew at the next step, the answer is drawn again but is no news.
    const int written = answer.written;
    fake.events().zoom_requested(Zoom::out);
    EXPECT_EQ(answer.written, written);  // cppcheck-suppress knownConditionTrueFalse
}

// How the window stood, what the user did, and where the window ended. It
// grows and shrinks with the zoom from the size the user gave it, stays on
// the screen, takes no step that the stored form would not fit, keeps a
// maximised size, and comes back to its size with Ctrl+0 unless the user
// sized it meanwhile (at the density it then has).
struct ZoomStory {
    const char* case_name;
    Rect room;       // the screen's work area
    Size user_size;  // before zooming; zero: as stored
    bool maximised;
    int presses_in;   // Ctrl+plus, that many times
    int dpi;          // of the screen the window then moves to
    Size resized_to;  // by the user after that; zero: not
    bool reset;       // then Ctrl+0
    int percent;      // the zoom at the end
    Size client;      // the client area at the end
    int left, top;    // its corner, which starts at 100, 40
};

void PrintTo(const ZoomStory& row, std::ostream* out) { *out << row.case_name; }

class ZoomStories : public testing::TestWithParam<ZoomStory> {};

TEST_P(ZoomStories, TheWindowFollowsTheZoom) {
    const ZoomStory& story = GetParam();
    HeadlessForm fake(window::project);
    auto& window = fake.window();
    window.room = story.room;
    if (story.user_size.width != 0) fake.user_resizes(story.user_size, story.maximised);
    for (int i = 0; i < story.presses_in; ++i) fake.events().zoom_requested(Zoom::in);
    if (story.dpi != 96) fake.moves_to_dpi(story.dpi);
    if (story.resized_to.width != 0) fake.user_resizes(story.resized_to);
    if (story.reset) fake.events().zoom_requested(Zoom::reset);

    EXPECT_EQ(fake.widget("Command1").box.height, runtime::to_pixels(495, story.dpi * story.percent / 100));
    EXPECT_EQ(window.client, story.client);
    EXPECT_EQ(window.left, story.left);
    EXPECT_EQ(window.top, story.top);
    EXPECT_EQ(window.maximised, story.maximised);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, ZoomStories, testing::Values(
    //        case                              room                 user size   max    in dpi  resized     reset  %    client       left top
    ZoomStory{"AllTheWay",                      {0, 0, 1900, 1000}, {},          false, 9, 96,  {},         false, 300, {1521, 942}, 100, 40},
    ZoomStory{"ScreenLimitMovesLeftAndUp",      {0, 0, 1024, 650},  {},          false, 9, 96,  {},         false, 200, {1014, 628}, 10,  22},
    ZoomStory{"FromTheUsersSize",               {0, 0, 1900, 1000}, {600, 400},  false, 2, 96,  {},         false, 150, {900, 600},  100, 40},
    ZoomStory{"ResetRestoresTheSizeBefore",     {0, 0, 1900, 1000}, {600, 400},  false, 2, 96,  {},         true,  100, {600, 400},  100, 40},
    ZoomStory{"ResetAfterTheUserSizedIt",       {0, 0, 1900, 1000}, {},          false, 2, 96,  {1000, 700}, true, 100, {667, 467},  100, 40},
    ZoomStory{"ResetAfterAMoveToADenserScreen", {0, 0, 1900, 1000}, {600, 400},  false, 1, 144, {},         true,  100, {900, 600},  100, 40},
    ZoomStory{"Maximised",                      {0, 0, 1900, 1000}, {1900, 1000}, true, 2, 96,  {},         false, 150, {1900, 1000}, 100, 40}),
    [](const auto& row) { return std::string(row.param.case_name); });
// clang-format on

}  // namespace
