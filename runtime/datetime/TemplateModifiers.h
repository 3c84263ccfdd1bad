#pragma once

#include "runtime/picture/CompiledPicture.h"

namespace tamberlo {

inline bool isDateTimeDigitRole(PositionRole role) {
    switch (role) {
    case PositionRole::MonthDigit:
    case PositionRole::DayDigit:
    case PositionRole::YearDigit:
    case PositionRole::HourDigit:
    case PositionRole::MinuteDigit:
    case PositionRole::SecondDigit:
        return true;
    default:
        return false;
    }
}

// The separator a trailing modifier character stands for ("_" is a space, "`" a comma), or 0
// when the character is no modifier.
inline char separatorModifier(char c) {
    switch (c) {
    case '-':
    case '.':
        return c;
    case '_':
        return ' ';
    case '`':
        return ',';
    default:
        return 0;
    }
}

inline bool isFillModifier(char c) {
    return c == '0' || c == '_' || c == '*';
}

// A fill modifier gives every digit position that fill, so a zero digit anywhere prints it.
inline void applyFill(CompiledPicture& picture, char fill) {
    for (int i = 0; i < picture.length; ++i)
        if (isDateTimeDigitRole(picture.positions[i].role))
            picture.positions[i].fill = fill;
}

inline void applySeparator(CompiledPicture& picture, char separator) {
    for (int i = 0; i < picture.length; ++i)
        if (picture.positions[i].role == PositionRole::Separator)
            picture.positions[i].fill = separator;
}

} // namespace tamberlo
