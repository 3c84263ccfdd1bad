#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <cstddef>
#include <string_view>

namespace tamberlo {

// Reads decimal digits at `at`, capping the value so that a long run cannot overflow; `any`
// tells whether there was a digit at all.
inline int readPictureNumber(std::string_view text, std::size_t& at, bool& any) {
    int value = 0;
    any = false;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        if (value < 10000)
            value = value * 10 + (text[at] - '0');
        any = true;
        ++at;
    }
    return value;
}

// Whether the text from `at` on is blanks alone: a picture may end in spaces and tabs only.
inline bool onlyBlanksFrom(std::string_view text, std::size_t at) {
    for (; at < text.size(); ++at)
        if (text[at] != ' ' && text[at] != '\t')
            return false;
    return true;
}

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
