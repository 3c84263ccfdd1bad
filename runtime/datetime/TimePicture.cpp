#include "runtime/datetime/TimePicture.h"

#include "runtime/datetime/DigitPrinting.h"
#include "runtime/datetime/RegionalPictures.h"
#include "runtime/datetime/TemplateBuilder.h"
#include "runtime/datetime/TemplateModifiers.h"
#include "runtime/datetime/TimeValue.h"

namespace tamberlo {

CompiledPicture fixedTimeTemplate(int number) {
    using enum PositionRole;
    CompiledPicture picture;
    if (number < 1 || number > 6)
        return picture;
    TemplateBuilder b(picture, PictureKind::Time, maxPictureLength);
    bool colons = number != 2 && number != 5;
    bool seconds = number >= 4;
    b.twoDigits(HourDigit, ' ');
    if (colons)
        b.separator(':');
    b.digits(MinuteDigit, 2);
    if (seconds) {
        if (colons)
            b.separator(':');
        b.digits(SecondDigit, 2);
    }
    if (number == 3 || number == 6)
        b.amPm();
    picture.pictureNumber = static_cast<std::uint8_t>(number);
    return picture;
}

bool compileTime(std::string_view rest, CompiledPicture& picture, const DateTimeTables& tables) {
    picture.length = 0;
    char separator = 0;
    if (!rest.empty() && (separator = separatorModifier(rest.back())) != 0)
        rest.remove_suffix(1);

    std::size_t at = 0;
    char fill = 0;
    if (at < rest.size() && isFillModifier(rest[at]))
        fill = rest[at++];
    bool any = false;
    int number = readPictureNumber(rest, at, any);
    if (!any || number < 1 || number > 8 || !onlyBlanksFrom(rest, at))
        return false;

    bool blankWhenZero = picture.blankWhenZero;
    if (number <= 6) {
        picture = fixedTimeTemplate(number);
        if (fill)
            applyFill(picture, fill);
        if (separator)
            applySeparator(picture, separator);
    } else {
        // The regional times are used as they were built: modifiers do not apply to them.
        const CompiledPicture& regional = number == 7 ? tables.shortTime : tables.longTime;
        if (!regional.valid())
            return false;
        picture = regional;
    }
    picture.blankWhenZero = blankWhenZero;
    picture.pictureNumber = static_cast<std::uint8_t>(number);
    return true;
}

std::size_t fillTime(const CompiledPicture& picture, std::string_view digits, int pointPosition,
                     const MonthNames& names, char* out) {
    using enum PositionRole;
    const int length = picture.length;
    std::int64_t value = integerPart(digits, pointPosition);
    if (value == 0 && picture.blankWhenZero)
        return blankPicture(length, out);
    // A value that is no time shows midnight.
    TimeOfDay time =
        isValidTimeValue(value) ? *timeOfDay(static_cast<std::int32_t>(value)) : TimeOfDay{};

    bool twelveHour = false;
    for (int i = 0; i < length; ++i)
        twelveHour = twelveHour || picture.positions[i].role == AmPm;
    int hour = time.hour;
    if (twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }

    for (int at = 0; at < length;) {
        PositionRole role = picture.positions[at].role;
        if (role == HourDigit || role == MinuteDigit || role == SecondDigit) {
            int count = runLength(picture, at);
            int shown = role == HourDigit ? hour : role == MinuteDigit ? time.minute : time.second;
            printDigits(&picture.positions[at], count, shown, out + at);
            at += count;
        } else if (role == AmPm) {
            std::string_view text = time.hour < 12 ? names.amText.view() : names.pmText.view();
            out[at++] = text.size() > 0 ? text[0] : ' ';
            if (at < length)
                out[at++] = text.size() > 1 ? text[1] : ' ';
        } else {
            out[at] = picture.positions[at].fill;
            ++at;
        }
    }
    return static_cast<std::size_t>(length);
}

} // namespace tamberlo
