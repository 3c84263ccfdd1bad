#include "runtime/entry/EntryField.h"
#include "runtime/decimal/DecimalStack.h"
#include "runtime/entry/NumericEntryReader.h"
#include "tests/runtime/decimal/DecimalTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace tamberlo {
namespace {

using test::hexOf;
using test::plain;

// A DECIMAL variable of the calculator window, bound to an entry with a picture.
struct DecimalEntry {
    std::vector<std::uint8_t> bytes;
    EntryField field;

    DecimalEntry(const char* picture, int size, int places, const char* initial = "0")
        : bytes(static_cast<std::size_t>(size)) {
        pushText(initial);
        storeDecimal(bytes.data(), size, places);
        field.setPicture(picture);
        field.bind({VariableType::Decimal, bytes.data(), static_cast<std::uint16_t>(size),
                    static_cast<std::uint8_t>(places)});
        field.display();
    }

    std::string variable() const {
        pushDecimal(bytes.data(), static_cast<int>(bytes.size()), field.variable().places);
        char text[80];
        popText(text, sizeof text);
        return text;
    }
};

TEST(EntryField, ReadingOnFocusLoss) {
    DecimalEntry sales("@N-17.`2", 6, 2, "1000");
    EXPECT_EQ(sales.field.text(), "1.000,00");
    EXPECT_TRUE(sales.field.readFlag());
    // Left untouched: nothing is read and nothing is accepted.
    EXPECT_FALSE(sales.field.readOnFocusLoss());

    sales.field.setText("1234,5");
    EXPECT_TRUE(sales.field.modified());
    EXPECT_TRUE(sales.field.readOnFocusLoss());
    EXPECT_EQ(sales.variable(), "1234.5");
    EXPECT_EQ(sales.field.text(), "1.234,50");
    EXPECT_EQ(sales.field.rejectCode(), 0);
    EXPECT_FALSE(sales.field.modified());
    EXPECT_EQ(decimalStackDepth(), 0);
}

TEST(EntryField, RefusedTextStaysAndIsReadAgain) {
    DecimalEntry sales("@N-17.`2", 6, 2, "75");
    sales.field.setText("12kr");
    EXPECT_FALSE(sales.field.readOnFocusLoss());
    EXPECT_EQ(sales.field.rejectCode(), 4);
    EXPECT_FALSE(sales.field.readFlag());
    EXPECT_EQ(sales.field.text(), "12kr");
    EXPECT_EQ(sales.variable(), "75");
    EXPECT_EQ(plain(sales.field.value()), "75");

    // Unread text is read at the next occasion even though it was not touched.
    EXPECT_FALSE(sales.field.update());
    EXPECT_EQ(sales.field.rejectCode(), 4);

    // Displaying the window puts the variable's value back.
    sales.field.display();
    EXPECT_EQ(sales.field.text(), "75,00");
    EXPECT_TRUE(sales.field.readFlag());
    EXPECT_TRUE(sales.field.update());
    EXPECT_EQ(sales.field.rejectCode(), 4) << "nothing was read since the refusal";

    sales.field.setText("-5");
    EXPECT_TRUE(sales.field.update());
    EXPECT_EQ(sales.field.rejectCode(), 0);
    EXPECT_EQ(sales.variable(), "-5");
    EXPECT_EQ(decimalStackDepth(), 0);
}

// The variable takes the value rounded half away from zero to its places; a value whose integer
// part it cannot hold is refused like text that does not fit the picture.
TEST(EntryField, AssignmentIntoTheCalculatorsVariables) {
    struct Case {
        const char* picture;
        int size, places;
        const char* typed;
        const char* stored; // nullptr: refused, the variable keeps 7
        const char* shown;  // what the field shows after a successful reading
    } cases[] = {
        // The rate: DECIMAL(7,2) under the regional picture's ten integer slots.
        {"@N-17.`2", 4, 2, "123456,78", nullptr, nullptr},
        {"@N-17.`2", 4, 2, "99999,99", "99999.99", "99.999,99"},
        {"@N-17.`2", 4, 2, "-99999,99", "-99999.99", "-99.999,99"},
        // Three places into two: rounded, unless the rounding needs a sixth integer digit.
        {"@N-17.`3", 6, 2, "1,235", "1.24", "1,235"},
        {"@N-17.`3", 6, 2, "-1,235", "-1.24", "-1,235"},
        {"@N-17.`3", 6, 2, "0,004", "0", "0,004"},
        {"@N-17.`3", 4, 2, "99999,995", nullptr, nullptr},
        {"@N-17.`3", 4, 2, "99999,994", "99999.99", "99.999,994"},
        // Amounts: DECIMAL(11,2).
        {"@N-17.`2", 6, 2, "999.999.999,99", "999999999.99", "999.999.999,99"},
        {"@N-17.`2", 6, 2, "1.000.000.000", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        DecimalEntry entry(c.picture, c.size, c.places, "7");
        entry.field.setText(c.typed);
        const bool read = entry.field.readOnFocusLoss();
        EXPECT_EQ(read, c.stored != nullptr) << c.typed;
        if (read) {
            EXPECT_EQ(entry.variable(), c.stored) << c.typed;
            EXPECT_EQ(entry.field.text(), c.shown) << c.typed;
        } else {
            EXPECT_EQ(entry.variable(), "7") << c.typed;
            EXPECT_EQ(entry.field.text(), c.typed);
            EXPECT_EQ(entry.field.rejectCode(), 4) << c.typed;
        }
    }
    EXPECT_EQ(decimalStackDepth(), 0);
}

TEST(EntryField, OtherVariableTypesTakeTheValueAsConverted) {
    std::uint8_t byte = 9;
    std::int32_t longValue = 9;
    double real = 9;
    char text[5] = {'9', ' ', ' ', ' ', ' '};
    std::vector<std::uint8_t> packed(4);
    struct Case {
        UseVariable variable;
        const char* typed;
        bool read;
    } cases[] = {
        {{VariableType::Byte, &byte, 1, 0}, "255,9", true},
        {{VariableType::Byte, &byte, 1, 0}, "256", false},
        {{VariableType::Byte, &byte, 1, 0}, "-1", false},
        {{VariableType::Long, &longValue, 4, 0}, "-2.147.483.648,5", true},
        {{VariableType::Long, &longValue, 4, 0}, "2.147.483.648", false},
        {{VariableType::Real, &real, 8, 0}, "1234,5", true},
        {{VariableType::Text, text, 5, 0}, "-12,5", true},
        {{VariableType::Text, text, 5, 0}, "-12,25", false},
        {{VariableType::PackedDecimal, packed.data(), 4, 2}, "-1234,5", true},
        {{VariableType::PackedDecimal, packed.data(), 4, 2}, "123456", false},
    };
    for (const auto& c : cases) {
        EntryField field;
        field.setPicture("@N-17.`2");
        field.bind(c.variable);
        field.setText(c.typed);
        EXPECT_EQ(field.readOnFocusLoss(), c.read) << c.typed;
    }
    // The last successful reading of each.
    EXPECT_EQ(byte, 255);
    EXPECT_EQ(longValue, -2147483647 - 1);
    EXPECT_EQ(real, 1234.5);
    EXPECT_EQ(std::string(text, 5), "-12.5");
    EXPECT_EQ(hexOf(packed), "0123450D");
    EXPECT_EQ(decimalStackDepth(), 0);
}

TEST(EntryField, VariableHoldingTheSameValueIsLeftAlone) {
    // A negative zero reads as zero: typing zero changes nothing, so its bytes stay.
    std::vector<std::uint8_t> bytes = {0x80, 0x00, 0x00, 0x00};
    EntryField field;
    field.setPicture("n-10.2");
    field.bind({VariableType::Decimal, bytes.data(), 4, 2});
    field.setText("0");
    EXPECT_TRUE(field.readOnFocusLoss());
    EXPECT_EQ(hexOf(bytes), "80000000");
    field.setText("1");
    EXPECT_TRUE(field.readOnFocusLoss());
    EXPECT_EQ(hexOf(bytes), "00000100");
}

TEST(EntryField, ShownText) {
    struct Case {
        const char* picture;
        const char* value;
        const char* shown;
    } cases[] = {
        {"n-15.2", "1234567.89", "1,234,567.89"},
        {"n-15.2", "-5", "-5.00"},
        {"n-15.2", "0", "0.00"},
        {"n-10.2", "123456789", "######.##"},
        {"@N~kr ~-17.`2", "-1234.5", "kr -1.234,50"},
        {"@N~kr ~-17.`2", "0.5", "kr 0,50"},
        {"@N-17_`2~ Fr.~", "1234.5", "1 234,50 Fr."},
        {"@N-17_`2~ Fr.~", "-1234.5", "-1 234,50 Fr."},
        {"@N-17", "-1234567.891", "-1,234,568"},
        {"N(9.2)", "-5", "(5.00)"},
        {"N(9.2)", "5", "5.00"},
        {"N9.2-", "-5", "5.00-"},
        {"N$-9.2", "-45.75", "$-45.75"},
        {"N-$9.2", "5", ""}, // invalid
        {"N*9.2", "45.75", "45.75"},
        {"N*12`2", "1234567.5", "1234567,50"},
        {"N*9_.2", "1234.5", "1 234.50"},
        {"N-09.2", "-45.75", "-00045.75"},
        {"N012_.2", "45.75", "0 000 045.75"},
        {"N9.2B", "0", ""},
        {"N3.2", "0.5", ".50"},
        {"N-1", "-5", "-"},
        // The same grouping and decimal character: no grouping, so it reads back.
        {"@N-17..2", "1234.56", "1234.56"},
        {"s5", "-12.5", "-12.5"},
    };
    for (const auto& c : cases) {
        EntryField field;
        field.setPicture(c.picture);
        std::vector<std::uint8_t> bytes(16);
        pushText(c.value);
        storeDecimal(bytes.data(), 16, 8);
        field.bind({VariableType::Decimal, bytes.data(), 16, 8});
        field.display();
        EXPECT_EQ(field.text(), c.shown) << c.picture << " " << c.value;
    }
}

// Whatever a field shows after reading reads back as the same value, over many values.
TEST(EntryField, ShownTextReadsBackAsTheSameValue) {
    const char* pictures[] = {
        "n-15.2",        "n-10.2",        "@N-17.`2", "@N~kr ~-17.`2", "@N-17_`2~ Fr.~",
        "@N-17.`2~kr~",  "@N~$~-17.2",    "@N-17",    "@N~Y~-17",      "@N-17_",
        "@N-17..2",      "N(12.3)",       "N9.2-",    "N*12_.2",       "N012.2",
        "N~kr. ~-17.`2", "N-17.`3~ kr.~", "n15.2",    "N3.2",          "N9`2",
    };
    std::mt19937 random(20240611);
    for (const char* picture : pictures) {
        const auto entry = compileEntryTemplate(picture);
        ASSERT_TRUE(entry.readable) << picture;
        const bool signed_ =
            std::any_of(entry.elements.begin(), entry.elements.end(), [](const EntryElement& e) {
                return e.kind == EntryElementKind::HiddenSign || e.kind == EntryElementKind::Sign;
            });
        for (int n = 0; n < 300; ++n) {
            std::string typed = signed_ && random() % 2 ? "-" : "";
            const int integers = static_cast<int>(random() % (entry.integers + 1));
            for (int i = 0; i < integers; ++i)
                typed += static_cast<char>('0' + random() % 10);
            if (entry.fractions > 0) {
                typed += entry.decimal;
                const int fractions = static_cast<int>(random() % (entry.fractions + 1));
                for (int i = 0; i < fractions; ++i)
                    typed += static_cast<char>('0' + random() % 10);
            }
            EntryField field;
            field.setPicture(picture);
            field.setText(typed);
            ASSERT_TRUE(field.update()) << picture << " [" << typed << "]";
            const std::string shown(field.text());

            EntryField again;
            again.setPicture(picture);
            again.setText(shown);
            ASSERT_TRUE(again.update()) << picture << " [" << shown << "]";
            EXPECT_EQ(plain(again.value()), plain(field.value()))
                << picture << " [" << typed << "] shown [" << shown << "]";
        }
    }
    EXPECT_EQ(decimalStackDepth(), 0);
}

TEST(EntryField, TextIsCutToWhatAnEntryHolds) {
    EntryField field;
    field.setPicture("n-15.2");
    field.setText(std::string(maxEntryTextLength, ' ') + "5");
    EXPECT_EQ(field.text().size(), maxEntryTextLength);
    EXPECT_TRUE(field.update());
    EXPECT_EQ(field.text(), "0.00");
}

TEST(EntryField, ReplacingThePictureKeepsTheValue) {
    DecimalEntry rate("n-10.2", 4, 2, "7.5");
    rate.field.setPicture("@N~kr~-17.`3");
    EXPECT_EQ(plain(rate.field.value()), "7.5");
    rate.field.setText("kr7,125");
    EXPECT_TRUE(rate.field.readOnFocusLoss());
    EXPECT_EQ(rate.variable(), "7.13");
    EXPECT_EQ(rate.field.text(), "kr7,125");
}

} // namespace
} // namespace tamberlo
