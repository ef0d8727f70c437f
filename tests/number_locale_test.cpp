#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "runtime/numbers/numbers.h"

namespace {

// A toolkit may switch the C library to the user's locale (Qt does on
// Linux); numbers must read and print the same whatever its separator.
class CommaLocale : public testing::Test {
protected:
    void SetUp() override {
        const char* previous = std::setlocale(LC_NUMERIC, nullptr);
        previous_ = previous != nullptr ? previous : "C";
        if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale here";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, previous_.c_str()); }

private:
    std::string previous_;
};

TEST_F(CommaLocale, NumbersReadAndPrintAsInTheCLocale) {
    EXPECT_EQ(runtime::read_number("2.5").value, 2.5);
    EXPECT_EQ(runtime::read_number("2,5").value, 2.5);
    EXPECT_EQ(runtime::read_number("-1.5e-3").value, -1.5e-3);
    EXPECT_EQ(runtime::to_text(2.5), "2,5");
    EXPECT_EQ(runtime::to_text(-1.5e-7), "-1,5E-07");
    EXPECT_EQ(runtime::to_text(1.0 / 3.0), "0,333333333333333");
}

}  // namespace
