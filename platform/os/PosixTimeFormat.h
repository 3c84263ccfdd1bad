#pragma once

#include <optional>
#include <string>
#include <string_view>

// The "intl" date and time keys as the user's POSIX LC_TIME gives them, for a desktop whose
// win.ini does not set them:
//
// | key          | LC_TIME item    | mapping                                                      |
// |--------------|-----------------|--------------------------------------------------------------|
// | "iTime"      | t_fmt           | "1" for a 24-hour hour (%H, %k, %T, %R), "0" for %I, %l, %r |
// | "iTLzero"    | t_fmt           | "1" when that hour is zero-padded (%H, %I, %T, %R, %r),      |
// |              |                 | "0" for %k, %l or a "-"/"_" flag                            |
// | "sTime"      | t_fmt           | the character after the hour (":" for %T, %R, %r); "" when  |
// |              |                 | another conversion follows directly                         |
// | "s1159"      | am_str          | as it stands, when not empty                                 |
// | "s2359"      | pm_str          | as it stands, when not empty                                 |
// | "sShortDate" | d_fmt           | %d → dd, %e → d, %m → MM, %y → yy, %Y → yyyy,               |
// |              |                 | %D → MM/dd/yy, %F → yyyy-MM-dd, %b/%h → MMM, %B → MMMM;    |
// |              |                 | a "-" flag drops the zero (%-d → d, %-m → M); other text is  |
// |              |                 | copied; "%x" "%d.%m.%Y" gives "dd.MM.yyyy"                  |
// | "sLongDate"  | ICU's full date | POSIX has no long date, so ICU's pattern for the locale:     |
// |              | pattern         | EEEE → dddd, E..EEE → ddd, d → d, dd → dd, M/L → M..MMMM,   |
// |              |                 | yy → yy, y/yyy/yyyy → yyyy, other letters dropped, quoted    |
// |              |                 | and other text copied; "EEEE, d. MMMM y" → "dddd, d. MMMM   |
// |              |                 | yyyy"                                                        |
//
// A key the locale does not settle (no hour in t_fmt, an empty AM text) is missing. The "C" and
// "POSIX" locales are no regional choice of the user's: they map to no keys at all.

namespace tamberlo::os {

struct PosixTimeItems {
    std::string dateFormat; // d_fmt
    std::string timeFormat; // t_fmt
    std::string amText;     // am_str
    std::string pmText;     // pm_str
    std::string longDate;   // ICU's full date pattern for the locale
};

// The LC_TIME items of the user's locale (LC_ALL, else LC_TIME, else LANG), with ICU's long date
// for it; nothing when that is the "C"/"POSIX" locale or cannot be opened.
std::optional<PosixTimeItems> userPosixTimeItems();

// The value of one "intl" key mapped from the items, per the table above.
std::optional<std::string> intlValueFromPosix(std::string_view key, const PosixTimeItems& items);

} // namespace tamberlo::os
