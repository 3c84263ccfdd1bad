#include "runtime/decimal/DecimalText.h"

#include "platform/os/AsciiCharacters.h"

#include <algorithm>

namespace tamberlo {

using os::isAsciiDigit;
using os::isAsciiSpace;

WorkingDecimal decimalFromText(std::string_view text) {
    // One named result throughout (zero until digits are placed), so that it is built where
    // the caller wants it.
    WorkingDecimal value;
    text = text.substr(0, std::min(text.size(), maxConvertedTextLength));
    std::size_t at = 0;
    const std::size_t end = text.size();
    while (at < end && isAsciiSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < end && text[at] == '-') {
        negative = true;
        ++at;
    }
    while (at < end && text[at] == '0')
        ++at;

    const std::size_t integerStart = at;
    while (at < end && isAsciiDigit(text[at]))
        ++at;
    const int integerCount = static_cast<int>(at - integerStart);
    std::size_t fractionStart = at;
    int fractionCount = 0;
    if (at < end && (text[at] == '.' || text[at] == ',')) {
        fractionStart = ++at;
        while (at < end && isAsciiDigit(text[at]))
            ++at;
        fractionCount = static_cast<int>(at - fractionStart);
    }
    int exponent = 0;
    if (at < end && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool negativeExponent = false;
        if (at < end && (text[at] == '+' || text[at] == '-'))
            negativeExponent = text[at++] == '-';
        // Far beyond the working range already, and no risk of overflow.
        while (at < end && isAsciiDigit(text[at]))
            exponent = std::min(exponent * 10 + (text[at++] - '0'), 1000);
        if (negativeExponent)
            exponent = -exponent;
    }

    if (integerCount + fractionCount == 0)
        return value;
    const int leading = integerCount + exponent + WorkingDecimal::unitsEntry - 1;
    if (leading < 0 || leading > 63)
        return value;
    bool nonZero = false;
    int entry = leading;
    auto place = [&](std::size_t from, int count) {
        for (int i = 0; i < count && entry >= 0; ++i, --entry) {
            const auto digit = static_cast<std::uint8_t>(text[from + i] - '0');
            value.digits[entry] = digit;
            nonZero = nonZero || digit != 0;
        }
    };
    place(integerStart, integerCount);
    place(fractionStart, fractionCount);
    if (!nonZero) // only zeros were placed: still zero
        return value;
    value.sign = negative ? -1 : 1;
    value.low = static_cast<std::uint8_t>(entry + 1);
    value.high = static_cast<std::uint8_t>(leading);
    return value;
}

std::size_t writePlainText(WorkingDecimal value, char* out) {
    normalise(value);
    constexpr int units = WorkingDecimal::unitsEntry;
    auto digit = [&](int entry) {
        const bool inRange = entry >= value.low && entry <= value.high;
        return static_cast<char>('0' + (inRange ? value.digits[entry] : 0));
    };
    std::size_t length = 0;
    if (value.sign < 0)
        out[length++] = '-';
    for (int entry = std::max<int>(value.high, units); entry >= units; --entry)
        out[length++] = digit(entry);
    if (value.low < units) {
        out[length++] = '.';
        for (int entry = units - 1; entry >= value.low; --entry)
            out[length++] = digit(entry);
    }
    return length;
}

} // namespace tamberlo
