#include "runtime/picture/Format.h"

#include "runtime/decimal/DecimalStack.h"
#include "runtime/decimal/DigitString.h"
#include "runtime/picture/TextFill.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace tamberlo {

namespace {

bool isTextKind(const CompiledPicture& picture) {
    return picture.kind == PictureKind::String || picture.kind == PictureKind::KeyIn;
}

// The plain form of a number ("-1234.5") for text pictures given a number directly: their
// filling step knows no sign or point, so the number arrives as the text it would convert to.
struct PlainText {
    std::array<char, 66> text{}; // sign, point and up to 64 digits
    std::size_t size = 0;

    explicit PlainText(const DigitString& number) {
        auto digits = number.view();
        auto point = static_cast<std::size_t>(std::max(number.pointPosition, 0));
        if (number.negative)
            text[size++] = '-';
        for (std::size_t i = 0; i < digits.size(); ++i) {
            if (i == point)
                text[size++] = '.';
            text[size++] = digits[i];
        }
    }
    std::string_view view() const { return {text.data(), size}; }
};

std::size_t formatNumber(const CompiledPicture& picture, const DigitString& number, char* out) {
    if (isTextKind(picture))
        return fillTextPicture(picture, PlainText(number).view(), out);
    return formatDigits(picture, number.view(), number.pointPosition, number.negative, out);
}

DigitString integerDigits(std::int32_t value) {
    DigitString number;
    number.negative = value < 0;
    auto magnitude = static_cast<std::uint32_t>(value < 0 ? -static_cast<std::int64_t>(value)
                                                          : static_cast<std::int64_t>(value));
    auto [end, error] =
        std::to_chars(number.digits.data(), number.digits.data() + number.digits.size(), magnitude);
    (void)error; // ten digits always fit
    number.count = static_cast<std::uint8_t>(end - number.digits.data());
    number.pointPosition = number.count;
    return number;
}

// A real as its 15 most significant decimal digits, rounded to nearest (to_chars with a
// precision rounds the real's exact binary value correctly), with the decimal exponent as the
// point position. Zero has no digits.
DigitString realDigits(double value) {
    DigitString number;
    if (std::isnan(value) || value == 0)
        return number;
    number.negative = value < 0;
    if (std::isinf(value)) {
        // Larger than any picture can hold: shown as an overflow.
        number.digits[0] = '1';
        number.count = 1;
        number.pointPosition = 10000;
        return number;
    }
    char text[32];
    auto [end, error] = std::to_chars(text, text + sizeof text, std::fabs(value),
                                      std::chars_format::scientific, 14);
    (void)error; // "d.dddddddddddddde-ddd" always fits
    const char* p = text;
    for (; p != end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            number.digits[number.count++] = *p;
    int exponent = 0;
    if (p != end)
        std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
    while (number.count > 0 && number.digits[number.count - 1] == '0')
        --number.count;
    number.pointPosition = exponent + 1;
    return number;
}

// Everything a decimal value converts to is taken from the engine, so that FORMAT shows what
// arithmetic would compute with.
DigitString decimalFromReal(double value) {
    pushReal(value);
    return toDigitString(popWorkingDecimal());
}

DigitString decimalFromText(std::string_view text) {
    pushText(text);
    return toDigitString(popWorkingDecimal());
}

double realFromText(std::string_view text) {
    pushText(text);
    return popReal();
}

} // namespace

std::string FORMAT(std::int32_t value, std::string_view picture) {
    auto compiled = compilePicture(picture);
    char out[maxPictureLength];
    return std::string(out, formatNumber(compiled, integerDigits(value), out));
}

std::string FORMAT(const WorkingDecimal& value, std::string_view picture) {
    auto compiled = compilePicture(picture);
    char out[maxPictureLength];
    return std::string(out, formatNumber(compiled, toDigitString(value), out));
}

std::string FORMAT(double value, std::string_view picture) {
    auto compiled = compilePicture(picture);
    if (!compiled.valid())
        return {};
    char out[maxPictureLength];
    switch (compiled.valueType) {
    case ValueType::Decimal:
        return std::string(out, formatNumber(compiled, decimalFromReal(value), out));
    case ValueType::Text:
        return std::string(
            out, fillTextPicture(compiled, PlainText(decimalFromReal(value)).view(), out));
    default:
        return std::string(out, formatNumber(compiled, realDigits(value), out));
    }
}

std::string FORMAT(std::string_view text, std::string_view picture) {
    auto compiled = compilePicture(picture);
    if (!compiled.valid())
        return {};
    char out[maxPictureLength];
    switch (compiled.valueType) {
    case ValueType::Decimal:
        return std::string(out, formatNumber(compiled, decimalFromText(text), out));
    case ValueType::Text:
        return std::string(out, fillTextPicture(compiled, text, out));
    default:
        return std::string(out, formatNumber(compiled, realDigits(realFromText(text)), out));
    }
}

void popFormatted(char* buffer, std::size_t size, std::string_view picture) {
    if (picture.empty()) {
        popText(buffer, size);
        return;
    }
    auto number = toDigitString(popWorkingDecimal());
    if (size == 0)
        return;
    auto compiled = compilePicture(picture);
    char out[maxPictureLength];
    std::size_t length = compiled.valid() ? formatNumber(compiled, number, out) : 0;
    // Text that does not fit with its terminator is not cut: the caller gets the empty text.
    if (length + 1 > size)
        length = 0;
    std::memcpy(buffer, out, length);
    buffer[length] = '\0';
}

} // namespace tamberlo
