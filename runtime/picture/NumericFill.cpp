#include "runtime/picture/NumericFill.h"

#include "platform/os/AsciiCharacters.h"

#include <algorithm>
#include <array>

namespace tamberlo {

using os::isAsciiDigit;

namespace {

// Bytes that are not digits count as zeros throughout.
bool isNonZeroDigit(char c) {
    return c >= '1' && c <= '9';
}

// Copies the digits at string indices from..from+count; places outside the string are zeros,
// and so are bytes that are not digits, so no input can push the arithmetic out of range.
void copyDigits(std::string_view digits, long long from, int count, char* out) {
    const long long n = static_cast<long long>(digits.size());
    const int begin = static_cast<int>(std::clamp<long long>(-from, 0, count));
    const int end = static_cast<int>(std::clamp<long long>(n - from, begin, count));
    for (int i = 0; i < begin; ++i)
        out[i] = '0';
    for (int i = begin; i < end; ++i) {
        char c = digits[static_cast<std::size_t>(from + i)];
        out[i] = isAsciiDigit(c) ? c : '0';
    }
    for (int i = end; i < count; ++i)
        out[i] = '0';
}

// Digit positions, and grouping positions, which may give way to a digit.
bool holdsDigit(PositionRole role) {
    return role == PositionRole::DigitShown || role == PositionRole::DigitBlank ||
           role == PositionRole::ImpliedDecimal || role == PositionRole::GroupSeparator;
}

bool isSeparatorRole(PositionRole role) {
    return role == PositionRole::GroupSeparator || role == PositionRole::DecimalSeparator ||
           role == PositionRole::Separator;
}

// Longest integer part ever materialised: more significant digits than that cannot fit any
// template, and the zeros above them would be dropped anyway.
constexpr int maxIntegerDigits = maxPictureLength + 1;

// The value rounded half up on its magnitude to a number of fraction digits.
class RoundedValue {
public:
    // Returns false when the integer part has more than `room` significant digits, which no
    // rounding can make fit.
    bool round(std::string_view digits, long long point, int fractionCount, int room) {
        const long long n = static_cast<long long>(digits.size());
        const long long integerEnd = std::min(point, n);
        long long first = 0;
        while (first < integerEnd && !isNonZeroDigit(digits[static_cast<std::size_t>(first)]))
            ++first;
        if (first < integerEnd && point - first > room)
            return false;

        const int integerCount =
            static_cast<int>(std::clamp<long long>(point, 0, maxIntegerDigits));
        char* d = m_digits.data();
        d[0] = '0';
        copyDigits(digits, point - integerCount, integerCount, d + 1);
        copyDigits(digits, point, fractionCount, d + 1 + integerCount);
        m_integerStart = 1;
        m_integerEnd = 1 + integerCount;

        const long long next = point + fractionCount;
        const char decider = next >= 0 && next < n ? digits[static_cast<std::size_t>(next)] : '0';
        if (decider >= '5' && decider <= '9') {
            int i = integerCount + fractionCount;
            while (i >= 1 && d[i] == '9')
                d[i--] = '0';
            if (i >= 1) {
                ++d[i];
            } else {
                d[0] = '1';
                m_integerStart = 0;
            }
        }
        return true;
    }

    // Drops leading zeros of the integer digits while more than `keep` remain.
    void trimIntegerTo(int keep) {
        while (m_integerEnd - m_integerStart > keep && m_digits[m_integerStart] == '0')
            ++m_integerStart;
    }

