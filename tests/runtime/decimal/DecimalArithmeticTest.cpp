#include "DecimalTestSupport.h"

#include "runtime/decimal/DecimalArithmetic.h"
#include "runtime/decimal/DecimalDigitwise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace tamberlo {
namespace {

using test::decimal;
using test::plain;
using test::Reference;

const std::string nines32(32, '9');

struct BinaryCase {
    std::string left;
    std::string right;
    std::string expected;
};

TEST(DecimalArithmetic, AdditionAndSubtraction) {
    const BinaryCase sums[] = {
        {"1", "2", "3"},
        {"0.1", "0.9", "1"},
        {"0.5", "0.25", "0.75"},
        {"-3", "5", "2"},
        {"3", "-5", "-2"},
        {"-1.5", "-2.25", "-3.75"},
        {"0", "7", "7"},
        {"-7", "0", "-7"},
        {"1.23", "-1.23", "0"},
        {"0.00000000000000000000000000000001", "0.00000000000000000000000000000001",
         "0.00000000000000000000000000000002"},
        // The carry out of 10^31 is dropped: sums wrap at 10^32.
        {nines32, "1", "0"},
        {nines32, "2", "1"},
        {"-" + nines32, "-1", "0"},
        {"9e31", "2e31", "10000000000000000000000000000000"},
    };
    for (const auto& [left, right, expected] : sums)
        EXPECT_EQ(plain(addDecimal(decimal(left), decimal(right))), expected)
            << left << " + " << right;

    const BinaryCase differences[] = {
        {"5", "3", "2"},          {"3", "5", "-2"},
        {"100", "0.01", "99.99"}, {"0", "7", "-7"},
        {"7", "0", "7"},          {"-0.5", "-0.5", "0"},
        {"-2", "3", "-5"},        {"1000.00", "1500", "-500"},
        {"5000", "1200", "3800"}, {"-" + nines32, "1", "0"},
    };
    for (const auto& [left, right, expected] : differences)
        EXPECT_EQ(plain(subtractDecimal(decimal(left), decimal(right))), expected)
            << left << " - " << right;

    EXPECT_TRUE(isZero(subtractDecimal(decimal("1.50"), decimal("1.5"))));
}

TEST(DecimalArithmetic, Multiplication) {
    const BinaryCase cases[] = {
        {"12.3456", "7.50", "92.592"},
        {"-3", "-4", "12"},
        {"-3", "4", "-12"},
        {"-0.5", "0.5", "-0.25"},
        {"0", "5", "0"},
        {"5", "-0", "0"},
        {"1234567890123456", "1234567890123456", "1524157875323881726870921383936"},
        {"9999999.9999", "99999.99", "999999899990.000001"},
        // A magnitude of 10^32 or more cannot be held: zero.
        {"12345678901234567", "12345678901234567", "0"},
        {"1e16", "1e16", "0"},
        {"5e31", "2", "0"},
        // Digits below 10^-32 are dropped, and so is a partial product that lies wholly at
        // or below 10^-32.
        {"0.5", "0.0000000000000000000000000000001", "0"},
        {"1e-16", "1e-16", "0"},
        {"0.123", "1e-30", "0.00000000000000000000000000000012"},
        {"1.5e-15", "1e-16", "0.00000000000000000000000000000015"},
        {"1e-20", "1e20", "1"},
        {"1e-31", "0.5", "0"},
        {"1e-31", "5", "0.0000000000000000000000000000005"},
    };
    for (const auto& [left, right, expected] : cases)
        EXPECT_EQ(plain(multiplyDecimal(decimal(left), decimal(right))), expected)
            << left << " * " << right;
}

TEST(DecimalArithmetic, Division) {
    const BinaryCase cases[] = {
        // Zero dividend, zero divisor, divisors that round to zero at 29 places.
        {"0", "5", "0"},
        {"1", "0", "0"},
        {"0", "0", "0"},
        {"1", "0.000000000000000000000000000001", "0"},
        {"1", "0.0000000000000000000000000000049", "0"},
        // Powers of ten move the digits.
        {"123456789", "0.001", "123456789000"},
        {"1", "0.000000000000000000000000000005", "100000000000000000000000000000"},
        {"1234.56", "100", "12.3456"},
        {"-7", "1", "-7"},
        {"1.23e-30", "10", "0." + std::string(30, '0') + "12"},
        {"1e-31", "10", "0"},
        {"5e30", "0.1", "50000000000000000000000000000000"},
        {"5e31", "0.1", "0"},
        // One significant digit: short division, rounded half up at 32 places.
        {"10", "4", "2.5"},
        {"5", "-2", "-2.5"},
        {"1000", "3", "333.33333333333333333333333333333333"},
        {"2", "3", "0.66666666666666666666666666666667"},
        {"-2", "3", "-0.66666666666666666666666666666667"},
        {"2", "7", "0.28571428571428571428571428571429"},
        {"1", "0.3", "3.33333333333333333333333333333333"},
        {"9", "0.003", "3000"},
        {"9e30", "3", "3000000000000000000000000000000"},
        {"2e31", "2", "0"}, // the first quotient digit would stand at 10^31
        {"1", "7.0000000000000000000000000000001", "0.14285714285714285714285714285714"},
        {"0.0000000000000000000000000000001", "3", "0.00000000000000000000000000000003"},
        {"0.99999999999999999999999999999999", "2", "0.5"},
        // Long division, truncated at 32 places.
        {"1", "13", "0.07692307692307692307692307692307"},
        {"1", "81", "0.01234567901234567901234567901234"},
        {"123", "1.5", "82"},
        {"-123", "-1.5", "82"},
        {"10", "0.25", "40"},
        // The divisor is rounded to 29 places first.
        {"2", "0.7500000000000000000000000000049", "2.66666666666666666666666666666666"},
        {"1", "0.1249999999999999999999999999951", "8"},
        {"1500000000000000000000000000000", "12", "125000000000000000000000000000"},
        {"1", "1500000000000000000000000000000", "0.00000000000000000000000000000066"},
        // The first quotient digit's place counts the digit that scaling may add to the
        // dividend (times 3 for a divisor led by 2): 3.333 stays below 10, 3.334 does not.
        {"3333e27", "2.5", "1333200000000000000000000000000"},
        {"3334e27", "2.5", "0"},
        {"3.4e-31", "25", "0." + std::string(31, '0') + "1"},
        {"3.3e-31", "25", "0"},
    };
    for (const auto& [dividend, divisor, expected] : cases)
        EXPECT_EQ(plain(divideDecimal(decimal(dividend), decimal(divisor))), expected)
            << dividend << " / " << divisor;
}

TEST(DecimalArithmetic, ComparisonAndSigns) {
    struct Case {
        std::string left;
        std::string right;
        int expected;
    } cases[] = {
        {"0", "0", 0},     {"0", "-0.00", 0},  {"1", "2", -1},          {"2", "1", 1},
        {"-1", "-2", 1},   {"1.5", "1.50", 0}, {"1.05", "1.5", -1},     {"-0.5", "0", -1},
        {"0", "-0.5", 1},  {"10", "9.99", 1},  {"0.001", "0.0011", -1}, {"-0.001", "-0.0011", 1},
        {"100", "1e2", 0}, {"-3", "2", -1},    {nines32, "1e31", 1},
    };
    for (const auto& [left, right, expected] : cases)
        EXPECT_EQ(compareDecimal(decimal(left), decimal(right)), expected)
            << left << " <=> " << right;

    EXPECT_EQ(plain(negateDecimal(decimal("5"))), "-5");
    EXPECT_EQ(plain(negateDecimal(decimal("-0.5"))), "0.5");
    EXPECT_TRUE(isZero(negateDecimal(decimal("0"))));
    EXPECT_EQ(plain(absoluteDecimal(decimal("-5"))), "5");
    EXPECT_TRUE(isZero(absoluteDecimal(decimal("0"))));
}

// Random operands checked against the plain reference arithmetic, where the engine's result
// is exact (or exactly truncated or rounded).
class RandomOperands {
public:
    // A number of 1 to `maxDigits` significant digits with up to `maxScale` places.
    std::string next(int maxDigits, int maxScale, bool twoSignificantDigits = false) {
        const int count = pick(twoSignificantDigits ? 2 : 1, maxDigits);
        std::string digits;
        for (int i = 0; i < count; ++i)
            digits += static_cast<char>('0' + pick(i == 0 || i == count - 1 ? 1 : 0, 9));
        const int scale = pick(0, maxScale);
        std::string text = pick(0, 1) ? "-" : "";
        if (scale >= count)
            text += "0." + std::string(static_cast<std::size_t>(scale - count), '0') + digits;
        else
            text +=
                digits.substr(0, count - scale) + (scale ? "." + digits.substr(count - scale) : "");
        return text;
    }
    // A positive number whose leading digit stands at 10^(integerDigits - 1).
    std::string withIntegerDigits(int integerDigits, int fractionDigits) {
        std::string text = std::to_string(pick(1, 9));
        for (int i = 1; i < integerDigits; ++i)
            text += static_cast<char>('0' + pick(0, 9));
        if (fractionDigits > 0)
            text += '.';
        for (int i = 0; i < fractionDigits; ++i)
            text += static_cast<char>('0' + pick(i == fractionDigits - 1 ? 1 : 0, 9));
        return text;
    }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

private:
    std::mt19937 m_random{20261211};
};

TEST(DecimalArithmetic, AgreesWithPlainArithmeticOnRandomOperands) {
    RandomOperands random;
    for (int i = 0; i < 400; ++i) {
        const std::string a = random.next(30, 30), b = random.next(30, 30);
        const Reference sum = test::add(Reference::parse(a), Reference::parse(b));
        if (sum.integerDigits() <= 31) {
            ASSERT_EQ(plain(addDecimal(decimal(a), decimal(b))), sum.text()) << a << " + " << b;
        }
        Reference negated = Reference::parse(b);
        negated.negative = !negated.negative;
        negated.trim();
        const Reference difference = test::add(Reference::parse(a), negated);
        if (difference.integerDigits() <= 31) {
            ASSERT_EQ(plain(subtractDecimal(decimal(a), decimal(b))), difference.text())
                << a << " - " << b;
        }
    }
    for (int i = 0; i < 400; ++i) {
        const std::string a = random.next(16, 16), b = random.next(16, 16);
        const Reference product = test::multiply(Reference::parse(a), Reference::parse(b));
        if (product.scale <= 32 && product.integerDigits() <= 30) {
            ASSERT_EQ(plain(multiplyDecimal(decimal(a), decimal(b))), product.text())
                << a << " * " << b;
        }
    }
    int longDivisions = 0;
    for (int i = 0; i < 600; ++i) {
        const std::string a = random.next(20, 25), b = random.next(18, 25, true);
        const Reference quotient = test::divide(Reference::parse(a), Reference::parse(b), false);
        if (quotient.integerDigits() > 28 || quotient.digits.size() < 8)
            continue;
        ++longDivisions;
        ASSERT_EQ(plain(divideDecimal(decimal(a), decimal(b))), quotient.text()) << a << " / " << b;
    }
    // Operands with a leading digit at 10^30 are scaled down by ten first.
    for (int i = 0; i < 200; ++i) {
        std::string a = random.withIntegerDigits(31, random.pick(0, 1)),
                    b = random.withIntegerDigits(random.pick(3, 20), random.pick(1, 3));
        if (i % 2)
            std::swap(a, b);
        const Reference quotient = test::divide(Reference::parse(a), Reference::parse(b), false);
        if (quotient.integerDigits() > 28 || quotient.digits.size() < 8)
            continue;
        ++longDivisions;
        ASSERT_EQ(plain(divideDecimal(decimal(a), decimal(b))), quotient.text()) << a << " / " << b;
    }
    EXPECT_GT(longDivisions, 500);
    for (int i = 0; i < 300; ++i) {
        const std::string a = random.next(20, 25);
        const std::string b =
            std::to_string(random.pick(2, 9)) + "e" + std::to_string(random.pick(-12, 12));
        const Reference quotient =
            test::divide(Reference::parse(a), Reference::parse(plain(decimal(b))), true);
        if (quotient.integerDigits() > 28 || quotient.digits.size() < 8)
            continue;
        ASSERT_EQ(plain(divideDecimal(decimal(a), decimal(b))), quotient.text()) << a << " / " << b;
    }
}

} // namespace
} // namespace tamberlo

