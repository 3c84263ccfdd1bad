#include "DecimalTestSupport.h"

#include "runtime/decimal/DecimalStack.h"
#include "runtime/decimal/DigitString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace tamberlo {
namespace {

using test::decimal;
using test::plain;

TEST(DecimalText, ConvertsTheNumberAtTheStartOfTheText) {
    const std::string thirtyTwoDigits = "12345678901234567890123456789012";
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
        {"1234.56", "1234.56"},
        {"  -0.05", "-0.05"},
        {"\t\n\v\f\r 7", "7"},
        {"1,5", "1.5"},
        {"1,234.56", "1.234"}, // the comma is the decimal point too
        {"1.5e3", "1500"},
        {"1.5E+3", "1500"},
        {"15e-1", "1.5"},
        {"0.5e-31", "0.00000000000000000000000000000005"},
        {".5", "0.5"},
        {"5.", "5"},
        {"1.2.3", "1.2"},
        {"1e", "1"},
        {"1e+", "1"},
        {"1 234", "1"},
        {"12xy", "12"},
        {"007", "7"},
        {"0.00", "0"},
        {"-0.0", "0"},
        {"+5", "0"},
        {"-", "0"},
        {"- 5", "0"},
        {".", "0"},
        {"", "0"},
        {"xyz", "0"},
        {"1e40", "0"},
        {"1e99999999999999999999", "0"},
        {"1e-99999999999999999999", "0"},
        {thirtyTwoDigits, thirtyTwoDigits},
        {thirtyTwoDigits + "3", "0"},
        {"0." + std::string(31, '0') + "1", "0." + std::string(31, '0') + "1"},
        {"0." + std::string(32, '0') + "1", "0"},
        {"0." + std::string(31, '0') + "19", "0." + std::string(31, '0') + "1"}, // truncated
        {"1" + std::string(40, '0') + "e-20", "1" + std::string(20, '0')},
    };
    for (const auto& [text, expected] : cases) {
        const WorkingDecimal value = decimal(text);
        EXPECT_EQ(plain(value), expected) << "text \"" << text << "\"";
        EXPECT_EQ(isZero(value), expected == "0") << text;
    }
}

TEST(DecimalText, OnlyTheFirst99CharactersAreConverted) {
    EXPECT_EQ(plain(decimal(std::string(98, '0') + "7")), "7");
    EXPECT_EQ(plain(decimal(std::string(99, '0') + "7")), "0");
    EXPECT_EQ(plain(decimal(std::string(98, ' ') + "12")), "1");
}

TEST(DecimalText, PlainTextOut) {
    const std::string thirtyTwoNines(32, '9');
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
        {"-123.45", "-123.45"},
        {"0.05", "0.05"},
        {"1500", "1500"},
        {"12.3400", "12.34"},
        {"0", "0"},
        {"-0.5", "-0.5"},
        {"100.001", "100.001"},
        {thirtyTwoNines, thirtyTwoNines},
        {"-9.99e31", "-99900000000000000000000000000000"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(plain(decimal(text)), expected) << text;

    // The longest text: sign, 32 integer digits, point and 32 fraction digits.
    const std::string longest = "-" + std::string(32, '9') + "." + std::string(32, '9');
    WorkingDecimal value = decimalFromText("-" + std::string(32, '9'));
    WorkingDecimal fraction = decimalFromText("0." + std::string(32, '9'));
    for (int i = 0; i < 32; ++i)
        value.digits[i] = fraction.digits[i];
    value.low = 0;
    EXPECT_EQ(plain(value), longest);
    EXPECT_EQ(longest.size(), maxPlainTextLength);
}

TEST(DecimalText, PopTextLeavesTheEmptyTextWhenTheBufferIsTooSmall) {
    struct Case {
        std::size_t size;
        std::string expected;
    } cases[] = {{8, "-123.45"}, {7, ""}, {1, ""}, {80, "-123.45"}};
    for (const auto& [size, expected] : cases) {
        char buffer[80];
        std::memset(buffer, 'x', sizeof buffer);
        pushText("-123.45");
        popText(buffer, size);
        EXPECT_EQ(std::string(buffer), expected) << "size " << size;
    }
    char untouched[4] = "abc";
    pushText("5");
    popText(untouched, 0);
    EXPECT_STREQ(untouched, "abc");
    EXPECT_EQ(decimalStackDepth(), 0);
}

TEST(DecimalText, DigitStringsForDisplayPictures) {
    struct Case {
        std::string text;
        std::string digits;
        int pointPosition;
        bool negative;
    } cases[] = {
        {"1234.5", "12345", 4, false},
        {"-0.05", "005", 1, true},
        {"0", "0", 1, false},
        {"1500", "1500", 4, false},
        {"12.3400", "1234", 2, false},
        // All 64 entries: the longest digit string there is.
        {std::string(32, '9') + "." + std::string(31, '0') + "1",
         std::string(32, '9') + std::string(31, '0') + "1", 32, false},
    };
    for (const auto& [text, digits, pointPosition, negative] : cases) {
        const DigitString result = toDigitString(decimal(text));
        EXPECT_EQ(result.view(), digits) << text;
        EXPECT_EQ(result.pointPosition, pointPosition) << text;
        EXPECT_EQ(result.negative, negative) << text;
    }
}

} // namespace
} // namespace tamberlo
