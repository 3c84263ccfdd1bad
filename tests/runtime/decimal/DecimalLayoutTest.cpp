#include "DecimalTestSupport.h"

#include "runtime/decimal/DecimalLayout.h"
#include "runtime/decimal/DecimalStack.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tamberlo {
namespace {

using test::bytesOf;
using test::decimal;
using test::hexOf;
using test::plain;

constexpr auto Decimal = DecimalLayout::Decimal;
constexpr auto Packed = DecimalLayout::PackedDecimal;

std::string stored(const std::string& text, int bytes, int places, DecimalLayout layout) {
    std::vector<std::uint8_t> variable(static_cast<std::size_t>(bytes), 0xAA);
    writeDecimalVariable(decimal(text), variable.data(), bytes, places, layout);
    return hexOf(variable);
}

std::string read(const std::string& hex, int bytes, int places, DecimalLayout layout) {
    const auto variable = bytesOf(hex);
    return plain(readDecimalVariable(variable.data(), bytes, places, layout));
}

struct LayoutCase {
    DecimalLayout layout;
    int bytes;
    int places;
    std::string hex;
    std::string text;
};

TEST(DecimalLayout, ReadsBothLayouts) {
    const LayoutCase cases[] = {
        {Decimal, 6, 2, "000000123456", "1234.56"},
        {Decimal, 6, 2, "F00000123456", "-1234.56"},
        {Decimal, 6, 2, "800000000123", "-1.23"}, // any non-zero sign nibble is negative
        {Decimal, 6, 2, "F00000000000", "0"},
        {Decimal, 1, 0, "09", "9"},
        {Decimal, 1, 1, "05", "0.5"},
        {Decimal, 16, 0, "01234567890123456789012345678901", "1234567890123456789012345678901"},
        {Decimal, 16, 31, "F1234567890123456789012345678901", "-0.1234567890123456789012345678901"},
        {Packed, 6, 2, "00000123450F", "1234.5"},
        {Packed, 6, 2, "00000123450D", "-1234.5"},
        {Packed, 6, 2, "00000000012C", "0.12"}, // only 0xD is negative
        {Packed, 6, 2, "00000000000D", "0"},
        {Packed, 1, 0, "9D", "-9"},
        {Packed, 16, 30, "1234567890123456789012345678901F", "1.234567890123456789012345678901"},
    };
    for (const auto& [layout, bytes, places, hex, text] : cases)
        EXPECT_EQ(read(hex, bytes, places, layout), text) << hex << " " << bytes << "," << places;

    EXPECT_TRUE(isZero(readDecimalVariable(nullptr, 6, 2, Decimal)));
    const std::uint8_t one[] = {0x01};
    EXPECT_TRUE(isZero(readDecimalVariable(one, 0, 0, Decimal)));
}

TEST(DecimalLayout, StoresRoundedHalfAwayFromZeroModuloCapacity) {
    const LayoutCase cases[] = {
        {Decimal, 6, 2, "000000123456", "1234.56"},
        {Decimal, 6, 2, "F00000123456", "-1234.56"},
        {Packed, 6, 2, "00000123450F", "1234.5"},
        {Packed, 6, 2, "00000123450D", "-1234.5"},
        {Packed, 6, 2, "00000000000F", "0"},
        {Decimal, 6, 2, "000000000000", "0"},
        // Rounding at the last place.
        {Decimal, 6, 2, "000000000001", "0.005"},
        {Decimal, 6, 2, "000000000000", "0.004"},
        {Decimal, 6, 2, "000000000000", "0.0049999"},
        {Decimal, 6, 2, "F00000000001", "-0.005"},
        {Decimal, 6, 2, "000000000200", "1.995"},
        {Decimal, 6, 2, "000000001000", "9.995"},
        {Decimal, 6, 2, "000000000002", "0.015"},
        {Decimal, 6, 2, "000000000003", "0.025"},
        {Packed, 4, 2, "0000001D", "-0.005"},
        // A value that rounds to zero, or keeps no digit that fits, is positive zero.
        {Decimal, 6, 2, "000000000000", "-0.004"},
        {Packed, 6, 2, "00000000000F", "-0.004"},
        {Decimal, 6, 2, "000000000000", "-1000000000"},
        // The digits that do not fit are dropped on the left.
        {Decimal, 6, 2, "023456789012", "1234567890.12"},
        {Decimal, 6, 2, "000000000000", "999999999.995"},
        {Decimal, 6, 2, "099989999000", "999999899990.000001"},
        {Decimal, 1, 0, "02", "12"},
        {Packed, 1, 0, "2D", "-12"},
        {Decimal, 2, 2, "F001", "-10.01"},
        {Decimal, 16, 0, "09999999999999999999999999999999", "99999999999999999999999999999999"},
    };
    for (const auto& [layout, bytes, places, hex, text] : cases)
        EXPECT_EQ(stored(text, bytes, places, layout), hex)
            << text << " " << bytes << "," << places;
}

TEST(DecimalLayout, StoreIntoAnImpossibleShapeClearsOrLeavesTheVariable) {
    EXPECT_EQ(stored("1.5", 2, 4, Decimal), "0000"); // places beyond the digits
    EXPECT_EQ(stored("1.5", 2, 4, Packed), "000F");
    EXPECT_EQ(stored("1.5", 2, -1, Decimal), "0000");
    std::vector<std::uint8_t> untouched(20, 0xAA);
    writeDecimalVariable(decimal("1"), untouched.data(), 17, 0, Decimal);
    writeDecimalVariable(decimal("1"), untouched.data(), 0, 0, Decimal);
    writeDecimalVariable(decimal("1"), nullptr, 6, 2, Decimal);
    EXPECT_EQ(untouched, std::vector<std::uint8_t>(20, 0xAA));
}

// Every size and every number of places: a value that fills all digit nibbles is written in
// the documented nibble order and reads back unchanged.
TEST(DecimalLayout, EveryShapeRoundTrips) {
    for (int bytes = 1; bytes <= 16; ++bytes) {
        const int digitCount = 2 * bytes - 1;
        std::string digits;
        for (int i = 0; i < digitCount; ++i)
            digits += static_cast<char>('1' + (i % 9));
        for (int places = 0; places <= digitCount; ++places) {
            const bool negative = (bytes + places) % 2 == 1;
            std::string text = negative ? "-" : "";
            const std::string integer =
                digits.substr(0, static_cast<std::size_t>(digitCount - places));
            text += (integer.empty() ? "0" : integer);
            if (places > 0)
                text += "." + digits.substr(static_cast<std::size_t>(digitCount - places));

            const std::string decimalHex = (negative ? "F" : "0") + digits;
            const std::string packedHex = digits + (negative ? "D" : "F");
            EXPECT_EQ(stored(text, bytes, places, Decimal), decimalHex) << text;
            EXPECT_EQ(stored(text, bytes, places, Packed), packedHex) << text;
            EXPECT_EQ(read(decimalHex, bytes, places, Decimal), text);
            EXPECT_EQ(read(packedHex, bytes, places, Packed), text);
        }
    }
}

// The calculator's formulas, as the calculator window runs them on the stack.
TEST(DecimalLayout, CommissionFormula) {
    struct Case {
        std::string sales;    // DECIMAL(11,2)
        std::string expenses; // DECIMAL(11,2), empty for commission on sales
        std::string rate;     // DECIMAL(7,2)
        std::string commission;
    } cases[] = {
        {"000000100000", "", "00000750", "000000007500"},
        {"000000123456", "", "00000750", "000000009259"},
        {"000000003333", "", "00000150", "000000000050"},
        {"000000000007", "", "00000750", "000000000001"},
        {"000000000006", "", "00000750", "000000000000"},
        {"F00000000007", "", "00000750", "F00000000001"},
        {"099999999999", "", "09999999", "099989999000"},
        {"000000500000", "000000120000", "00001250", "000000047500"},
        {"000000100000", "000000150000", "00001000", "F00000005000"},
    };
    for (const auto& [sales, expenses, rate, commission] : cases) {
        const auto salesBytes = bytesOf(sales), expensesBytes = bytesOf(expenses),
                   rateBytes = bytesOf(rate);
        pushDecimal(salesBytes.data(), 6, 2);
        if (!expenses.empty()) {
            pushDecimal(expensesBytes.data(), 6, 2);
            decimalSubtract();
        }
        pushLong(100);
        decimalDivide();
        pushDecimal(rateBytes.data(), 4, 2);
        decimalMultiply();
        std::uint8_t result[6];
        storeDecimal(result, 6, 2);
        EXPECT_EQ(hexOf({result, result + 6}), commission)
            << sales << " " << expenses << " " << rate;
        EXPECT_EQ(decimalStackDepth(), 0);
    }
}

} // namespace
} // namespace tamberlo