    const char* integer() const { return m_digits.data() + m_integerStart; }
    int integerCount() const { return m_integerEnd - m_integerStart; }
    const char* fraction() const { return m_digits.data() + m_integerEnd; }

private:
    // [carry][integer digits][fraction digits]
    std::array<char, 1 + maxIntegerDigits + maxPictureLength> m_digits;
    int m_integerStart = 1;
    int m_integerEnd = 1;
};

bool blankZeroAt(const CompiledPicture& picture, int i, char previous) {
    return !isAsciiDigit(previous) && !(i > 0 && isSeparatorRole(picture.positions[i - 1].role));
}

// The positions left to right for a value that fits.
void fillDigits(const CompiledPicture& picture, int end, const RoundedValue& value,
                const TemplateShape& shape, bool showSign, char* out) {
    const int k = value.integerCount();
    const char* integer = value.integer();
    const char* fraction = value.fraction();
    // With k up to I the digits are right-aligned in the integer positions after I - k leading
    // ones; beyond I the leftmost grouping positions take the extra digits.
    const int leadingDigits = std::max(shape.integers - k, 0);
    const int groupsGivenUp = std::max(k - shape.integers, 0);

    int integersSeen = 0, groupsSeen = 0;
    const char* next = integer; // the next integer digit to place
    bool afterSeparator = false;
    char previous = 0;
    for (int i = 0; i < end; ++i) {
        auto [fill, role] = picture.positions[i];
        char c = fill;
        if (role == PositionRole::DigitBlank || role == PositionRole::DigitShown) {
            if (afterSeparator)
                c = *fraction++;
            else if (integersSeen++ < leadingDigits)
                c = role == PositionRole::DigitBlank ? ' ' : fill;
            else
                c = *next++;
            if (c == '0' && role == PositionRole::DigitBlank && blankZeroAt(picture, i, previous))
                c = ' ';
        } else if (role == PositionRole::GroupSeparator) {
            if (groupsSeen++ < groupsGivenUp)
                c = *next++;
            else
                c = isAsciiDigit(previous) ? fill : previous == '*' ? '*' : ' ';
        } else if (role == PositionRole::DecimalSeparator) {
            afterSeparator = true;
        } else if (role == PositionRole::Sign) {
            c = showSign ? fill : ' ';
        } else if (role == PositionRole::ImpliedDecimal) {
            if (integersSeen++ >= leadingDigits)
                c = *next++;
            afterSeparator = true;
        }
        out[i] = c;
        previous = c;
    }
}

} // namespace

TemplateShape shapeOf(const CompiledPicture& picture, int end) {
    TemplateShape shape;
    const auto& positions = picture.positions;
    int i = 0;
    while (i < end &&
           (positions[i].role == PositionRole::Currency || positions[i].role == PositionRole::Sign))
        ++i;
    shape.leading = i;
    int digits = 0, groups = 0, integers = -1; // integers: digits up to the decimal separator
    bool blank = false;
    for (; i < end; ++i) {
        switch (positions[i].role) {
        case PositionRole::DigitBlank:
            blank = true;
            [[fallthrough]];
        case PositionRole::DigitShown:
            ++digits;
            break;
        case PositionRole::ImpliedDecimal:
            ++digits;
            [[fallthrough]];
        case PositionRole::DecimalSeparator:
            if (integers < 0)
                integers = digits;
            break;
        case PositionRole::GroupSeparator:
            ++groups;
            break;
        default:
            break;
        }
    }
    shape.integers = integers < 0 ? digits : integers;
    shape.fractions = digits - shape.integers;
    shape.groups = groups;
    shape.blankDigits = blank;
    return shape;
}

void fillNumericPositions(const CompiledPicture& picture, const TemplateShape& shape, int end,
                          std::string_view digits, long long pointPosition, bool negative,
                          char* out) {
    const auto& positions = picture.positions;
    const bool pattern = picture.kind == PictureKind::Pattern;

    RoundedValue value;
    bool overflow =
        !value.round(digits, pointPosition, shape.fractions, shape.integers + shape.groups);
    if (!overflow) {
        value.trimIntegerTo(shape.integers);
        overflow = value.integerCount() > shape.integers + shape.groups;
    }
    if (overflow && pattern && shape.integers == 0) {
        std::fill(out, out + end, ' ');
        return;
    }

    const bool showSign = negative && !pattern;
    if (overflow) {
        for (int i = 0; i < end; ++i) {
            auto [fill, role] = positions[i];
            out[i] = holdsDigit(role) ? '#' : role == PositionRole::Sign && !showSign ? ' ' : fill;
        }
    } else {
        fillDigits(picture, end, value, shape, showSign, out);
    }

    // A leading currency and a minus sign stand right before the first digit shown.
    if (pattern || !shape.blankDigits || shape.leading == 0)
        return;
    int first = shape.leading;
    while (first < end &&
           !((isAsciiDigit(out[first]) || out[first] == '#') && holdsDigit(positions[first].role)))
        ++first;
    if (first == end)
        return;
    int to = first;
    for (int i = shape.leading; i-- > 0;) {
        if (positions[i].role == PositionRole::Currency || showSign)
            out[--to] = positions[i].fill;
    }
    std::fill(out, out + to, ' ');
}

} // namespace tamberlo
