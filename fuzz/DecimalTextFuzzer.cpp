// Arbitrary text through the text conversion and every operator: each result must be a
// well-formed working decimal whose plain text reads back as the same value, multiplication
// and division must agree with their digit-by-digit forms, and a store must read back and
// store again to the same bytes. Stored bytes that were never checked (nibbles
// A to F) go through the operators too, for memory safety.

#include "runtime/decimal/DecimalArithmetic.h"
#include "runtime/decimal/DecimalConversion.h"
#include "runtime/decimal/DecimalDigitwise.h"
#include "runtime/decimal/DecimalLayout.h"
#include "runtime/decimal/DecimalText.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

using namespace tamberlo;

namespace {

void fail(const char* what) {
    std::fprintf(stderr, "decimal fuzz: %s\n", what);
    std::abort();
}

void checkWellFormed(const WorkingDecimal& value) {
    if (value.low > value.high || value.high > 63)
        fail("bad range");
    bool nonZero = false;
    for (int entry = 0; entry < 64; ++entry) {
        const bool inRange = entry >= value.low && entry <= value.high;
        if (value.digits[entry] > 9 || (!inRange && value.digits[entry] != 0))
            fail("bad digit");
        nonZero = nonZero || value.digits[entry] != 0;
    }
    if (value.sign < -1 || value.sign > 1 || nonZero != (value.sign != 0))
        fail("bad sign");
}

void checkTextRoundTrip(const WorkingDecimal& value) {
    checkWellFormed(value);
    char text[maxPlainTextLength];
    const std::size_t length = writePlainText(value, text);
    const WorkingDecimal again = decimalFromText({text, length});
    if (compareDecimal(value, again) != 0)
        fail("plain text does not read back");
    char second[maxPlainTextLength];
    if (writePlainText(again, second) != length || std::memcmp(text, second, length) != 0)
        fail("plain text differs");
}

void checkStore(const WorkingDecimal& value, int places, DecimalLayout layout) {
    std::uint8_t stored[16];
    std::uint8_t restored[16];
    writeDecimalVariable(value, stored, 16, places, layout);
    const WorkingDecimal read = readDecimalVariable(stored, 16, places, layout);
    checkWellFormed(read);
    writeDecimalVariable(read, restored, 16, places, layout);
    if (std::memcmp(stored, restored, sizeof stored) != 0)
        fail("store does not read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    const std::string_view leftText = input.substr(0, split);
    const std::string_view rightText =
        split == std::string_view::npos ? std::string_view{} : input.substr(split + 1);

    const WorkingDecimal left = decimalFromText(leftText);
    const WorkingDecimal right = decimalFromText(rightText);
    checkTextRoundTrip(left);
    checkTextRoundTrip(right);
    checkTextRoundTrip(addDecimal(left, right));
    checkTextRoundTrip(subtractDecimal(left, right));
    checkTextRoundTrip(multiplyDecimal(left, right));
    checkTextRoundTrip(divideDecimal(left, right));
    if (compareDecimal(left, right) != -compareDecimal(right, left))
        fail("comparison is not antisymmetric");
    // The binary routes must give the digits of the digit-by-digit ones.
    if (compareDecimal(multiplyDecimal(left, right), multiplyDecimalDigitwise(left, right)) != 0 ||
        compareDecimal(divideDecimal(left, right), divideDecimalDigitwise(left, right)) != 0 ||
        compareDecimal(divideDecimal(right, left), divideDecimalDigitwise(right, left)) != 0)
        fail("binary and digit-by-digit routes differ");

    const int places = static_cast<int>(size % 32);
    checkStore(left, places, DecimalLayout::Decimal);
    checkStore(left, places, DecimalLayout::PackedDecimal);

    double real = 0;
    if (size >= sizeof real) {
        std::memcpy(&real, data, sizeof real);
        checkTextRoundTrip(decimalFromReal(real));
        (void)decimalToReal(left);
    }
    (void)decimalToLong(left);

    // The raw bytes as a stored variable, unchecked nibbles and all.
    if (size >= 1) {
        const int bytes = 1 + static_cast<int>(size < 16 ? size - 1 : 15);
        const int rawPlaces = data[0] % (2 * bytes);
        const auto layout = data[0] & 0x80 ? DecimalLayout::PackedDecimal : DecimalLayout::Decimal;
        const WorkingDecimal raw = readDecimalVariable(data, bytes, rawPlaces, layout);
        char text[maxPlainTextLength];
        writePlainText(raw, text);
        for (const WorkingDecimal& other : {left, right, raw}) {
            (void)addDecimal(raw, other);
            (void)subtractDecimal(other, raw);
            (void)multiplyDecimal(raw, other);
            (void)multiplyDecimal(other, raw);
            (void)divideDecimal(raw, other);
            (void)divideDecimal(other, raw);
            (void)compareDecimal(raw, other);
        }
        std::uint8_t stored[16];
        writeDecimalVariable(raw, stored, bytes, rawPlaces, layout);
        (void)decimalToReal(raw);
        (void)decimalToLong(raw);
    }
    return 0;
}
