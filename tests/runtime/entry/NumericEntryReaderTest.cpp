#include "runtime/entry/NumericEntryReader.h"
#include "runtime/decimal/DecimalStack.h"

#include <gtest/gtest.h>

#include <string>

namespace tamberlo {
namespace {

constexpr const char* refused = "refused";

// The plain text of the number read, or "refused".
std::string readThrough(std::string_view picture, std::string_view text) {
    auto entry = compileEntryTemplate(picture);
    const int depth = decimalStackDepth();
    if (readNumericEntry(text, entry) != entryRead) {
        EXPECT_EQ(decimalStackDepth(), depth) << "a refusal leaves the stack alone";
        return refused;
    }
    EXPECT_EQ(decimalStackDepth(), depth + 1);
    char plain[80];
    popText(plain, sizeof plain);
    return plain;
}

struct Case {
    const char* picture;
    std::string text;
    std::string expected;
};

void expectAll(const std::vector<Case>& cases) {
    for (const auto& c : cases)
        EXPECT_EQ(readThrough(c.picture, c.text), c.expected) << c.picture << " [" << c.text << "]";
}

TEST(NumericEntryReader, AmountPicture) {
    expectAll({
        // Grouping characters anywhere and in any number, leading white space skipped.
        {"n-15.2", "1,234.56", "1234.56"},
        {"n-15.2", ",,1,,2,3,4.5,6,", "1234.56"},
        {"n-15.2", " \t\r\n1234", "1234"},
        {"n-15.2", "999,999,999.99", "999999999.99"},
        {"n-15.2", "1234567890", refused},
        {"n-15.2", "000000001.00", "1"},
        {"n-15.2", "0000000001", refused},
        {"n-15.2", "1.999", refused},
        // Signs at either sign element, one at each end at most.
        {"n-15.2", "-1234.5", "-1234.5"},
        {"n-15.2", "(1234.5)", "-1234.5"},
        {"n-15.2", "(5-", refused},
        {"n-15.2", "+5+", "5"},
        {"n-15.2", "-0", "0"},
        {"n-15.2", "5--", refused},
        {"n-15.2", "()", "0"},
        {"n-15.2", "-,", "0"},
        {"n-15.2", ".", "0"},
        {"n-15.2", "1.2.3", refused},
        {"n-15.2", "12 ", refused},
    });
}

TEST(NumericEntryReader, RegionalPictures) {
    expectAll({
        {"@N-17.`2", "1.234.567,89", "1234567.89"},
        {"@N-17.`2", "1234.56", "123456"},
        {"@N-17.`2", "9.999.999.999,99", "9999999999.99"},
        {"@N-17.`2", "12345678901", refused},
        // A blank currency character and a blank grouping character are typed as shown.
        {"@N~kr ~-17.`2", "kr -1.234,50", "-1234.5"},
        {"@N~kr ~-17.`2", "kr-1.234,50", "-1234.5"},
        {"@N-17_`2~ Fr.~", "-1 234,50 Fr.", "-1234.5"},
        {"@N-17_`2~ Fr.~", "1 234,50fr.", "1234.5"},
        // A blank grouping character is accepted anywhere, even after the currency.
        {"@N-17_`2~ Fr.~", "1 234,50 Fr. ", "1234.5"},
        {"@N-17_`2~ Fr.~", "1 234,50 Fr.x", refused},
        // With the same grouping and decimal character, the character is the point.
        {"@N-17..2", "1234.56", "1234.56"},
        {"@N-17..2", ".5", "0.5"},
        {"@N-17..2", "1.234", refused},
        {"@N-17.", "1.234.567", "1234567"},
    });
}

TEST(NumericEntryReader, SignsAndFills) {
    expectAll({
        // A picture with only a trailing sign takes a typed leading one too.
        {"N9.2-", "-5", "-5"},
        {"N9.2-", "5-", "-5"},
        {"n(15.2)", "(5)", "-5"},
        {"n(15.2)", "5)", "5"},
        {"n(15.2)", "((5))", refused},
        {"n15.2", "+5", refused},
        // No grouping under a fill: asterisk fill makes the separators fill.
        {"N*9.2", "4550.75", "4550.75"},
        {"N*9.2", "4,550.75", refused},
        {"N09.2", "004550.75", "4550.75"},
        {"N012_.2", "0 000 045.75", "45.75"},
        // No integer slots: only a typed point lets digits in.
        {"N3.2", ".5", "0.5"},
        {"N3.2", "5", refused},
    });
}

TEST(NumericEntryReader, AnyBytesAreSafe) {
    std::string nul("1\0"
                    "2",
                    3);
    std::string high = "\xff\xfe";
    std::string utf8 = "12\xe2\x82\xac"; // "12€"
    std::string long600(600, '9');
    std::string commas(600, ',');
    expectAll({
        {"n-15.2", nul, refused},
        {"n-15.2", high, refused},
        {"n-15.2", utf8, refused},
        {"n-15.2", long600, refused},
        {"n-15.2", commas, "0"},
        // Currency bytes match as they are; only ASCII letters ignore case.
        {"N~\xe2\x82\xac~-12.`2", "\xe2\x82\xac-5", "-5"},
        {"N~\xe2\x82\xac~-12.`2", "5", "5"},
        {"N~\xc3\xa9~-12.`2",
         "\xc3\x89"
         "5",
         refused},
        {"N 9.2", "5", refused},
        {"N-17v2", "5", refused},
    });
}

TEST(NumericEntryReader, WidePicturesReadEveryDigitOrRefuse) {
    // Leading zeros beyond what the text conversion reads still give the number.
    expectAll({
        {"N255", std::string(191, '0') + "7", "7"},
        {"N255.20", "0." + std::string(19, '0') + "1", "0.00000000000000000001"},
        // The control's own value holds 31 digits: more would be lost, so they are refused.
        {"N255", std::string(31, '9'), std::string(31, '9')},
        {"N255", "1" + std::string(31, '0'), refused},
        {"N255.40", "0." + std::string(31, '0') + "1", refused},
    });
}

} // namespace
} // namespace tamberlo
