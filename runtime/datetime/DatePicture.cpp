#include "runtime/datetime/DatePicture.h"

#include "platform/os/AsciiCharacters.h"
#include "runtime/datetime/DateSerial.h"
#include "runtime/datetime/DigitPrinting.h"
#include "runtime/datetime/RegionalPictures.h"
#include "runtime/datetime/TemplateBuilder.h"
#include "runtime/datetime/TemplateModifiers.h"

namespace tamberlo {
namespace {

constexpr std::uint8_t defaultCenturyWindow = 80;

} // namespace

CompiledPicture fixedDateTemplate(int number) {
    using enum PositionRole;
    CompiledPicture picture;
    TemplateBuilder b(picture, PictureKind::Date, maxPictureLength);
    auto slashes = [&](auto... elements) {
        bool first = true;
        ((first ? void(first = false) : b.separator('/'), elements()), ...);
    };
    auto Mm = [&] { b.twoDigits(MonthDigit, ' '); };
    auto mm = [&] { b.twoDigits(MonthDigit, '0'); };
    auto Dd = [&] { b.twoDigits(DayDigit, ' '); };
    auto dd = [&] { b.twoDigits(DayDigit, '0'); };
    auto yy = [&] { b.digits(YearDigit, 2); };
    auto yyyy = [&] { b.digits(YearDigit, 4); };
    switch (number) {
    case 1:
        slashes(Mm, dd, yy);
        break;
    case 2:
        slashes(Mm, dd, yyyy);
        break;
    case 3:
        b.monthLetters(3);
        b.literal(' ');
        Dd();
        b.separator(',');
        yyyy();
        break;
    case 4:
        b.monthLetters(12);
        b.literal(' ');
        Dd();
        b.separator(',');
        b.literal(' ');
        yyyy();
        break;
    case 5:
        slashes(Dd, mm, yy);
        break;
    case 6:
        slashes(Dd, mm, yyyy);
        break;
    case 7:
    case 8:
        Dd();
        b.separator(' ');
        b.monthLetters(3);
        b.separator(' ');
        number == 7 ? yy() : yyyy();
        break;
    case 9:
        slashes(yy, mm, dd);
        break;
    case 10:
        slashes(yyyy, mm, dd);
        break;
    case 11:
        yy(), mm(), dd();
        break;
    case 12:
        yyyy(), mm(), dd();
        break;
    case 13:
        slashes(mm, yy);
        break;
    case 14:
        slashes(mm, yyyy);
        break;
    case 15:
        slashes(yy, mm);
        break;
    case 16:
        slashes(yyyy, mm);
        break;
    default:
        return CompiledPicture{};
    }
    picture.pictureNumber = static_cast<std::uint8_t>(number);
    picture.centuryWindow = defaultCenturyWindow;
    return picture;
}

bool compileDate(std::string_view rest, CompiledPicture& picture, const DateTimeTables& tables) {
    picture.length = 0;
    std::size_t at = 0;
    char fill = 0;
    if (at < rest.size() && isFillModifier(rest[at]))
        fill = rest[at++];

    bool any = false;
    int number = readPictureNumber(rest, at, any);
    if (!any || number < 1 || number > 18)
        return false;

    int window = defaultCenturyWindow;
    if (at < rest.size() && (rest[at] == '<' || rest[at] == '>')) {
        bool later = rest[at++] == '>';
        int years = readPictureNumber(rest, at, any);
        if (years > 99) // a window is a two-digit year
            years = 99;
        window = later ? (any ? 99 - years : 19) : (any ? years : defaultCenturyWindow);
    }

    // One optional character: a separator modifier, or anything else, which changes nothing.
    char separator = 0;
    if (at < rest.size())
        separator = separatorModifier(rest[at++]);
    if (!onlyBlanksFrom(rest, at))
        return false;

    bool blankWhenZero = picture.blankWhenZero;
    if (number <= 16) {
        picture = fixedDateTemplate(number);
    } else {
        const CompiledPicture& regional = number == 17 ? tables.shortDate : tables.longDate;
        if (!regional.valid())
            return false;
        picture = regional;
    }
    picture.blankWhenZero = blankWhenZero;
    picture.kind = PictureKind::Date;
    picture.valueType = ValueType::Integer;
    picture.pictureNumber = static_cast<std::uint8_t>(number);
    picture.centuryWindow = static_cast<std::uint8_t>(window);
    if (fill)
        applyFill(picture, fill);
    if (separator)
        applySeparator(picture, separator);
    return true;
}

std::size_t fillDate(const CompiledPicture& picture, std::string_view digits, int pointPosition,
                     const MonthNames& names, char* out) {
    using enum PositionRole;
    const int length = picture.length;
    std::int64_t serial = integerPart(digits, pointPosition);
    auto date =
        isValidDateSerial(serial) ? calendarDate(static_cast<std::int32_t>(serial)) : std::nullopt;
    if (!date && picture.blankWhenZero)
        return blankPicture(length, out);

    // The full-name pictures print the name as written, the others the abbreviation in capitals.
    const bool fullName = picture.pictureNumber == 4 || picture.pictureNumber == 18;
    std::string_view monthText;
    if (date)
        monthText = fullName ? names.months[date->month - 1].view()
                             : names.abbreviations[date->month - 1].view();

    // Month-letter positions that the name leaves over are dropped, so `written` falls behind
    // the template position `at`; the end is padded with spaces.
    int written = 0;
    for (int at = 0; at < length;) {
        PositionRole role = picture.positions[at].role;
        if (role == MonthDigit || role == DayDigit || role == YearDigit) {
            int count = runLength(picture, at);
            if (!date) {
                for (int i = 0; i < count; ++i)
                    out[written + i] = ' ';
            } else {
                int value = role == MonthDigit ? date->month
                            : role == DayDigit ? date->day
                                               : date->year;
                printDigits(&picture.positions[at], count, value, out + written);
            }
            written += count;
            at += count;
        } else if (role == MonthLetter) {
            int count = runLength(picture, at);
            int shown = static_cast<int>(monthText.size()) < count
                            ? static_cast<int>(monthText.size())
                            : count;
            for (int i = 0; i < shown; ++i)
                out[written++] = fullName ? monthText[i] : os::asciiUpper(monthText[i]);
            at += count;
        } else {
            out[written++] = picture.positions[at++].fill;
        }
    }
    for (; written < length; ++written)
        out[written] = ' ';
    return static_cast<std::size_t>(length);
}

} // namespace tamberlo
