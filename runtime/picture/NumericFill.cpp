#include "runtime/picture/NumericFill.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tamberlo {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isDigitRole(PositionRole role) {
    return role == PositionRole::DigitShown || role == PositionRole::DigitBlank ||
           role == PositionRole::ImpliedDecimal;
}

bool isSeparatorRole(PositionRole role) {
    return role == PositionRole::GroupSeparator || role == PositionRole::DecimalSeparator ||
           role == PositionRole::Separator;
}

// Position indices of one kind, in order from the left.
struct PositionList {
    std::array<std::uint8_t, maxPictureLength> at; // only the first `count` are set
    int count = 0;
    void add(int position) { at[count++] = static_cast<std::uint8_t>(position); }
};

// The digit string as a number: the digit of weight 10^place, '0' outside the string. Bytes
// that are not digits count as zeros, so no input can push arithmetic out of range.
class DigitSource {
public:
    DigitSource(std::string_view digits, long long pointPosition)
        : m_digits(digits), m_point(pointPosition) {}

    char atPlace(long long place) const {
        long long index = m_point - 1 - place;
        if (index < 0 || index >= static_cast<long long>(m_digits.size()))
            return '0';
        char c = m_digits[static_cast<std::size_t>(index)];
        return isDigit(c) ? c : '0';
    }

    // Integer digits from the first non-zero one (0 when the integer part is zero).
    long long significantIntegerDigits() const {
        long long end = std::min<long long>(m_point, static_cast<long long>(m_digits.size()));
        for (long long i = 0; i < end; ++i)
            if (isDigit(m_digits[static_cast<std::size_t>(i)]) &&
                m_digits[static_cast<std::size_t>(i)] != '0')
                return m_point - i;
        return 0;
    }

    long long point() const { return m_point; }

private:
    std::string_view m_digits;
    long long m_point;
};

// Longest integer part ever materialised: more significant digits than that cannot fit any
// template, and the zeros above it would be dropped anyway.
constexpr int maxIntegerDigits = maxPictureLength + 1;

// The value rounded half up on its magnitude to F fraction digits.
struct RoundedValue {
    // [carry][integer digits][fraction digits]
    std::array<char, 1 + maxIntegerDigits + maxPictureLength> digits;
    int integerStart = 1; // 0 when the rounding carried out of the first digit
    int integerEnd = 1;   // also where the fraction digits start

    const char* integer() const { return digits.data() + integerStart; }
    int integerCount() const { return integerEnd - integerStart; }
    const char* fraction() const { return digits.data() + integerEnd; }
};

void roundValue(const DigitSource& source, int fractionCount, RoundedValue& value) {
    const int integerCount =
        static_cast<int>(std::clamp<long long>(source.point(), 0, maxIntegerDigits));
    char* d = value.digits.data();
    d[0] = '0';
    for (int j = 0; j < integerCount; ++j)
        d[1 + j] = source.atPlace(integerCount - 1 - j);
    for (int f = 1; f <= fractionCount; ++f)
        d[integerCount + f] = source.atPlace(-f);
    value.integerStart = 1;
    value.integerEnd = 1 + integerCount;

    if (source.atPlace(-fractionCount - 1) < '5')
        return;
    int i = integerCount + fractionCount;
    while (i >= 1 && d[i] == '9')
        d[i--] = '0';
    if (i >= 1) {
        ++d[i];
    } else {
        d[0] = '1';
        value.integerStart = 0;
    }
}

} // namespace

