#include "runtime/entry/EntryTemplate.h"
#include "runtime/picture/Format.h"
#include "runtime/picture/NumericFill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tamberlo {
namespace {

// The elements in order: "9" a digit slot, "g" a grouping slot, "p" the decimal point, "h" the
// hidden sign, a written sign as itself, currency characters in brackets.
std::string layout(const EntryTemplate& entry) {
    std::string text;
    bool inCurrency = false;
    for (int i = 0; i < entry.count; ++i) {
        const auto& element = entry.elements[i];
        const bool currency = element.kind == EntryElementKind::Currency;
        if (currency != inCurrency)
            text += currency ? '[' : ']';
        inCurrency = currency;
        switch (element.kind) {
        case EntryElementKind::Currency:
        case EntryElementKind::Sign:
            text += element.character;
            break;
        case EntryElementKind::HiddenSign:
            text += 'h';
            break;
        case EntryElementKind::DigitSlot:
            text += '9';
            break;
        case EntryElementKind::GroupingSlot:
            text += 'g';
            break;
        case EntryElementKind::DecimalPoint:
            text += 'p';
            break;
        case EntryElementKind::End:
            break;
        }
    }
    return text;
}

TEST(EntryTemplate, CountsAndCharacters) {
    struct Case {
        const char* picture;
        int a, g, i, f;
        char grouping, decimal;
        const char* layout;
    } cases[] = {
        {"n-15.2", 11, 2, 9, 2, ',', '.', "-999g999g999p99h"},
        {"n-10.2", 6, 1, 5, 2, ',', '.', "-99g999p99h"},
        {"@N-17.`2", 13, 3, 10, 2, '.', ',', "-9g999g999g999p99h"},
        {"@N~kr~-17.`2", 11, 2, 9, 2, '.', ',', "[kr]-999g999g999p99h"},
        {"@N-17_`2~ Fr.~", 9, 2, 7, 2, ' ', ',', "-9g999g999p99h[ Fr.]"},
        {"N(12)$", 9, 2, 7, 0, ',', '.', "(9g999g999)[$]"},
        {"N9.2-", 5, 1, 4, 2, ',', '.', "h9g999p99-"},
        {"n15.2", 12, 2, 10, 2, ',', '.', "9999g999g999p99"},
        // A fill gives no default grouping; asterisk fill turns the separators into fill.
        {"N09.2", 6, 0, 6, 2, 0, '.', "999999p99"},
        {"N*9.2", 6, 0, 6, 2, 0, '.', "999999p99"},
        {"N*9_.2", 6, 1, 5, 2, ' ', '.', "99g999p99"},
        {"N9`2", 6, 1, 5, 2, '.', ',', "99g999p99"},
        // A designator at the end groups; without places there is no point.
        {"N-17.", 16, 3, 13, 0, '.', '.', "-9999g999g999g999h"},
        {"N-17.`", 16, 3, 13, 0, '.', '.', "-9999g999g999g999h"},
        {"N4", 4, 0, 4, 0, ',', '.', "9999"},
        {"N3.2", 0, 0, 0, 2, ',', '.', "p99"},
        {"n-15.2B", 11, 2, 9, 2, ',', '.', "-999g999g999p99h"},
    };
    for (const auto& c : cases) {
        auto entry = compileEntryTemplate(c.picture);
        EXPECT_TRUE(entry.readable) << c.picture;
        EXPECT_EQ(entry.integerArea, c.a) << c.picture;
        EXPECT_EQ(entry.groups, c.g) << c.picture;
        EXPECT_EQ(entry.integers, c.i) << c.picture;
        EXPECT_EQ(entry.fractions, c.f) << c.picture;
        EXPECT_EQ(entry.grouping, c.grouping) << c.picture;
        EXPECT_EQ(entry.decimal, c.decimal) << c.picture;
        EXPECT_EQ(layout(entry), c.layout) << c.picture;
    }
}

TEST(EntryTemplate, OwnValueHoldsEveryNumberAdmitted) {
    // 2B - 1 >= I + G + F digits, at most 16 bytes, with F places.
    struct Case {
        const char* picture;
        int bytes, places;
    } cases[] = {
        {"n-15.2", 7, 2}, {"n-10.2", 5, 2}, {"@N-17.`2", 8, 2},   {"N1", 1, 0},
        {"N2", 2, 0},     {"N255", 16, 0},  {"N255.200", 16, 31},
    };
    for (const auto& c : cases) {
        auto entry = compileEntryTemplate(c.picture);
        EXPECT_EQ(entry.valueBytes, c.bytes) << c.picture;
        EXPECT_EQ(entry.valuePlaces, c.places) << c.picture;
    }
}

TEST(EntryTemplate, PicturesNothingIsReadThrough) {
    const char* invalid[] = {"", "@", "N", "N 9.2", "N9.2x", "N0", "S5", "D1", "P##P", "E12.3"};
    for (const char* picture : invalid) {
        auto entry = compileEntryTemplate(picture);
        EXPECT_FALSE(entry.valid()) << picture;
        EXPECT_FALSE(entry.readable) << picture;
    }
    // Valid, but what they show would be read differently or the reading is left open.
    const char* unreadable[] = {
        "N-17v2",    // implied decimal point
        "N9V.2",     // "V" between the digits
        "N~1~9.2",   // a currency digit would join the amount
        "N-9.2~-x~", // the trailing sign slot would take the currency's "-"
        "N(9.2)~(~", // ... or its "("
        "N~ ,~9.2",  // the grouping character after skipped white space
        "N3_2",      // a blank decimal character with no digit in front of it
        "N9~,~",     // the currency right after the digits would take a typed grouping
        "N-1",       // no digit positions at all
    };
    for (const char* picture : unreadable) {
        auto entry = compileEntryTemplate(picture);
        EXPECT_TRUE(entry.valid()) << picture;
        EXPECT_FALSE(entry.readable) << picture;
    }
}

// The reading template and the display template of one picture agree on the digits, the
// separators, the signs and the currency.
TEST(EntryTemplate, AgreesWithTheDisplayTemplate) {
    std::vector<std::string> pictures;
    for (const char* currency : {"", "$", "~kr ~", "~ Fr.~"})
        for (const char* sign : {"", "-", "(", "-T"})
            for (const char* fill : {"", "0", "_", "*"})
                for (int width : {1, 4, 5, 9, 12, 17, 30})
                    for (const char* separators : {"", ".", "_", "`", ".`", "_`", "`.", "._"})
                        for (const char* places : {"", "1", "2", "3"}) {
                            std::string sign1 = sign == std::string("-T") ? "" : sign;
                            std::string sign2 = sign == std::string("-T")  ? "-"
                                                : sign == std::string("(") ? ")"
                                                                           : "";
                            bool trailing = currency == std::string("~ Fr.~");
                            pictures.push_back("N" + std::string(trailing ? "" : currency) + sign1 +
                                               fill + std::to_string(width) + separators + places +
                                               sign2 + (trailing ? currency : ""));
                        }
    int compared = 0;
    for (const auto& text : pictures) {
        auto picture = compilePicture(text);
        auto entry = compileEntryTemplate(text);
        ASSERT_EQ(picture.valid(), entry.valid()) << text;
        if (!entry.readable)
            continue;
        ++compared;
        auto shape = shapeOf(picture, picture.length);
        EXPECT_EQ(shape.integers, entry.integers) << text;
        EXPECT_EQ(shape.groups, entry.groups) << text;
        EXPECT_EQ(shape.fractions, entry.fractions) << text;
        // Position by position: the display's characters in the reading template's order.
        std::string shown, read;
        for (int i = 0; i < picture.length; ++i) {
            const auto& p = picture.positions[i];
            const bool digit =
                p.role == PositionRole::DigitShown || p.role == PositionRole::DigitBlank;
            shown += digit ? '9' : p.fill;
        }
        for (int i = 0; i < entry.count; ++i) {
            const auto& e = entry.elements[i];
            if (e.kind == EntryElementKind::DigitSlot)
                read += '9';
            else if (e.kind != EntryElementKind::HiddenSign && e.kind != EntryElementKind::End)
                read += e.character;
        }
        EXPECT_EQ(read, shown) << text;
    }
    EXPECT_GT(compared, 1000);
}

} // namespace
} // namespace tamberlo
