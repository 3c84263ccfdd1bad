#include "ShowPicture.h"

#include "runtime/datetime/DateTimePicture.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t october12 = 76624; // 12 October 2010
constexpr std::int64_t march5 = 73116;    // 5 March 2001

struct Row {
    const char* picture;
    const char* october;
    const char* march;
};

void expectRows(std::initializer_list<Row> rows) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.picture);
        EXPECT_EQ(showPicture(row.picture, october12), row.october);
        EXPECT_EQ(showPicture(row.picture, march5), row.march);
    }
}

} // namespace

TEST(DatePicture, FixedTemplates) {
    expectRows({
        {"D1", "10/12/10", " 3/05/01"},
        {"D2", "10/12/2010", " 3/05/2001"},
        {"D3", "OCT 12,2010", "MAR  5,2001"},
        {"D4", "October 12, 2010     ", "March  5, 2001       "},
        {"D5", "12/10/10", " 5/03/01"},
        {"D6", "12/10/2010", " 5/03/2001"},
        {"D7", "12 OCT 10", " 5 MAR 01"},
        {"D8", "12 OCT 2010", " 5 MAR 2001"},
        {"D9", "10/10/12", "01/03/05"},
        {"D10", "2010/10/12", "2001/03/05"},
        {"D11", "101012", "010305"},
        {"D12", "20101012", "20010305"},
        {"D13", "10/10", "03/01"},
        {"D14", "10/2010", "03/2001"},
        {"D15", "10/10", "01/03"},
        {"D16", "2010/10", "2001/03"},
    });
}

TEST(DatePicture, RangeEnds) {
    EXPECT_EQ(showPicture("D10", 4), "1801/01/01");
    EXPECT_EQ(showPicture("D10", 2994626), "9999/12/31");
    EXPECT_EQ(showPicture("D10", 3), "    /  /  ");
    EXPECT_EQ(showPicture("D10", 2994627), "    /  /  ");
    EXPECT_EQ(showPicture("D2", 1158), " 2/29/1804");
}

TEST(DatePicture, ModifiersFillsAndWindows) {
    expectRows({
        {"D01", "10/12/10", "03/05/01"},
        {"@D1", "10/12/10", " 3/05/01"},
        {"d1", "10/12/10", " 3/05/01"},
        {"D1-", "10-12-10", " 3-05-01"},
        {"D1.", "10.12.10", " 3.05.01"},
        {"D1_", "10 12 10", " 3 05 01"},
        {"D1`", "10,12,10", " 3,05,01"},
        {"D8-", "12-OCT-2010", " 5-MAR-2001"},
        {"D4-", "October 12- 2010     ", "March  5- 2001       "}, // literal spaces stay
        {"D3.", "OCT 12.2010", "MAR  5.2001"},
        {"D1>50", "10/12/10", " 3/05/01"},
        {"D1<50", "10/12/10", " 3/05/01"},
        {"D1<", "10/12/10", " 3/05/01"},
        {"D1x", "10/12/10", " 3/05/01"},
        {"D1  \t", "10/12/10", " 3/05/01"},
        {"D01<30-", "10-12-10", "03-05-01"},
        {"D_1", "1_/12/1_", "_3/_5/_1"}, // every zero digit prints the fill
        {"D*10", "2*1*/1*/12", "2**1/*3/*5"},
    });
}

TEST(DatePicture, BlankWhenZeroAndNoDate) {
    EXPECT_EQ(showPicture("D1B", 0), "        ");
    EXPECT_EQ(showPicture("D1b", 3), "        ");
    EXPECT_EQ(showPicture("D1", 0), "  /  /  ");
    EXPECT_EQ(showPicture("D3", 0), "   ,       "); // month letters drop out
    EXPECT_EQ(showPicture("D4-", 0), "   -" + std::string(17, ' '));
    EXPECT_EQ(showPicture("D1B", october12), "10/12/10");
    EXPECT_EQ(showPicture("D1", -october12), "10/12/10"); // the sign is not looked at
    EXPECT_EQ(showPicture("D1", 99999999999999), "  /  /  ");
}

TEST(DatePicture, MonthLettersDropWhatTheNameLeavesOver) {
    EXPECT_EQ(showPicture("D4", 76111), "May 17, 2009" + std::string(9, ' '));
    EXPECT_EQ(showPicture("D4", 76020), "February 15, 2009    ");
    EXPECT_EQ(showPicture("D4", 76597), "September 15, 2010   ");
}

TEST(DatePicture, CompiledFields) {
    tamberlo::CompiledPicture picture;
    ASSERT_TRUE(tamberlo::compileDatePicture("1>30", picture));
    EXPECT_EQ(picture.kind, tamberlo::PictureKind::Date);
    EXPECT_EQ(picture.valueType, tamberlo::ValueType::Integer);
    EXPECT_EQ(picture.pictureNumber, 1);
    EXPECT_EQ(picture.centuryWindow, 69);
    EXPECT_EQ(picture.length, 8);
    EXPECT_EQ(picture.positions[0].role, tamberlo::PositionRole::MonthDigit);
    EXPECT_EQ(picture.positions[2].role, tamberlo::PositionRole::Separator);
    EXPECT_EQ(picture.positions[6].role, tamberlo::PositionRole::YearDigit);

    struct Window {
        const char* rest;
        int window;
    };
    for (auto [rest, window] :
         {Window{"1", 80}, Window{"1<", 80}, Window{"1<50", 50}, Window{"1>", 19},
          Window{"1>50", 49}, Window{"1<500", 99}, Window{"1>500", 0}}) {
        SCOPED_TRACE(rest);
        ASSERT_TRUE(tamberlo::compileDatePicture(rest, picture));
        EXPECT_EQ(picture.centuryWindow, window);
    }
}

TEST(DatePicture, InvalidPictures) {
    for (const char* text : {"D0", "D19", "D1-x", "D", "D-", "D_", "D00", "D1<5x-", "D1 0",
                             "D99999999999999999999", "D1.2"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(showPicture(text, october12), "");
    }
}

TEST(DatePicture, RegionalPicturesAreInvalidBeforeTheyAreBuilt) {
    for (const char* text : {"D17", "D18", "T7", "T8"})
        EXPECT_EQ(showPicture(text, october12), "") << text;
}