namespace tamberlo {
namespace {

// A value anywhere in the working range, with digit patterns that reach the edge cases of
// multiplication and division: runs of nines and threes, lone leading digits, sparse digits.
WorkingDecimal randomWorkingDecimal(std::mt19937& random) {
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const int highEntry = pick(0, 63);
    const int count = pick(1, std::min(highEntry + 1, pick(0, 3) == 0 ? 64 : 20));
    const int pattern = pick(0, 4);
    WorkingDecimal value;
    for (int entry = highEntry; entry > highEntry - count; --entry) {
        int digit = pick(0, 9);
        if (pattern == 1)
            digit = 9;
        else if (pattern == 2)
            digit = pick(0, 5) == 0 ? pick(0, 9) : 3;
        else if (pattern == 3)
            digit = pick(0, 6) == 0 ? pick(1, 9) : 0;
        value.digits[static_cast<std::size_t>(entry)] = static_cast<std::uint8_t>(digit);
    }
    value.digits[static_cast<std::size_t>(highEntry)] = static_cast<std::uint8_t>(
        pattern == 4 ? pick(1, 4) : std::max<int>(value.digits[highEntry], 1));
    value.low = static_cast<std::uint8_t>(highEntry - count + 1);
    value.high = static_cast<std::uint8_t>(highEntry);
    value.sign = pick(0, 1) ? 1 : -1;
    return value;
}

// The operators take binary routes where they give the same digits as working digit by
// digit; over the whole range, including overflow, dropped digits and quotients out of range,
// both must agree exactly.
TEST(DecimalArithmetic, BinaryRoutesAgreeWithDigitByDigitWork) {
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i) {
        const WorkingDecimal a = randomWorkingDecimal(random);
        WorkingDecimal b = randomWorkingDecimal(random);
        if (i % 4 == 0) { // near a's size, so that quotients and products stay in range
            const int shift = std::uniform_int_distribution<int>(-8, 8)(random);
            const int high = std::clamp(a.high + shift, 0, 63);
            b = WorkingDecimal{};
            for (int entry = high; entry >= std::max(0, high - 17); --entry)
                b.digits[static_cast<std::size_t>(entry)] =
                    static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 9)(random));
            b.digits[static_cast<std::size_t>(high)] =
                1 + b.digits[static_cast<std::size_t>(high)] % 9;
            b.low = static_cast<std::uint8_t>(std::max(0, high - 17));
            b.high = static_cast<std::uint8_t>(high);
            b.sign = 1;
        }
        ASSERT_EQ(plain(multiplyDecimal(a, b)), plain(multiplyDecimalDigitwise(a, b)))
            << plain(a) << " * " << plain(b);
        ASSERT_EQ(plain(divideDecimal(a, b)), plain(divideDecimalDigitwise(a, b)))
            << plain(a) << " / " << plain(b);
    }
}

} // namespace
} // namespace tamberlo
