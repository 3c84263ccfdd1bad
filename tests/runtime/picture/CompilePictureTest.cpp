#include "runtime/picture/Format.h"
#include "runtime/picture/NumericPictureSyntax.h"

#include <gtest/gtest.h>

#include <string>

namespace tamberlo {
namespace {

// One character per position: the role as a letter, then the fill ("S-" "B " "G," "D0" ...).
std::string layout(const CompiledPicture& picture) {
    std::string text;
    for (int i = 0; i < picture.length; ++i) {
        const auto& p = picture.positions[i];
        static const char letters[] = "LGPDBSC";
        auto role = static_cast<int>(p.role);
        text += role < 7                                 ? letters[role]
                : p.role == PositionRole::ImpliedDecimal ? 'I'
                : p.role == PositionRole::ExponentSign   ? 'X'
                                                         : '?';
        text += p.fill;
        text += ' ';
    }
    if (!text.empty())
        text.pop_back();
    return text;
}

TEST(CompilePicture, AmountTemplatePositionByPosition) {
    auto picture = compilePicture("n-15.2");
    EXPECT_EQ(picture.kind, PictureKind::Numeric);
    EXPECT_EQ(picture.valueType, ValueType::Decimal);
    EXPECT_FALSE(picture.blankWhenZero);
    EXPECT_EQ(picture.length, 15);
    EXPECT_EQ(layout(picture), "S- B  B  B  G, B  B  B  G, B  B  D0 P. D0 D0");
}

TEST(CompilePicture, NumericTemplates) {
    struct Case {
        const char* picture;
        const char* layout;
    } cases[] = {
        {"n-10.2", "S- B  B  G, B  B  D0 P. D0 D0"},
        // The leftmost free position is never a separator.
        {"N9", "B  G, B  B  B  G, B  B  D0"},
        {"N~kr~-12.`2", "Ck Cr S- B  B  G. B  B  D0 P, D0 D0"},
        {"N(6)$", "S( B  B  D0 S) C$"},
        {"N012_.2", "D0 G  D0 D0 D0 G  D0 D0 D0 P. D0 D0"},
        // Asterisk fill without a grouping designator turns the separators into fill positions.
        {"N*9.2", "D* D* D* D* D* D0 P. D0 D0"},
        {"N*12`2", "D* D. D* D* D* D. D* D* D0 P, D0 D0"},
        {"N*9_.2", "D* D* G  D* D* D0 P. D0 D0"},
        {"N9v2", "B  B  G, B  B  B0 I0 D0 D0"},
        {"N-4.2", "S- P. D0 D0"},
        {"N3.2", "P. D0 D0"},
        {"N-1", "S-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(layout(compilePicture(c.picture)), c.layout) << c.picture;
}

TEST(CompilePicture, OtherKinds) {
    struct Case {
        const char* picture;
        PictureKind kind;
        ValueType type;
        const char* layout;
    } cases[] = {
        {"P(##)<-#P", PictureKind::Pattern, ValueType::Decimal, "L( D0 D0 L) B  L- D0"},
        {"k#<\\#@^_?|xk", PictureKind::KeyIn, ValueType::Text, ""},
        {"E12.3", PictureKind::Scientific, ValueType::Real, "S- B  B  D0 P. D0 D0 LE X+ D0 D0 D0"},
        {"E15`4", PictureKind::Scientific, ValueType::Real,
         "S- B  G. B  B  D0 P, D0 D0 D0 LE X+ D0 D0 D0"},
        {"E7", PictureKind::Scientific, ValueType::Real, "S- P. LE X+ D0 D0 D0"},
    };
    for (const auto& c : cases) {
        auto picture = compilePicture(c.picture);
        EXPECT_EQ(picture.kind, c.kind) << c.picture;
        EXPECT_EQ(picture.valueType, c.type) << c.picture;
        if (*c.layout) {
            EXPECT_EQ(layout(picture), c.layout) << c.picture;
        }
    }

    auto keyIn = compilePicture("k#<\\#@^_?|xk");
    ASSERT_EQ(keyIn.length, 9);
    const PositionRole roles[] = {
        PositionRole::DigitShown,   PositionRole::DigitBlank, PositionRole::Literal,
        PositionRole::TypeAt,       PositionRole::TypeCaret,  PositionRole::TypeUnderscore,
        PositionRole::TypeQuestion, PositionRole::TypeBar,    PositionRole::Literal};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(keyIn.positions[i].role, roles[i]) << i;
    EXPECT_EQ(keyIn.positions[2].fill, '#');
    EXPECT_EQ(keyIn.positions[8].fill, 'x');

    auto text = compilePicture("s5");
    EXPECT_EQ(text.kind, PictureKind::String);
    EXPECT_EQ(text.valueType, ValueType::Text);
    EXPECT_EQ(text.length, 5);
}

TEST(CompilePicture, PictureTextAndValidity) {
    struct Case {
        const char* picture;
        int length; // 0: invalid
        bool blank = false;
    } cases[] = {
        {"@n-15.2", 15},
        {"N9.2B", 9, true},
        {"@N9.2b", 9, true},
        {"S5  ", 5},
        {"N255", 255},
        {"N-17.`", 17},
        {"N9..", 9},
        {"N9.-", 9},
        {"N(9)", 9},
        {"N-4.2", 4},
        {"N3.2", 3},
        {"E7", 7},
        {"P#P", 1},
        {"p#P", 1},
        {"K\\\\K", 1},
        {"N~ ~9", 9},
        // Invalid: the grammar, the ranges and the width rule.
        {"N 9.2", 0},
        {"N9.2x", 0},
        {"N0", 0},
        {"N256", 0},
        {"N-$9.2", 0},
        {"N9.2$-", 0},
        {"N~kr9.2", 0},
        {"N-17 2", 0},
        {"S0", 0},
        {"S256", 0},
        {"S5x", 0},
        {"N9.256", 0},
        {"N(9", 0},
        {"N9)", 0},
        {"N-9-", 0},
        {"N(9-", 0},
        {"N$9$", 0},
        {"N~~9", 0},
        {"N3.3", 0},
        {"N-3.2", 0},
        {"N~abc~-3", 0},
        {"N9...", 0},
        {"E6", 0},
        {"E11.4", 0},
        {"E12.4", 12},
        {"E9.2x", 0},
        {"PP", 0},
        {"P#K", 0},
        {"K#\\K", 0},
        {"X9", 0},
        {"", 0},
        {"@", 0},
        {"NB", 0},
        {"@@N9", 0},
        {"9N", 0},
    };
    for (const auto& c : cases) {
        auto picture = compilePicture(c.picture);
        EXPECT_EQ(picture.length, c.length) << c.picture;
        if (c.length) {
            EXPECT_EQ(picture.blankWhenZero, c.blank) << c.picture;
        }
    }
    EXPECT_FALSE(compilePicture("N" + std::string(254, '9')).valid());
    // At most 255 characters after the "@".
    EXPECT_TRUE(compilePicture("@S5" + std::string(253, ' ')).valid());
    EXPECT_FALSE(compilePicture("@S5" + std::string(254, ' ')).valid());
}

TEST(NumericPictureSyntax, ReadsEveryPart) {
    auto s = parseNumericPicture("~kr ~-17.`2");
    ASSERT_TRUE(s.valid);
    EXPECT_EQ(s.currencyPlace, CurrencyPlace::Leading);
    EXPECT_EQ(s.currency, "kr ");
    EXPECT_EQ(s.leadingSign, '-');
    EXPECT_EQ(s.trailingSign, 0);
    EXPECT_EQ(s.width, 17);
    EXPECT_EQ(s.groupingCharacter(), '.');
    EXPECT_EQ(s.decimalCharacter(), ',');
    EXPECT_EQ(s.places, 2);

    s = parseNumericPicture("(*12)$");
    ASSERT_TRUE(s.valid);
    EXPECT_EQ(s.currencyPlace, CurrencyPlace::Trailing);
    EXPECT_EQ(s.signCount(), 2);
    EXPECT_EQ(s.fill, '*');
    EXPECT_EQ(s.groupingCharacter(), '*');
    EXPECT_EQ(s.decimalCharacter(), '.');

    // A designator with no places is dropped, so it no longer picks the grouping character.
    s = parseNumericPicture("9`0");
    ASSERT_TRUE(s.valid);
    EXPECT_EQ(s.decimalDesignator, 0);
    EXPECT_EQ(s.groupingCharacter(), ',');
    EXPECT_EQ(parseNumericPicture("_9.2").groupingCharacter(), 0);
    EXPECT_EQ(parseNumericPicture("9v2").impliedDecimal(), true);
}

TEST(NumericPictureSyntax, IntegerAreaDigitsAndGroups) {
    struct Case {
        const char* picture;
        int area, groups, digits;
    } cases[] = {
        {"-15.2", 11, 2, 9}, {"-10.2", 6, 1, 5}, {"-17.`2", 13, 3, 10}, {"~kr~-17.`2", 11, 2, 9},
        {"(12)$", 9, 2, 7},  {"*9.2", 6, 0, 6},  {"*9_.2", 6, 1, 5},    {"012.", 12, 2, 10},
        {"_12", 12, 0, 12},  {"-4.2", 0, 0, 0},
    };
    for (const auto& c : cases) {
        auto syntax = parseNumericPicture(c.picture);
        ASSERT_TRUE(syntax.valid) << c.picture;
        EXPECT_EQ(syntax.integerArea(), c.area) << c.picture;
        EXPECT_EQ(syntax.groupCount(), c.groups) << c.picture;
        EXPECT_EQ(syntax.integerDigitCount(), c.digits) << c.picture;
    }
}

} // namespace
} // namespace tamberlo
