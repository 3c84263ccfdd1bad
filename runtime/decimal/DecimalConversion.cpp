#include "runtime/decimal/DecimalConversion.h"

#include "runtime/decimal/DecimalDigits.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>

namespace tamberlo {

namespace {

constexpr int units = WorkingDecimal::unitsEntry;

WorkingDecimal fromMagnitude(std::uint32_t magnitude, std::int8_t sign) {
    WorkingDecimal value;
    if (magnitude == 0)
        return value;
    // At most ten digits: eight from entry 32, the rest from entry 40.
    value.sign = sign;
    if (magnitude < digits::limbBase) {
        const std::uint64_t lower = digits::wordOf(magnitude);
        digits::storeWord(value.digits.data() + units, lower);
        value.high = static_cast<std::uint8_t>(units + 7 - digits::leadingZeroBytes(lower));
        return value;
    }
    const std::uint64_t lower = digits::wordOf(magnitude % digits::limbBase);
    const std::uint64_t upper = digits::wordOf(magnitude / digits::limbBase);
    digits::storeWord(value.digits.data() + units, lower);
    digits::storeWord(value.digits.data() + units + 8, upper);
    value.high = static_cast<std::uint8_t>(units + 15 - digits::leadingZeroBytes(upper));
    return value;
}

// The integer part of the magnitude, wrapped to 32 bits.
std::uint32_t integerPart(WorkingDecimal& value) {
    normalise(value);
    std::uint32_t result = 0;
    for (int entry = value.high; entry >= std::max<int>(value.low, units); --entry)
        result = result * 10u + value.digits[entry];
    if (value.low > units) // integer zeros below the last digit
        for (int entry = value.low - 1; entry >= units; --entry)
            result *= 10u;
    return result;
}

} // namespace

WorkingDecimal decimalFromLong(std::int32_t value) {
    const auto magnitude =
        value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    return fromMagnitude(magnitude, value < 0 ? -1 : 1);
}

WorkingDecimal decimalFromUnsignedLong(std::uint32_t value) {
    return fromMagnitude(value, 1);
}

WorkingDecimal decimalFromReal(double real) {
    if (!std::isfinite(real) || real == 0)
        return WorkingDecimal{};
    const double magnitude = std::fabs(real);

    // Rounded to nearest at the 15th decimal place, but to no more than 18 significant digits:
    // fixed notation below 1000, where 15 decimals are at most 18 digits, scientific above.
    char text[64];
    const auto [end, error] =
        magnitude < 1e3
            ? std::to_chars(text, text + sizeof text, magnitude, std::chars_format::fixed, 15)
            : std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 17);
    if (error != std::errc{})
        return WorkingDecimal{};

    // Collect the significant digits and the place of the first one.
    char digits[24];
    int count = 0;
    bool pointSeen = false;
    int pointAt = 0; // significant digits before the decimal point (negative for zeros after it)
    int exponent = 0;
    for (const char* at = text; at < end; ++at) {
        if (*at == '.') {
            pointSeen = true;
            pointAt = count;
        } else if (*at == 'e') {
            std::from_chars(at + 1 + (at[1] == '+'), end, exponent);
            break;
        } else if (count > 0 || *at != '0') {
            if (count < static_cast<int>(sizeof digits))
                digits[count++] = *at;
        } else if (pointSeen) {
            --pointAt; // a zero between the point and the first significant digit
        }
    }
    if (count == 0)
        return WorkingDecimal{};
    if (!pointSeen)
        pointAt = count;
    int leadPlace = magnitude < 1e3 ? pointAt - 1 : exponent;

    // Keep 15 digits; the 16th rounds them half up.
    constexpr int kept = 15;
    int value[kept + 1] = {};
    for (int i = 0; i < std::min(count, kept); ++i)
        value[i + 1] = digits[i] - '0';
    if (count > kept && digits[kept] >= '5') {
        int i = kept;
        while (value[i] == 9)
            value[i--] = 0;
        ++value[i]; // value[0] becomes 1 when the carry runs out of the first digit
    }
    const int firstIndex = value[0] != 0 ? 0 : 1;
    if (firstIndex == 0)
        ++leadPlace;
    if (leadPlace > 31)
        return WorkingDecimal{};

    WorkingDecimal result;
    int entry = leadPlace + units;
    for (int i = firstIndex; i <= kept && entry >= 0; ++i, --entry)
        result.digits[entry] = static_cast<std::uint8_t>(value[i]);
    result.sign = real < 0 ? -1 : 1;
    result.high = static_cast<std::uint8_t>(leadPlace + units);
    result.low = static_cast<std::uint8_t>(entry + 1);
    normalise(result);
    return result;
}

std::int32_t decimalToLong(WorkingDecimal value) {
    const std::uint32_t magnitude = integerPart(value);
    return static_cast<std::int32_t>(value.sign < 0 ? 0u - magnitude : magnitude);
}

std::uint32_t decimalToUnsignedLong(WorkingDecimal value) {
    return integerPart(value);
}

double decimalToReal(WorkingDecimal value) {
    normalise(value);
    if (isZero(value))
        return 0.0;
    const int last = std::max<int>(value.low, value.high - 15);
    std::uint64_t digits = 0;
    for (int entry = value.high; entry >= last; --entry)
        digits = digits * 10u + value.digits[entry];
    double result = static_cast<double>(digits);

    // Every power up to 10^16 is exact in a double, so each step rounds only once.
    static constexpr double powers[] = {1e0, 1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7, 1e8,
                                        1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16};
    int exponent = last - units;
    for (; exponent > 16; exponent -= 16)
        result *= 1e16;
    for (; exponent < -16; exponent += 16)
        result /= 1e16;
    if (exponent >= 0)
        result *= powers[exponent];
    else
        result /= powers[-exponent];
    return value.sign < 0 ? -result : result;
}

} // namespace tamberlo
