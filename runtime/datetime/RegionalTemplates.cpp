#include "runtime/datetime/RegionalTemplates.h"

#include "runtime/datetime/RegionalSettings.h"
#include "runtime/datetime/TemplateBuilder.h"

#include <optional>

namespace tamberlo {
namespace {

using enum PositionRole;

bool isElementLetter(char c) {
    return c == 'd' || c == 'M' || c == 'y';
}

// Index after the quoted text that starts at `at` (an unclosed quote runs to the end).
std::size_t skipQuoted(std::string_view format, std::size_t at) {
    auto close = format.find('\'', at + 1);
    return close == std::string_view::npos ? format.size() : close + 1;
}

std::size_t runOf(std::string_view format, std::size_t at) {
    std::size_t end = at;
    while (end < format.size() && format[end] == format[at])
        ++end;
    return end - at;
}

// The first day, month or year letter, past quoted text and weekdays ("ddd", "dddd").
std::optional<std::size_t> firstElement(std::string_view format) {
    for (std::size_t at = 0; at < format.size();) {
        char c = format[at];
        if (c == '\'') {
            at = skipQuoted(format, at);
        } else if (c == 'd' && runOf(format, at) >= 3) {
            at += runOf(format, at);
        } else if (isElementLetter(c)) {
            return at;
        } else {
            ++at;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> findElement(std::string_view format, char letter, std::size_t from) {
    for (std::size_t at = from; at < format.size();) {
        if (format[at] == '\'')
            at = skipQuoted(format, at);
        else if (format[at] == letter)
            return at;
        else
            ++at;
    }
    return std::nullopt;
}

} // namespace

CompiledPicture shortDateTemplate(std::string_view format) {
    CompiledPicture picture;
    TemplateBuilder b(picture, PictureKind::Date, shortDateCapacity);
    auto followedBy = [&](std::size_t at, char c) {
        return at != std::string_view::npos && at + 1 < format.size() && format[at + 1] == c;
    };
    auto firstDay = format.find('d');
    auto firstMonth = format.find('M');
    auto firstYear = format.find('y');
    bool dayZero = followedBy(firstDay, 'd');
    bool monthZero = followedBy(firstMonth, 'M');
    bool fourYear = followedBy(firstYear, 'y') && followedBy(firstYear + 1, 'y');

    // The separator follows the last "M"; a format ending in "M" has none.
    std::optional<char> separator = '/';
    if (auto lastMonth = format.rfind('M'); lastMonth != std::string_view::npos)
        separator = lastMonth + 1 < format.size() ? std::optional<char>(format[lastMonth + 1])
                                                  : std::nullopt;

    auto day = [&](bool zero) { b.twoDigits(DayDigit, zero ? '0' : ' '); };
    auto month = [&](bool zero) { b.twoDigits(MonthDigit, zero ? '0' : ' '); };
    auto year = [&] { b.digits(YearDigit, fourYear ? 4 : 2); };
    auto between = [&] {
        if (separator)
            b.separator(*separator);
    };
    char first = format.empty() ? 0 : format[0];
    if (first == 'd') {
        day(dayZero), between(), month(true), between(), year();
    } else if (first == 'y') {
        year(), between(), month(true), between(), day(true);
    } else {
        month(monthZero), between(), day(true), between(), year();
    }
    picture.pictureNumber = 17;
    picture.centuryWindow = 80;
    return picture;
}

CompiledPicture longDateTemplate(std::string_view format) {
    static constexpr std::string_view defaultFormat = "ddd', 'MMMM' 'dd', 'yyyy";
    auto first = firstElement(format);
    if (!first) {
        format = defaultFormat;
        first = firstElement(format);
    }

    CompiledPicture picture;
    TemplateBuilder b(picture, PictureKind::Date, longDateCapacity);
    const char* order = format[*first] == 'y' ? "yMd" : format[*first] == 'd' ? "dMy" : "Mdy";
    std::size_t from = *first;
    for (const char* letter = order; *letter; ++letter) {
        auto at = findElement(format, *letter, from);
        if (!at)
            continue;
        std::size_t run = runOf(format, *at);
        switch (*letter) {
        case 'd':
            b.twoDigits(DayDigit, run >= 2 ? '0' : ' ');
            break;
        case 'M':
            if (run <= 2)
                b.twoDigits(MonthDigit, run == 2 ? '0' : ' ');
            else
                b.monthLetters(run == 3 ? 3 : 9);
            break;
        default:
            b.digits(YearDigit, run < 4 ? static_cast<int>(run) : 4);
            break;
        }
        // The text after the element, up to the next element letter, becomes separators; a
        // quoted text right after it is taken without its quotes.
        std::size_t next = *at + run;
        if (next < format.size() && format[next] == '\'') {
            for (++next; next < format.size() && format[next] != '\''; ++next)
                b.separator(format[next]);
        } else {
            for (; next < format.size() && !isElementLetter(format[next]) && format[next] != '\'';
                 ++next)
                b.separator(format[next]);
        }
        from = *at;
    }
    picture.pictureNumber = 18;
    picture.centuryWindow = 80;
    return picture;
}

CompiledPicture timeTemplate(const RegionalSettings& settings, bool withSeconds) {
    CompiledPicture picture;
    TemplateBuilder b(picture, PictureKind::Time, withSeconds ? 11 : 8);
    b.twoDigits(HourDigit, settings.iTLzero == 1 ? '0' : ' ');
    auto separators = [&] {
        for (char c : settings.sTime.substr(0, 1))
            b.separator(c);
    };
    separators();
    b.digits(MinuteDigit, 2);
    if (withSeconds) {
        separators();
        b.digits(SecondDigit, 2);
    }
    if (settings.iTime == 0) {
        b.literal(' ');
        b.amPm();
    }
    picture.pictureNumber = withSeconds ? 8 : 7;
    return picture;
}

} // namespace tamberlo
