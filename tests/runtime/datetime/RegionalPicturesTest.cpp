#include "ShowPicture.h"

#include "platform/os/IntlSettings.h"
#include "runtime/datetime/RegionalPictures.h"
#include "runtime/datetime/RegionalTemplates.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using tamberlo::os::FixedIntlSettings;

namespace {

constexpr std::int64_t october12 = 76624;
constexpr std::int64_t march5 = 73116;
constexpr std::int64_t afternoon = 5430901; // 15:05:09
constexpr std::int64_t night = 42001;       // 00:07:00

void rebuild(const FixedIntlSettings& settings, std::string_view environment = "") {
    tamberlo::rebuildRegionalPictures(settings, environment);
}

} // namespace

TEST(RegionalPictures, Defaults) {
    rebuild({});
    EXPECT_EQ(showPicture("D17", october12), "10/12/10");
    EXPECT_EQ(showPicture("D17", march5), "03/05/01");
    EXPECT_EQ(showPicture("D18", october12), "October 12, 2010  ");
    EXPECT_EQ(showPicture("D18", march5), "March 05, 2001    ");
    EXPECT_EQ(showPicture("T7", afternoon), "03:05 PM");
    EXPECT_EQ(showPicture("T8", afternoon), "03:05:09 PM");
    EXPECT_EQ(showPicture("T8", night), "12:07:00 AM");
}

TEST(RegionalPictures, ShortDateFormats) {
    struct Row {
        const char* format;
        const char* october;
        const char* march;
    };
    for (const auto& row : {
             Row{"M/d/yyyy", "10/12/2010", " 3/05/2001"},
             Row{"d/M/yy", "12/10/10", " 5/03/01"},
             Row{"dd-MM-yyyy", "12-10-2010", "05-03-2001"},
             Row{"yyyy-MM-dd", "2010-10-12", "2001-03-05"},
             Row{"dd.MM.yyyy", "12.10.2010", "05.03.2001"},
             Row{"MM/dd/yy", "10/12/10", "03/05/01"},
             Row{"", "10/12/10", " 3/05/01"}, // no "M": "/" and month first
             Row{"yy/M/d", "10/10/12", "01/03/05"},
         }) {
        SCOPED_TRACE(row.format);
        rebuild({{"sShortDate", row.format}});
        EXPECT_EQ(showPicture("D17", october12).substr(0, 10), row.october);
        EXPECT_EQ(showPicture("D17", march5).substr(0, 10), row.march);
    }
    rebuild({{"sShortDate", "d/M/yy"}});
    EXPECT_EQ(showPicture("D017-", march5), "05-03-01"); // modifiers apply to the copy
    EXPECT_EQ(showPicture("D17B", 0), "        ");
    EXPECT_EQ(showPicture("D17", 0), "  /  /  ");
}

TEST(RegionalPictures, LongDateFormats) {
    struct Row {
        const char* format;
        const char* october;
        const char* march;
    };
    for (const auto& row : {
             Row{"dddd, MMMM dd, yyyy", "October 12, 2010  ", "March 05, 2001    "},
             Row{"d. MMMM yyyy", "12. October 2010  ", " 5. March 2001    "},
             Row{"'den 'd MMMM yyyy", "12 October 2010  ", " 5 March 2001    "},
             Row{"d MMM yyyy", "12 Oct 2010", " 5 Mar 2001"},
             // quoted text counts only right after an element
             Row{"dddd d 'de' MMMM 'de' yyyy", "12 October 2010  ", " 5 March 2001    "},
             Row{"yyyy'.'MM'.'dd", "2010.10.12", "2001.03.05"},
             Row{"MMMM yyyy", "October 2010  ", "March 2001    "},
             Row{"M/d/yy", "10/12/10", " 3/ 5/01"},
             // no day, month or year letter: the default long date
             Row{"", "October 12, 2010  ", "March 05, 2001    "},
             Row{"dddd", "October 12, 2010  ", "March 05, 2001    "},
             Row{"'d M y'", "October 12, 2010  ", "March 05, 2001    "},
         }) {
        SCOPED_TRACE(row.format);
        rebuild({{"sLongDate", row.format}});
        EXPECT_EQ(showPicture("D18", october12), row.october);
        EXPECT_EQ(showPicture("D18", march5), row.march);
    }
    rebuild({});
    EXPECT_EQ(showPicture("D18-", october12), "October-12--2010  ");
}