void fillNumericPositions(const CompiledPicture& picture, int end, std::string_view digits,
                          long long pointPosition, bool negative, char* out) {
    const auto& positions = picture.positions;
    const bool pattern = picture.kind == PictureKind::Pattern;

    int separator = end;
    for (int i = 0; i < end; ++i) {
        auto role = positions[i].role;
        if (role == PositionRole::DecimalSeparator || role == PositionRole::ImpliedDecimal) {
            separator = i;
            break;
        }
    }
    PositionList integers, groups, fractions;
    bool hasBlankDigits = false;
    for (int i = 0; i < end; ++i) {
        auto role = positions[i].role;
        hasBlankDigits = hasBlankDigits || role == PositionRole::DigitBlank;
        if (role == PositionRole::ImpliedDecimal || (isDigitRole(role) && i < separator))
            integers.add(i);
        else if (isDigitRole(role))
            fractions.add(i);
        else if (role == PositionRole::GroupSeparator)
            groups.add(i);
    }

    // What each digit or grouping position shows; 0 leaves it to its role.
    std::array<char, maxPictureLength> shown;
    std::fill_n(shown.begin(), end, '\0');

    DigitSource source(digits, pointPosition);
    bool overflow = source.significantIntegerDigits() > integers.count + groups.count;
    RoundedValue value;
    if (!overflow) {
        roundValue(source, fractions.count, value);
        const char* integer = value.integer();
        int k = value.integerCount();
        while (k > integers.count && *integer == '0') {
            ++integer;
            --k;
        }
        overflow = k > integers.count + groups.count;
        if (!overflow) {
            if (k <= integers.count) {
                int leading = integers.count - k;
                for (int s = leading; s < integers.count; ++s)
                    shown[integers.at[s]] = integer[s - leading];
            } else {
                // The leftmost grouping positions give way to the extra digits.
                int givenUp = k - integers.count, g = 0, d = 0;
                for (int s = 0; s < k; ++s) {
                    bool takeGroup =
                        g < givenUp && (d == integers.count || groups.at[g] < integers.at[d]);
                    shown[takeGroup ? groups.at[g++] : integers.at[d++]] = integer[s];
                }
            }
            for (int f = 0; f < fractions.count; ++f)
                shown[fractions.at[f]] = value.fraction()[f];
        }
    }
    if (overflow) {
        if (pattern && integers.count == 0) {
            std::fill(out, out + end, ' ');
            return;
        }
        for (const PositionList* list : {&integers, &groups, &fractions})
            for (int s = 0; s < list->count; ++s)
                shown[list->at[s]] = '#';
    }

    const bool showSign = negative && !pattern;
    char previous = 0;
    for (int i = 0; i < end; ++i) {
        auto [fill, role] = positions[i];
        char c = fill;
        if (shown[i]) {
            c = shown[i];
            if (c == '0' && role == PositionRole::DigitBlank && !isDigit(previous) &&
                !(i > 0 && isSeparatorRole(positions[i - 1].role)))
                c = ' ';
        } else if (role == PositionRole::DigitBlank) {
            c = ' ';
        } else if (role == PositionRole::GroupSeparator) {
            c = isDigit(previous) ? fill : previous == '*' ? '*' : ' ';
        } else if (role == PositionRole::Sign) {
            c = showSign ? fill : ' ';
        }
        out[i] = c;
        previous = c;
    }

    // A leading currency and a minus sign stand right before the first digit shown.
    if (pattern || !hasBlankDigits)
        return;
    int leadEnd = 0;
    while (leadEnd < end && (positions[leadEnd].role == PositionRole::Currency ||
                             positions[leadEnd].role == PositionRole::Sign))
        ++leadEnd;
    int first = leadEnd;
    while (first < end && !((isDigitRole(positions[first].role) ||
                             positions[first].role == PositionRole::GroupSeparator) &&
                            (isDigit(out[first]) || out[first] == '#')))
        ++first;
    if (leadEnd == 0 || first == end)
        return;
    std::array<char, maxPictureLength> held;
    int heldCount = 0;
    for (int i = 0; i < leadEnd; ++i)
        if (positions[i].role == PositionRole::Currency || showSign)
            held[heldCount++] = positions[i].fill;
    std::fill(out, out + first, ' ');
    std::copy(held.begin(), held.begin() + heldCount, out + first - heldCount);
}

} // namespace tamberlo
