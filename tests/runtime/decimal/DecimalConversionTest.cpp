#include "DecimalTestSupport.h"

#include "runtime/decimal/DecimalConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tamberlo {
namespace {

using test::decimal;
using test::plain;

TEST(DecimalConversion, IntegersIn) {
    EXPECT_EQ(plain(decimalFromLong(0)), "0");
    EXPECT_TRUE(isZero(decimalFromLong(0)));
    EXPECT_EQ(plain(decimalFromLong(-42)), "-42");
    EXPECT_EQ(plain(decimalFromLong(std::numeric_limits<std::int32_t>::min())), "-2147483648");
    EXPECT_EQ(plain(decimalFromLong(std::numeric_limits<std::int32_t>::max())), "2147483647");
    EXPECT_EQ(plain(decimalFromUnsignedLong(static_cast<std::uint32_t>(-1))), "4294967295");
}

TEST(DecimalConversion, IntegersOut) {
    struct Case {
        std::string text;
        std::int32_t asLong;
        std::uint32_t asUnsigned;
    } cases[] = {
        {"1.9", 1, 1},
        {"-1.9", -1, 1},
        {"0.9", 0, 0},
        {"0", 0, 0},
        {"1500", 1500, 1500},
        {"2147483647", 2147483647, 2147483647u},
        {"2147483648", std::numeric_limits<std::int32_t>::min(), 2147483648u},
        {"-2147483648", std::numeric_limits<std::int32_t>::min(), 2147483648u},
        {"4294967297", 1, 1},
        {"-4294967297", -1, 1},
        {"12345678901", -539222987, 3755744309u},
        {"1e31", std::numeric_limits<std::int32_t>::min(), 2147483648u},
        {"1e20", 1661992960, 1661992960u},
    };
    for (const auto& [text, asLong, asUnsigned] : cases) {
        EXPECT_EQ(decimalToLong(decimal(text)), asLong) << text;
        EXPECT_EQ(decimalToUnsignedLong(decimal(text)), asUnsigned) << text;
    }
}

TEST(DecimalConversion, RealsIn) {
    struct Case {
        double real;
        std::string expected;
    } cases[] = {
        {0.1, "0.1"},
        {-2.5, "-2.5"},
        {1.005, "1.005"}, // 1.00499999999999989... rounds at the 15th place first
        {0.1 + 0.2, "0.3"},
        {123456789.123456789, "123456789.123457"},
        {1e15 + 0.5, "1000000000000000"},
        {999999999999999.5, "1000000000000000"},
        {6e-16, "0.000000000000001"},
        {4e-16, "0"},
        {1e31, "10000000000000000000000000000000"},
        {9.9999999999999999e31, "0"}, // 10^32 in a double
        {1e300, "0"},
        {-0.0, "0"},
        {std::numeric_limits<double>::quiet_NaN(), "0"},
        {std::numeric_limits<double>::infinity(), "0"},
        {-std::numeric_limits<double>::infinity(), "0"},
    };
    for (const auto& [real, expected] : cases)
        EXPECT_EQ(plain(decimalFromReal(real)), expected) << real;
}

TEST(DecimalConversion, RealsOut) {
    struct Case {
        std::string text;
        double expected;
    } cases[] = {
        {"0", 0.0},
        {"0.1", 0.1},
        {"-1.23", -1.23},
        {"1500", 1500.0},
        {"123456789012.345678", 123456789012.3456}, // the 16 leading digits only
        {"1e31", 1e31},
        {"0.0000000000000001", 1e-16},
        {"-1.2345", -1.2345},
        {"12345678901234567890123456789012", 1234567890123456.0 * 1e16},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(decimalToReal(decimal(text)), expected) << text;
    EXPECT_TRUE(std::signbit(decimalToReal(decimal("-0.5"))));
}

} // namespace
} // namespace tamberlo