TEST(RegionalPictures, Times) {
    struct Row {
        const char* iTime;
        const char* iTLzero; // nullptr: the key is missing
        const char* sTime;
        const char* shortAfternoon;
        const char* longAfternoon;
        const char* longNight;
    };
    for (const auto& row : {
             Row{"1", "1", nullptr, "15:05", "15:05:09", "00:07:00"},
             Row{"1", "0", nullptr, "15:05", "15:05:09", " 0:07:00"},
             Row{"0", "0", nullptr, " 3:05 PM", " 3:05:09 PM", "12:07:00 AM"},
             Row{"1", nullptr, ".", "15.05", "15.05.09", "00.07.00"},
             Row{"1", nullptr, "h::", "15h05", "15h05h09", "00h07h00"}, // one character read
             Row{"1", nullptr, "", "1505", "150509", "000700"},
             Row{"x", "02", nullptr, " 3:05 PM", " 3:05:09 PM", "12:07:00 AM"},
         }) {
        FixedIntlSettings settings{{"iTime", row.iTime}};
        if (row.iTLzero)
            settings.set("iTLzero", row.iTLzero);
        if (row.sTime)
            settings.set("sTime", row.sTime);
        rebuild(settings);
        SCOPED_TRACE(row.longAfternoon);
        EXPECT_EQ(showPicture("T7", afternoon), row.shortAfternoon);
        EXPECT_EQ(showPicture("T8", afternoon), row.longAfternoon);
        EXPECT_EQ(showPicture("T8", night), row.longNight);
    }
    // The regional times are taken whole: modifiers leave them, blank-when-zero is their own.
    rebuild({});
    EXPECT_EQ(showPicture("T8-", afternoon), "03:05:09 PM");
    EXPECT_EQ(showPicture("T08", night), "12:07:00 AM");
    EXPECT_EQ(showPicture("T8B", 0), "           ");
    EXPECT_EQ(showPicture("T8", 0), "12:00:00 AM");
}

TEST(RegionalPictures, EnvironmentNames) {
    rebuild({{"s1159", "vorm"}, {"s2359", "nm"}},
            "ZOTMONTH=Januar,Februar,M<228>rz,April,Mai,Juni,Juli,August,September,Oktober\n"
            "ZOTMON=Jan,Feb,Mrz,Apr,Mai,Jun,Jul,Aug,Sep,Okt\n"
            "ZOTAMPM=windows\n");
    EXPECT_EQ(showPicture("D18", october12), "Oktober 12, 2010  ");
    EXPECT_EQ(showPicture("D4", march5), "M\xE4rz  5, 2001        ");
    EXPECT_EQ(showPicture("D3", october12), "OKT 12,2010");
    EXPECT_EQ(showPicture("D8", 76688), "15 DEC 2010"); // past the replaced entries
    EXPECT_EQ(showPicture("T8", afternoon), "03:05:09 nm");
    EXPECT_EQ(showPicture("T6", night), "12:07:00vo"); // the regional AM text, cut to 2

    rebuild({}, "ZOTAMPM=a\n");
    EXPECT_EQ(showPicture("T3", night), "12:07a ");
    EXPECT_EQ(showPicture("T3", afternoon), " 3:05PM");
}

TEST(RegionalPictures, AbsurdFormatsStaySafe) {
    std::string quotes(255, '\'');
    std::string letters(255, 'M');
    std::string longText = "d'" + std::string(60, 'x') + "' MMMM yyyy";
    std::string mixed;
    for (int i = 0; mixed.size() < 255; ++i)
        mixed += "dMy'\x01\xff,"[i % 8];
    for (const std::string& format : {quotes, letters, longText, mixed, std::string("'"),
                                      std::string(1, '\0') + "d", std::string("yyyyyyyyyy")}) {
        rebuild({{"sShortDate", format}, {"sLongDate", format}});
        auto shortDate = tamberlo::shortDateTemplate(format);
        auto longDate = tamberlo::longDateTemplate(format);
        EXPECT_LE(shortDate.length, tamberlo::shortDateCapacity);
        EXPECT_LE(longDate.length, tamberlo::longDateCapacity);
        EXPECT_EQ(showPicture("D17", october12).size(), shortDate.length);
        EXPECT_EQ(showPicture("D18", october12).size(), longDate.length);
        EXPECT_EQ(showPicture("D18", 0).size(), longDate.length);
    }
    rebuild({{"sLongDate", longText}});
    EXPECT_EQ(showPicture("D18", october12), "12" + std::string(29, 'x'));
}

TEST(RegionalPictures, OnlyTheFirstBuildCounts) {
    rebuild({{"iTime", "1"}});
    tamberlo::buildRegionalPictures(FixedIntlSettings{{"iTime", "0"}}, "");
    EXPECT_EQ(showPicture("T7", afternoon), "15:05");
}

TEST(RegionalPictures, ConcurrentBuildsAndReaders) {
    std::vector<std::thread> threads;
    FixedIntlSettings settings{{"sShortDate", "yyyy-MM-dd"}};
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([&] { tamberlo::buildRegionalPictures(settings, ""); });
        threads.emplace_back([] {
            for (int n = 0; n < 200; ++n) {
                auto text = showPicture("D17", october12);
                ASSERT_TRUE(text.empty() || text.size() == 8 || text.size() == 10) << text;
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_FALSE(showPicture("D17", october12).empty());
}
