#include <gtest/gtest.h>

#include <string>

#include "runtime/text/quote.h"

namespace {

const std::string r(runtime::placeholder);

struct Quote {
    std::string typed;
    std::string shown;
};

class QuotedText : public testing::TestWithParam<Quote> {};

TEST_P(QuotedText, ShowsEveryCharacterOrAPlaceholder) {
    EXPECT_EQ(runtime::quoted_excerpt(GetParam().typed), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, QuotedText,
    testing::Values(
        // Drawing nothing: zero-width space, non-joiner and joiner, word
        // joiner, byte-order mark, soft hyphen, line and paragraph
        // separators, the ends of C0 and C1, private use, unassigned, a
        // noncharacter.
        Quote{"5\xE2\x80\x8B", "5" + r}, Quote{"\xE2\x80\x8C\xE2\x80\x8D\xE2\x81\xA0", r + r + r},
        Quote{"\xEF\xBB\xBF"
              "5\xC2\xAD",
              r + "5" + r},
        Quote{"\xE2\x80\xA8\xE2\x80\xA9", r + r}, Quote{"\x1F\x7F\xC2\x9F", r + r + r},
        Quote{"\xEE\x80\x80\xF3\xB0\x80\x80\xCD\xB8\xEF\xBF\xBF", r + r + r + r},
        // Reordering: Arabic letter mark, marks, overrides, isolates.
        Quote{"\xD8\x9C\xE2\x80\x8E\xE2\x80\x8F", r + r + r},
        Quote{"1\xE2\x80\xAE"
              "2",
              "1" + r + "2"},
        Quote{"\xE2\x81\xA6\xE2\x81\xA7\xE2\x81\xA8\xE2\x81\xA9", r + r + r + r},
        // Their neighbours are drawn: space, '~', no-break space, (R), U+2070,
        // and the first of a block the data lists by its ends.
        Quote{" ~\xC2\xA0\xC2\xAE\xE2\x81\xB0\xE4\xB8\x80", " ~\xC2\xA0\xC2\xAE\xE2\x81\xB0\xE4\xB8\x80"},
        // Invalid UTF-8: one placeholder for a surrogate's three bytes and
        // for a cut sequence, one for each other byte.
        Quote{"1\xED\xA0\x80"
              "2\xED\xBF\xBF",
              "1" + r + "2" + r},
        Quote{"\xE2\x80"
              "5\xF0\x9F\x98",
              r + "5" + r},
        Quote{"2\xFF\x80\xBF", "2" + r + r + r}, Quote{"\xC1\x81", r + r}, Quote{"\xE0\x81\x81", r + r + r},
        Quote{"\xF0\x80\x81\x81", r + r + r + r}, Quote{"\xF4\x90\x80\x80\xF5\x80", r + r + r + r + r + r}));

TEST(QuotedText, IsCutAfterFortyCharactersNotInsideOne) {
    std::string text, expected;
    for (int i = 0; i < 50; ++i) text += "\xC5\x9F";  // a two-byte letter
    for (int i = 0; i < 40; ++i) expected += "\xC5\x9F";
    EXPECT_EQ(runtime::quoted_excerpt(text), expected + "\xE2\x80\xA6");
}

}  // namespace
