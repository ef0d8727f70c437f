#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "runtime/form/caption_fit.h"
#include "runtime/form/text_box_rule.h"
#include "runtime/text/utf16.h"

namespace {

struct Insertion {
    std::u16string inserted;
    std::size_t held, replaced;
    std::u16string kept;
};

class KeptByATextBox : public testing::TestWithParam<Insertion> {};

// Of pasted lines, a one-line box keeps the first, as much as it has room for.
TEST_P(KeptByATextBox, IsTheFirstLineOfWhatWasInsertedAsFarAsItFits) {
    EXPECT_EQ(runtime::kept_of_insertion(GetParam().inserted, GetParam().held, GetParam().replaced), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Table, KeptByATextBox,
                         testing::Values(Insertion{u"2\r\n", 0, 0, u"2"}, Insertion{u"2\n5\n", 7, 0, u"2"},
                                         Insertion{u"2\r3", 1, 1, u"2"},  // a lone CR ends a line too
                                         Insertion{u"\n5", 0, 0, u""}, Insertion{u"123", 2, 0, u"123"},
                                         Insertion{u"abcde", 32765, 0, u"ab"},         // the capacity, 32767 units
                                         Insertion{u"abcde", 32767, 3, u"abc"},        // over a selection
                                         Insertion{u"a\xD83D\xDE00", 32765, 0, u"a"},  // never half a pair
                                         Insertion{u"a", 32767, 0, u""}));

TEST(Utf16, LoneSurrogatesReachTheCoreAsInvalidUtf8AndTextRoundTrips) {
    EXPECT_EQ(runtime::to_utf8(u"1\xD800"
                               "2"),
              "1\xED\xA0\x80"
              "2");
    EXPECT_EQ(runtime::to_utf8(u"\xDC00\xD83D\xDE00"), "\xED\xB0\x80\xF0\x9F\x98\x80");
    const std::string mixed = "a\xC5\x9F\xE2\x80\xA6\xF0\x9F\x98\x80";
    EXPECT_EQ(runtime::to_utf8(runtime::to_utf16(mixed)), mixed);
    EXPECT_EQ(runtime::to_utf16("1\xFF\xC5\xED\xA0\x80\xED\xBF\xBF"), u"1\xFFFD\xFFFD\xFFFD\xFFFD");
}

// Half an em a character, a line 1.25 em high, at 96 dpi: 8 points make
// 5.33 px characters on 14 px lines.
runtime::Size measure(std::string_view text, runtime::Font font) {
    const double em = font.points.value_or(8) * 96 / 72.0;
    return {static_cast<int>(std::ceil(static_cast<double>(text.size()) * em / 2)),
            static_cast<int>(std::ceil(em * 1.25))};
}

struct Fit {
    std::string caption;
    std::optional<float> points;
    runtime::Size box;
    runtime::FittedCaption laid_out;
};

class CaptionFits : public testing::TestWithParam<Fit> {};

TEST_P(CaptionFits, IsBrokenAtSpacesAndShrunkUntilItFits) {
    EXPECT_EQ(runtime::fit_caption(GetParam().caption, {GetParam().points}, GetParam().box, measure),
              GetParam().laid_out);
}

// Measuring is the costly part of laying a window out: no text is measured
// twice at one size, the whole caption as a line of it included.
TEST_P(CaptionFits, MeasuresNoTextTwiceAtOneSize) {
    std::map<std::pair<std::string, float>, int> measured;
    const auto counting = [&measured](std::string_view text, runtime::Font font) {
        ++measured[{std::string(text), font.points.value_or(0)}];
        return measure(text, font);
    };
    static_cast<void>(runtime::fit_caption(GetParam().caption, {GetParam().points}, GetParam().box, counting));
    for (const auto& [text, times] : measured) EXPECT_EQ(times, 1) << '"' << text.first << "\" at " << text.second;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CaptionFits,
    testing::Values(
        Fit{"a - ning qiymati", 10, {81, 34}, {{10}, {{0, 8}, {9, 16}}, 17}},     // two lines fit
        Fit{"ab  cd", 8, {100, 14}, {{8}, {{0, 6}}, 14}},                         // one line keeps its spaces
        Fit{"ab  cd ef", 8, {33, 60}, {{8}, {{0, 6}, {7, 9}}, 14}},               // a break draws none
        Fit{"abcdefgh ij", 12, {60, 100}, {{11.0f}, {{0, 8}, {9, 11}}, 19}},      // shrinks until its longest word fits
        Fit{"abcdefghij", 15, {30, 100}, {{6}, {{0, 10}}, 10}},                   // never below 6 points
        Fit{"abcd abcd", 8, {40, 14}, {{6.5f}, {{0, 9}}, 11}},                    // one line high: smaller, one line
        Fit{"abcd abcd", std::nullopt, {20, 100}, {{}, {{0, 4}, {5, 9}}, 14}}));  // the default font is only broken

}  // namespace
