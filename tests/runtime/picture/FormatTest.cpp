#include "runtime/picture/Format.h"
#include "runtime/decimal/DecimalStack.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

namespace tamberlo {
namespace {

WorkingDecimal decimal(const char* text) {
    pushText(text);
    return popWorkingDecimal();
}

TEST(Format, EntryFormsAgreeOnTheSameValue) {
    // An integer, a decimal value, a real and a text of the same amount look alike.
    EXPECT_EQ(FORMAT(-123, "n-10.2"), "   -123.00");
    EXPECT_EQ(FORMAT(decimal("-123"), "n-10.2"), "   -123.00");
    EXPECT_EQ(FORMAT(-123.0, "n-10.2"), "   -123.00");
    EXPECT_EQ(FORMAT(std::string_view("-123"), "n-10.2"), "   -123.00");
    EXPECT_EQ(FORMAT(0, "N9.2B"), "         ");
    EXPECT_EQ(FORMAT(std::numeric_limits<std::int32_t>::min(), "N-14"), "-2,147,483,648");
}

TEST(Format, RealsKeepFifteenSignificantDigits) {
    // 0.1 + 0.2 is 0.30000000000000004 as a double; fifteen digits make it 0.3.
    EXPECT_EQ(FORMAT(0.1 + 0.2, "E22.1"), " 3.00000000000000E-001");
    EXPECT_EQ(FORMAT(0.00123, "E12.1"), " 1.2300E-003");
    EXPECT_EQ(FORMAT(-1e300, "E12.1"), "-1.0000E+300");
    EXPECT_EQ(FORMAT(0.0, "E12.1"), " 0.0000E+000");
    EXPECT_EQ(FORMAT(123456789012345678.0, "E22.1"), " 1.23456789012346E+017");
    // A number that is no number shows as zero; an infinite one overflows.
    EXPECT_EQ(FORMAT(std::numeric_limits<double>::quiet_NaN(), "E12.1"), " 0.0000E+000");
    EXPECT_EQ(FORMAT(std::numeric_limits<double>::infinity(), "E12.1"), " 1.0000E+###");
}

TEST(Format, TextPicturesShowTheValueAsText) {
    EXPECT_EQ(FORMAT(std::string_view("kr"), "s5"), "kr   ");
    EXPECT_EQ(FORMAT(std::string_view("EUR123"), "s5"), "EUR12");
    EXPECT_EQ(FORMAT(-42, "s5"), "-42  ");
    EXPECT_EQ(FORMAT(decimal("-0.05"), "S6"), "-0.05 ");
    EXPECT_EQ(FORMAT(2.5, "K###K"), "2.5");
}

TEST(Format, InvalidPictureGivesTheEmptyText) {
    EXPECT_EQ(FORMAT(5, "N 9.2"), "");
    EXPECT_EQ(FORMAT(decimal("5"), "N9.2x"), "");
    EXPECT_EQ(FORMAT(5.0, "S0"), "");
    EXPECT_EQ(FORMAT(std::string_view("5"), ""), "");
}

TEST(Format, FormattingLeavesTheDecimalStackAsItWas) {
    pushLong(7);
    FORMAT(1.5, "n-10.2");
    FORMAT(std::string_view("1.5"), "E12.1");
    FORMAT(std::string_view("1.5"), "s5");
    EXPECT_EQ(decimalStackDepth(), 1);
    EXPECT_EQ(popLong(), 7);
}

TEST(Format, ThreadsFormatAtTheSameTime) {
    // Each thread compiles into a picture of its own: different pictures must not mix.
    const char* pictures[] = {"n-15.2", "@N~kr ~-17.`2", "E12.3", "s5"};
    const std::string expected[] = {"  -1,234,567.89", " kr -1.234.567,89", "-123.46E+004",
                                    "-1234"};
    auto value = decimal("-1234567.891");
    std::vector<std::thread> threads;
    std::atomic<int> wrong{0};
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 2000; ++i) {
                int p = (t + i) % 4;
                if (FORMAT(value, pictures[p]) != expected[p])
                    ++wrong;
            }
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(wrong, 0);
}

TEST(PopFormatted, FillsTheBufferOrLeavesItEmpty) {
    char buffer[32];
    pushText("-1234.5");
    popFormatted(buffer, sizeof buffer, "n-10.2");
    EXPECT_STREQ(buffer, " -1,234.50");

    // Ten characters and the terminator need eleven bytes: with ten the text is not cut.
    pushText("-1234.5");
    popFormatted(buffer, 10, "n-10.2");
    EXPECT_STREQ(buffer, "");
    pushText("-1234.5");
    popFormatted(buffer, 11, "n-10.2");
    EXPECT_STREQ(buffer, " -1,234.50");

    std::strcpy(buffer, "kept");
    pushText("1");
    popFormatted(buffer, 0, "n-10.2");
    EXPECT_STREQ(buffer, "kept");

    pushText("1");
    popFormatted(buffer, sizeof buffer, "N 9");
    EXPECT_STREQ(buffer, "");

    // No picture: the plain text, as popText gives it.
    pushText("-1234.50");
    popFormatted(buffer, sizeof buffer, "");
    EXPECT_STREQ(buffer, "-1234.5");
    EXPECT_EQ(decimalStackDepth(), 0);
}

} // namespace
} // namespace tamberlo
