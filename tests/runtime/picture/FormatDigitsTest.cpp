#include "runtime/picture/Format.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tamberlo {
namespace {

// The digit string a decimal value hands to a picture: "-0.005" gives "0005", point 1,
// negative; integer digits at least one, fraction down to the last non-zero digit.
std::string show(std::string_view picture, std::string_view number) {
    bool negative = !number.empty() && number.front() == '-';
    if (negative)
        number.remove_prefix(1);
    auto point = number.find('.');
    std::string integer(number.substr(0, point));
    std::string fraction(point == std::string_view::npos ? "" : number.substr(point + 1));
    integer.erase(0, integer.find_first_not_of('0'));
    if (integer.empty())
        integer = "0";
    fraction.erase(fraction.find_last_not_of('0') + 1);
    auto compiled = compilePicture(picture);
    char out[maxPictureLength];
    auto size =
        formatDigits(compiled, integer + fraction, static_cast<int>(integer.size()), negative, out);
    return std::string(out, size);
}

struct Case {
    const char* picture;
    const char* value;
    const char* text;
};

void check(std::initializer_list<Case> cases) {
    for (const auto& c : cases)
        EXPECT_EQ(show(c.picture, c.value), c.text) << c.picture << " with " << c.value;
}

TEST(FormatDigits, AmountAndRatePictures) {
    check({
        {"n-15.2", "1234567.891", "   1,234,567.89"},
        {"n-15.2", "-1234567.891", "  -1,234,567.89"},
        {"n-15.2", "0", "           0.00"},
        {"n-15.2", "1000000", "   1,000,000.00"},
        {"n-10.2", "-5", "     -5.00"},
        {"n-10.2", "5", "      5.00"},
        {"n-10.2", "0.005", "      0.01"},
        {"n-10.2", "-0.005", "     -0.01"},
        // The sign is the value's before rounding.
        {"n-10.2", "-0.004", "     -0.00"},
        {"n-10.2", "99999.995", " 100000.00"},
        {"n-10.2", "999999.995", " ######.##"},
        {"n-10.2", "-999999.995", "-######.##"},
        {"n-10.2", "12345678", " ######.##"},
        {"@N-17", "1234567.891", "        1,234,568"},
        {"@N-17", "-1234567.891", "       -1,234,568"},
    });
}

TEST(FormatDigits, RegionalMoneyPictures) {
    check({
        {"N-17.`2", "-1234567.891", "    -1.234.567,89"},
        {"N-17_`2", "-1234567.891", "    -1 234 567,89"},
        {"N~kr~-17.`2", "-1234567.891", "  kr-1.234.567,89"},
        {"N-17.`2~kr~", "-1234567.891", "  -1.234.567,89kr"},
        {"N~kr~-17.`2", "0.5", "           kr0,50"},
        {"N~kr ~-17.`2", "12", "         kr 12,00"},
        {"N-17.`", "-1234567.5", "       -1.234.568"},
        {"@N-17.2~ Fr.~", "-5", "        -5.00 Fr."},
    });
}

TEST(FormatDigits, GroupingGivesWayThenOverflows) {
    check({
        {"N9", "1234567", "1,234,567"},
        {"N9", "12345678", "12345,678"},
        {"N9", "123456789", "123456789"},
        {"N9", "1234567890", "#########"},
        {"N9", "9999999.5", "10000,000"},
        {"N9", "99999999.5", "100000000"},
        {"N9", "999999999.5", "#########"},
        {"N-3", "-999", "-##"},
        {"N-4.2", "1", " .##"},
        {"N3.2", "0", ".00"},
        {"N3.2", "-0.5", ".50"},
    });
}

TEST(FormatDigits, SignsCurrencyFillsAndSeparators) {
    check({
        {"N-9", "-5", "       -5"},
        {"N9-", "-5", "       5-"},
        {"N9-", "5", "       5 "},
        {"N(9)", "-5", "      (5)"},
        {"N(9)", "5", "       5 "},
        {"N$-9.2", "-45.75", "  $-45.75"},
        {"N$9.2", "5", "    $5.00"},
        {"N9.2$", "4550.75", "4,550.75$"},
        {"N09.2", "4550.75", "004550.75"},
        {"N_9.2", "4550.75", "  4550.75"},
        {"N*9.2", "4550.75", "**4550.75"},
        {"N*9.2", "0", "*****0.00"},
        {"N-09.2", "-45.75", "-00045.75"},
        {"N-*9.2", "-45.75", "-***45.75"},
        {"N$-09.2", "-5", "$-0005.00"},
        {"N012_.2", "45.75", "0 000 045.75"},
        {"N*12_.2", "45.75", "*******45.75"},
        {"N*12`2", "1234567.5", "*.1234567,50"},
        {"N9_2", "4550.75", " 4,550 75"},
        {"N9`2", "4550.75", " 4.550,75"},
        {"N12_.2", "1234567.5", "1 234 567.50"},
        {"N12.", "1234567", "   1.234.567"},
        {"N9v2", "123.45", "    12345"},
        {"N9v2", "123456.78", "12,345678"},
        {"N9v2", "0.05", "      005"},
    });
}

TEST(FormatDigits, BlankWhenZeroAndRounding) {
    check({
        {"N9.2B", "0", "         "},
        {"N9.2B", "0.001", "     0.00"},
        {"N-9.2b", "-0.001", "    -0.00"},
        {"N9.3", "1.2345", "    1.235"},
        {"N9", "2.5", "        3"},
        {"N9", "-2.5", "        3"},
        {"N9.2", "0.995", "     1.00"},
        {"N9.5", "0.000004", "  0.00000"},
        {"N9.5", "0.000005", "  0.00001"},
    });
}

TEST(FormatDigits, PatternPictures) {
    check({
        {"P##P", "12.5", "13"},
        {"P<</<<P", "1005", "10/ 5"},
        {"P###-##P", "-1234", "012-34"},
        {"P(###)###-####P", "5551234567", "(555)123-4567"},
        {"P(###)###-####P", "1234", "(000)000-1234"},
        {"P<#/##/##P", "10205", " 1/02/05"},
        {"P##P", "123", "##"},
        {"P<<<P", "0", "   "},
        // Without digit positions only a zero integer part shows the literals.
        {"Pab-P", "0.4", "ab-"},
        {"Pab-P", "7", "   "},
        {"P##PB", "0", "  "},
    });
}

TEST(FormatDigits, ScientificPictures) {
    check({
        {"E12.", "1234567.891", " .12346E+007"},
        {"E12.3", "1234567.891", " 123.46E+004"},
        {"E12.3", "-1234567.891", "-123.46E+004"},
        {"E15.4", "0.5", " 5,000.000E-004"},
        {"E15`4", "0.5", " 5.000,000E-004"},
        {"E12.1", "0.00123", " 1.2300E-003"},
        // Rounding that carries moves the exponent instead of overflowing the mantissa.
        {"E10.1", "9.996", " 1.00E+001"},
        {"E7.", "5", " .E+002"},
        {"E10.1", "0", " 0.00E+000"},
        {"E10.1B", "0", "          "},
    });
}

TEST(FormatDigits, TextPicturesCutOrPadTheDigits) {
    check({
        {"s5", "12", "12   "},
        {"S3", "123456", "123"},
        {"K###K", "1", "1  "},
    });
}

TEST(FormatDigits, InvalidPictureGivesNothing) {
    char out[maxPictureLength];
    EXPECT_EQ(formatDigits(compilePicture("N 9.2"), "1", 1, false, out), 0u);
    EXPECT_EQ(formatDigits(CompiledPicture{}, "1", 1, false, out), 0u);
}

TEST(FormatDigits, OddDigitStringsStayInsideThePicture) {
    auto picture = compilePicture("n-10.2");
    char out[maxPictureLength];
    struct Case {
        const char* digits;
        int point;
        const char* text;
    } cases[] = {
        {"", 0, "      0.00"},   {"123", -2, "      0.00"},       {"5", -1, "      0.05"},
        {"12", 5, " 12,000.00"}, {"1", 2147483647, " ######.##"}, {"9", -2147483647, "      0.00"},
    };
    for (const auto& c : cases) {
        auto size = formatDigits(picture, c.digits, c.point, false, out);
        EXPECT_EQ(std::string(out, size), c.text) << c.digits << " at " << c.point;
    }
    // Leading zeros beyond the integer positions are dropped; those that fit show as blanks.
    auto size = formatDigits(compilePicture("N_9.2"), "00000012", 8, false, out);
    EXPECT_EQ(std::string(out, size), "    12.00");
}

} // namespace
} // namespace tamberlo
