#include "runtime/picture/Format.h"

#include "runtime/decimal/DecimalConversion.h"
#include "runtime/decimal/DecimalStack.h"
#include "runtime/decimal/DecimalText.h"
#include "runtime/decimal/DigitString.h"
#include "runtime/picture/CompilePicture.h"
#include "runtime/picture/FormatDigits.h"
#include "runtime/picture/TextFill.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace tamberlo {

namespace {

// FORMAT compiles its picture on every call, into this thread's own picture: only the first
// `length` positions are ever read, so the rest need not be cleared each time, and the shape
// of a numeric template comes from its layout instead of being counted again. FORMAT is never
// re-entered on a thread, so one picture suffices.
struct FormatPicture {
    CompiledPicture picture;
    TemplateShape numericShape;

    ValueType valueType() const { return picture.valueType; }
    bool isText() const {
        return picture.kind == PictureKind::String || picture.kind == PictureKind::KeyIn;
    }
};

const FormatPicture& compileForFormat(std::string_view text) {
    thread_local FormatPicture compiled;
    compilePictureInto(text, compiled.picture, &compiled.numericShape);
    return compiled;
}

std::size_t formatDigitString(const FormatPicture& compiled, const DigitString& number, char* out) {
    const bool numeric = compiled.picture.kind == PictureKind::Numeric;
    return formatDigits(compiled.picture, numeric ? &compiled.numericShape : nullptr, number.view(),
                        number.pointPosition, number.negative, out);
}

// The decimal-value form: its digits, or its plain text for text pictures.
std::size_t formatDecimal(const FormatPicture& compiled, const WorkingDecimal& value, char* out) {
    if (compiled.isText())
        return fillPlainText(compiled.picture, value, out);
    return formatDigitString(compiled, toDigitString(value), out);
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

} // namespace

std::string FORMAT(std::int32_t value, std::string_view picture) {
    const auto& compiled = compileForFormat(picture);
    char out[maxPictureLength];
    if (compiled.isText())
        return std::string(out, fillPlainText(compiled.picture, decimalFromLong(value), out));
    return std::string(out, formatDigitString(compiled, integerDigits(value), out));
}

std::string FORMAT(const WorkingDecimal& value, std::string_view picture) {
    const auto& compiled = compileForFormat(picture);
    char out[maxPictureLength];
    return std::string(out, formatDecimal(compiled, value, out));
}

// Other values go through the picture's value type, converted as decimal arithmetic converts
// them, without touching the thread's decimal stack.
std::string FORMAT(double value, std::string_view picture) {
    const auto& compiled = compileForFormat(picture);
    char out[maxPictureLength];
    if (compiled.valueType() == ValueType::Decimal || compiled.valueType() == ValueType::Text)
        return std::string(out, formatDecimal(compiled, decimalFromReal(value), out));
    return std::string(out, formatDigitString(compiled, realDigits(value), out));
}

std::string FORMAT(std::string_view text, std::string_view picture) {
    const auto& compiled = compileForFormat(picture);
    char out[maxPictureLength];
    switch (compiled.valueType()) {
    case ValueType::Decimal:
        return std::string(out, formatDecimal(compiled, decimalFromText(text), out));
    case ValueType::Text:
        return std::string(out, fillTextPicture(compiled.picture, text, out));
    default:
        return std::string(
            out,
            formatDigitString(compiled, realDigits(decimalToReal(decimalFromText(text))), out));
    }
}

void popFormatted(char* buffer, std::size_t size, std::string_view picture) {
    if (picture.empty()) {
        popText(buffer, size);
        return;
    }
    auto value = popWorkingDecimal();
    if (size == 0)
        return;
    const auto& compiled = compileForFormat(picture);
    char out[maxPictureLength];
    std::size_t length = formatDecimal(compiled, value, out);
    // Text that does not fit with its terminator is not cut: the caller gets the empty text.
    if (length + 1 > size)
        length = 0;
    std::memcpy(buffer, out, length);
    buffer[length] = '\0';
}

} // namespace tamberlo
