#include "platform/os/PosixTimeFormat.h"
#include "platform/os/IcuDatePattern.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tamberlo::os;

namespace {

std::string valueOr(std::string_view key, const PosixTimeItems& items, const char* missing) {
    return intlValueFromPosix(key, items).value_or(missing);
}

} // namespace

TEST(PosixTimeFormat, ShortDates) {
    struct Row {
        const char* dFmt;
        const char* shortDate;
    };
    for (const auto& row : {
             Row{"%d.%m.%Y", "dd.MM.yyyy"},
             Row{"%m/%d/%Y", "MM/dd/yyyy"},
             Row{"%m/%d/%y", "MM/dd/yy"},
             Row{"%Y-%m-%d", "yyyy-MM-dd"},
             Row{"%F", "yyyy-MM-dd"},
             Row{"%D", "MM/dd/yy"},
             Row{"%e/%-m/%y", "d/M/yy"},
             Row{"%-d.%b.%Y", "d.MMM.yyyy"},
             Row{"%a %d %B %Y", " dd MMMM yyyy"},
             Row{"%Od/%Om/%EY", "dd/MM/yyyy"},
             Row{"100%%", "100%"},
             Row{"%", "%"},
         }) {
        SCOPED_TRACE(row.dFmt);
        EXPECT_EQ(valueOr("sShortDate", {row.dFmt, "", "", "", ""}, "missing"), row.shortDate);
    }
    EXPECT_EQ(valueOr("sShortDate", {}, "missing"), "missing");
}

TEST(PosixTimeFormat, Times) {
    struct Row {
        const char* tFmt;
        const char* iTime;
        const char* iTLzero;
        const char* sTime;
    };
    for (const auto& row : {
             Row{"%H:%M:%S", "1", "1", ":"},
             Row{"%T", "1", "1", ":"},
             Row{"%R", "1", "1", ":"},
             Row{"%r", "0", "1", ":"},
             Row{"%I:%M:%S %p", "0", "1", ":"},
             Row{"%l:%M:%S %p", "0", "0", ":"},
             Row{"%k.%M", "1", "0", "."},
             Row{"%-H.%M", "1", "0", "."},
             Row{"%Hh%M", "1", "1", "h"},
             Row{"%H%M", "1", "1", ""},
             Row{"%p %I:%M", "0", "1", ":"},
             Row{"%M minutes", "missing", "missing", "missing"},
         }) {
        SCOPED_TRACE(row.tFmt);
        PosixTimeItems items{"", row.tFmt, "", "", ""};
        EXPECT_EQ(valueOr("iTime", items, "missing"), row.iTime);
        EXPECT_EQ(valueOr("itlzero", items, "missing"), row.iTLzero);
        EXPECT_EQ(valueOr("sTime", items, "missing"), row.sTime);
    }
}

TEST(PosixTimeFormat, AmPmAndOtherKeys) {
    PosixTimeItems items{"%d/%m/%Y", "%H:%M", "vorm.", "", ""};
    EXPECT_EQ(valueOr("s1159", items, "missing"), "vorm.");
    EXPECT_EQ(valueOr("s2359", items, "missing"), "missing");
    EXPECT_EQ(valueOr("sLongDate", items, "missing"), "missing"); // no ICU pattern
    EXPECT_EQ(valueOr("sCurrency", items, "missing"), "missing");
}

TEST(PosixTimeFormat, LongDatesFromIcuPatterns) {
    struct Row {
        const char* icu;
        const char* longDate;
    };
    for (const auto& row : {
             Row{"EEEE, MMMM d, y", "dddd, MMMM d, yyyy"},
             Row{"EEEE, d. MMMM y", "dddd, d. MMMM yyyy"},
             Row{"EEEE d 'de' MMMM 'de' y", "dddd d 'de' MMMM 'de' yyyy"},
             Row{"y年M月d日EEEE", "yyyy年M月d日dddd"},
             Row{"G y MMMMM dd, EEE", " yyyy MMMM dd, ddd"},
             Row{"d MMM yy 'unclosed", "d MMM yy 'unclosed"},
             Row{"d LLLL y", "d MMMM yyyy"},
         }) {
        SCOPED_TRACE(row.icu);
        PosixTimeItems items;
        items.longDate = row.icu;
        EXPECT_EQ(valueOr("sLongDate", items, "missing"), row.longDate);
    }
    // ICU carries its own locale data, so this holds on machines without generated locales.
    PosixTimeItems us;
    us.longDate = icuFullDatePattern("en_US.UTF-8");
    EXPECT_EQ(valueOr("sLongDate", us, "missing"), "dddd, MMMM d, yyyy");
    EXPECT_EQ(icuFullDatePattern(""), "");
}

TEST(PosixTimeFormat, ThePlainLocaleIsNoRegionalChoice) {
    ::setenv("LC_ALL", "C.UTF-8", 1);
    EXPECT_EQ(userPosixTimeItems(), std::nullopt);
    ::setenv("LC_ALL", "POSIX", 1);
    EXPECT_EQ(userPosixTimeItems(), std::nullopt);
    ::setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
    EXPECT_EQ(userPosixTimeItems(), std::nullopt);
    ::unsetenv("LC_ALL");
}
