#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "runtime/form/caption_fit.h"
#include "runtime/form/text_box_rule.h"
#include "runtime/text/utf16.h"

namespace {

struct Insertion {
    std::u16string before, after;
    std::size_t cursor;
    std::u16string kept;
    std::size_t kept_cursor;
};

class KeptByATextBox : public testing::TestWithParam<Insertion> {};

// Of pasted lines, a one-line box keeps the first, wherever they go in.
TEST_P(KeptByATextBox, IsTheFirstLineOfWhatWasInserted) {
    const runtime::Edit kept = runtime::keep_first_line(GetParam().before, GetParam().after, GetParam().cursor);
    EXPECT_EQ(kept.text, GetParam().kept);
    EXPECT_EQ(kept.cursor, GetParam().kept_cursor);
}

INSTANTIATE_TEST_SUITE_P(Table, KeptByATextBox,
                         testing::Values(Insertion{u"", u"2\r\n", 3, u"2", 1}, Insertion{u"", u"2\n5\n", 4, u"2", 1},
                                         Insertion{u"14", u"1\r\n2\n4", 5, u"14", 1},  // inserted at 1
                                         Insertion{u"22", u"2\n22", 2, u"222", 1},     // "2\n" before, not "\n2" after
                                         Insertion{u"abc", u"x\ny", 3, u"x", 1},       // over a selection
                                         Insertion{u"", u"\n5", 2, u"", 0}, Insertion{u"12", u"123", 3, u"123", 3}));

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

INSTANTIATE_TEST_SUITE_P(
    Table, CaptionFits,
    testing::Values(
        Fit{"a - ning qiymati", 10, {81, 34}, {{10}, "a - ning\nqiymati"}},  // two lines fit
        Fit{"ab  cd", 8, {100, 14}, {{8}, "ab  cd"}},                        // one line keeps its spaces
        Fit{"ab  cd ef", 8, {33, 60}, {{8}, "ab  cd\nef"}},                  // a break drops them
        Fit{"abcdefgh ij", 12, {60, 100}, {{11.0f}, "abcdefgh\nij"}},        // shrinks until its longest word fits
        Fit{"abcdefghij", 15, {30, 100}, {{6}, "abcdefghij"}},               // never below 6 points
        Fit{"abcd abcd", std::nullopt, {20, 100}, {{}, "abcd\nabcd"}}));     // the default font is only broken

}  // namespace
