#include "runtime/picture/ScientificPicture.h"

#include "runtime/picture/NumericFill.h"
#include "runtime/picture/NumericPictureSyntax.h"

#include <array>

namespace tamberlo {

namespace {

constexpr int minimumScientificWidth = 7;
constexpr int exponentPositions = 5; // "E", the exponent's sign and three digits

} // namespace

bool compileScientificPicture(std::string_view rest, CompiledPicture& picture) {
    std::size_t at = 0;
    int width = readPictureNumber(rest, at);
    if (width < minimumScientificWidth)
        return false;
    SeparatorDesignators designators;
    if (!readSeparatorDesignators(rest, at, designators) || at != rest.size())
        return false;
    const int mantissaDigits = designators.number;
    const int groups = mantissaDigits >= 4 ? (mantissaDigits - 1) / 3 : 0;
    if (width < mantissaDigits + groups + minimumScientificWidth)
        return false;

    char grouping = designators.grouping         ? designatorCharacter(designators.grouping)
                    : designators.decimal == '`' ? '.'
                                                 : ',';
    char decimal = designators.decimal ? designatorCharacter(designators.decimal) : '.';

    auto& positions = picture.positions;
    int next = 0;
    positions[next++] = {'-', PositionRole::Sign};
    for (int d = 0; d < mantissaDigits; ++d) {
        bool units = d == mantissaDigits - 1;
        positions[next++] = units ? PicturePosition{'0', PositionRole::DigitShown}
                                  : PicturePosition{' ', PositionRole::DigitBlank};
        int toTheRight = mantissaDigits - 1 - d;
        if (!units && toTheRight % 3 == 0)
            positions[next++] = {grouping, PositionRole::GroupSeparator};
    }
    positions[next++] = {decimal, PositionRole::DecimalSeparator};
    while (next < width - exponentPositions)
        positions[next++] = {'0', PositionRole::DigitShown};
    positions[next++] = {'E', PositionRole::Literal};
    positions[next++] = {'+', PositionRole::ExponentSign};
    while (next < width)
        positions[next++] = {'0', PositionRole::DigitShown};

    picture.kind = PictureKind::Scientific;
    picture.valueType = ValueType::Real;
    picture.length = static_cast<std::uint8_t>(width);
    return true;
}

void fillScientific(const CompiledPicture& picture, std::string_view digits, int pointPosition,
                    bool negative, char* out) {
    const int mantissaEnd = picture.length - exponentPositions;
    const auto shape = shapeOf(picture, mantissaEnd);
    const int mantissaDigits = shape.integers;

    // Round to the digits the mantissa shows before scaling, so that a carry (9.996 to two
    // places) moves the exponent instead of overflowing the mantissa.
    std::size_t first = 0;
    while (first < digits.size() && (digits[first] < '1' || digits[first] > '9'))
        ++first;
    long long point = pointPosition - static_cast<long long>(first);
    std::array<char, maxPictureLength + 1> kept{};
    std::size_t shown = static_cast<std::size_t>(mantissaDigits + shape.fractions);
    std::size_t count = 0;
    long long exponent = 0;
    if (first < digits.size()) {
        auto significant = digits.substr(first);
        for (; count < shown && count < significant.size(); ++count) {
            char c = significant[count];
            kept[count] = c >= '0' && c <= '9' ? c : '0';
        }
        if (count < significant.size() && significant[count] >= '5' && significant[count] <= '9') {
            std::size_t i = count;
            while (i > 0 && kept[i - 1] == '9')
                kept[--i] = '0';
            if (i > 0) {
                ++kept[i - 1];
            } else {
                kept[0] = '1';
                count = 1;
                ++point;
            }
        }
        exponent = point - mantissaDigits;
    }

    fillNumericPositions(picture, shape, mantissaEnd, {kept.data(), count}, mantissaDigits,
                         negative, out);

    out[mantissaEnd] = picture.positions[mantissaEnd].fill;
    out[mantissaEnd + 1] = exponent < 0 ? '-' : '+';
    long long magnitude = exponent < 0 ? -exponent : exponent;
    const bool tooWide = magnitude > 999;
    for (int i = 2; i >= 0; --i, magnitude /= 10)
        out[mantissaEnd + 2 + i] = tooWide ? '#' : static_cast<char>('0' + magnitude % 10);
}

} // namespace tamberlo
