#include "ShowPicture.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t afternoon = 5430901; // 15:05:09
constexpr std::int64_t night = 42001;       // 00:07:00

} // namespace

TEST(TimePicture, FixedTemplates) {
    struct Row {
        const char* picture;
        const char* afternoon;
        const char* night;
    };
    for (const auto& row : {
             Row{"T1", "15:05", " 0:07"},
             Row{"T2", "1505", " 007"},
             Row{"T3", " 3:05PM", "12:07AM"},
             Row{"T4", "15:05:09", " 0:07:00"},
             Row{"T5", "150509", " 00700"},
             Row{"T6", " 3:05:09PM", "12:07:00AM"},
             Row{"T1.", "15.05", " 0.07"},
             Row{"T4-", "15-05-09", " 0-07-00"},
             Row{"T6_", " 3 05 09PM", "12 07 00AM"},
             Row{"T1`", "15,05", " 0,07"},
             Row{"T01", "15:05", "00:07"},
             Row{"T03-", "03-05PM", "12-07AM"},
             Row{"T_1", "15:_5", "__:_7"},
             Row{"t1 \t", "15:05", " 0:07"},
         }) {
        SCOPED_TRACE(row.picture);
        EXPECT_EQ(showPicture(row.picture, afternoon), row.afternoon);
        EXPECT_EQ(showPicture(row.picture, night), row.night);
    }
}

TEST(TimePicture, ClockEdges) {
    EXPECT_EQ(showPicture("T1", 1), " 0:00");
    EXPECT_EQ(showPicture("T3", 1), "12:00AM");
    EXPECT_EQ(showPicture("T3", 4320001), "12:00PM"); // noon
    EXPECT_EQ(showPicture("T3", 4320000), "11:59AM");
    EXPECT_EQ(showPicture("T6", 8640000), "11:59:59PM");
    EXPECT_EQ(showPicture("T4", 0), " 0:00:00");
    EXPECT_EQ(showPicture("T4B", 0), "        ");
    EXPECT_EQ(showPicture("T4", 8640001), " 0:00:00"); // no time shows midnight
    EXPECT_EQ(showPicture("T4B", 8640001), " 0:00:00");
    EXPECT_EQ(showPicture("T6", 99999999999999), "12:00:00AM");
    EXPECT_EQ(showPicture("T4", -afternoon), "15:05:09");
}

TEST(TimePicture, InvalidPictures) {
    for (const char* text : {"T9", "T0", "T1x", "T", "T-", "T10", "T1--", "T 1", "T1x-"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(showPicture(text, afternoon), "");
    }
}
