#include "platform/os/PosixTimeFormat.h"

#include "platform/os/IcuDatePattern.h"
#include "platform/os/IniText.h"

#include <cstdlib>
#include <langinfo.h>
#include <locale.h>

namespace tamberlo::os {
namespace {

// One strftime conversion: "%", optional flag, optional E/O modifier, the conversion letter.
struct Conversion {
    char flag = 0;
    char letter = 0;
    std::size_t end = 0; // index after the conversion
};

std::optional<Conversion> conversionAt(std::string_view format, std::size_t at) {
    if (at >= format.size() || format[at] != '%')
        return std::nullopt;
    Conversion conversion;
    ++at;
    if (at < format.size() && (format[at] == '-' || format[at] == '_' || format[at] == '0' ||
                               format[at] == '^' || format[at] == '#'))
        conversion.flag = format[at++];
    while (at < format.size() && format[at] >= '0' && format[at] <= '9') // field width
        ++at;
    if (at < format.size() && (format[at] == 'E' || format[at] == 'O'))
        ++at;
    if (at >= format.size())
        return std::nullopt;
    conversion.letter = format[at];
    conversion.end = at + 1;
    return conversion;
}

std::string shortDateFromPosix(std::string_view format) {
    std::string result;
    for (std::size_t at = 0; at < format.size();) {
        auto conversion = conversionAt(format, at);
        if (!conversion) {
            result += format[at++];
            continue;
        }
        bool unpadded = conversion->flag == '-' || conversion->flag == '_';
        switch (conversion->letter) {
        case 'd':
            result += unpadded ? "d" : "dd";
            break;
        case 'e':
            result += "d";
            break;
        case 'm':
            result += unpadded ? "M" : "MM";
            break;
        case 'y':
            result += "yy";
            break;
        case 'Y':
        case 'G':
            result += "yyyy";
            break;
        case 'D':
            result += "MM/dd/yy";
            break;
        case 'F':
            result += "yyyy-MM-dd";
            break;
        case 'b':
        case 'h':
            result += "MMM";
            break;
        case 'B':
            result += "MMMM";
            break;
        case '%':
            result += '%';
            break;
        default:
            break; // weekdays, eras and the like have no place in a short date
        }
        at = conversion->end;
    }
    return result;
}

std::string longDateFromIcu(std::string_view pattern) {
    std::string result;
    for (std::size_t at = 0; at < pattern.size();) {
        char c = pattern[at];
        if (c == '\'') { // quoted text keeps its quotes: the long-date reader skips it the same way
            auto close = pattern.find('\'', at + 1);
            auto end = close == std::string_view::npos ? pattern.size() : close + 1;
            result += pattern.substr(at, end - at);
            at = end;
            continue;
        }
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
            result += c;
            ++at;
            continue;
        }
        std::size_t run = 1;
        while (at + run < pattern.size() && pattern[at + run] == c)
            ++run;
        at += run;
        switch (c) {
        case 'E':
        case 'c':
            result += run >= 4 ? "dddd" : "ddd";
            break;
        case 'd':
            result += run >= 2 ? "dd" : "d";
            break;
        case 'M':
        case 'L':
            result += std::string(run < 4 ? run : 4, 'M');
            break;
        case 'y':
        case 'u':
            result += run == 2 ? "yy" : "yyyy";
            break;
        default:
            break; // eras, quarters and the like have no place in the long date
        }
    }
    return result;
}

struct HourFormat {
    bool twentyFourHour = false;
    bool leadingZero = true;
    std::string separator;
};

std::optional<HourFormat> hourFromPosix(std::string_view format) {
    for (std::size_t at = 0; at < format.size(); ++at) {
        auto conversion = conversionAt(format, at);
        if (!conversion)
            continue;
        HourFormat hour;
        bool unpadded = conversion->flag == '-' || conversion->flag == '_';
        switch (conversion->letter) {
        case 'H':
        case 'k':
        case 'I':
        case 'l':
            hour.twentyFourHour = conversion->letter == 'H' || conversion->letter == 'k';
            hour.leadingZero = conversion->letter == 'k' || conversion->letter == 'l'
                                   ? conversion->flag == '0'
                                   : !unpadded;
            if (conversion->end < format.size() && format[conversion->end] != '%')
                hour.separator = format.substr(conversion->end, 1);
            return hour;
        case 'T':
        case 'R':
        case 'r':
            hour.twentyFourHour = conversion->letter != 'r';
            hour.separator = ":";
            return hour;
        default:
            at = conversion->end - 1;
            break;
        }
    }
    return std::nullopt;
}

bool isPlainLocale(const char* name) {
    return !name || !*name || std::string_view(name) == "C" || std::string_view(name) == "POSIX" ||
           std::string_view(name).starts_with("C.");
}

} // namespace

std::optional<PosixTimeItems> userPosixTimeItems() {
    const char* name = nullptr;
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            name = value;
            break;
        }
    }
    if (isPlainLocale(name))
        return std::nullopt;
    locale_t locale = newlocale(LC_TIME_MASK, name, static_cast<locale_t>(nullptr));
    if (!locale)
        return std::nullopt;
    PosixTimeItems items{nl_langinfo_l(D_FMT, locale), nl_langinfo_l(T_FMT, locale),
                         nl_langinfo_l(AM_STR, locale), nl_langinfo_l(PM_STR, locale),
                         icuFullDatePattern(name)};
    freelocale(locale);
    return items;
}

std::optional<std::string> intlValueFromPosix(std::string_view key, const PosixTimeItems& items) {
    auto is = [&](std::string_view name) { return equalsIgnoringAsciiCase(key, name); };
    if (is("sShortDate")) {
        if (items.dateFormat.empty())
            return std::nullopt;
        return shortDateFromPosix(items.dateFormat);
    }
    if (is("sLongDate")) {
        if (items.longDate.empty())
            return std::nullopt;
        return longDateFromIcu(items.longDate);
    }
    if (is("s1159") || is("s2359")) {
        const std::string& text = is("s1159") ? items.amText : items.pmText;
        return text.empty() ? std::nullopt : std::optional<std::string>(text);
    }
    if (is("iTime") || is("iTLzero") || is("sTime")) {
        auto hour = hourFromPosix(items.timeFormat);
        if (!hour)
            return std::nullopt;
        if (is("iTime"))
            return hour->twentyFourHour ? "1" : "0";
        if (is("iTLzero"))
            return hour->leadingZero ? "1" : "0";
        return hour->separator;
    }
    return std::nullopt;
}

} // namespace tamberlo::os
