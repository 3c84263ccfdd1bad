#include "runtime/picture/NumericTemplate.h"

namespace tamberlo {

void buildNumericTemplate(const NumericPictureSyntax& syntax, CompiledPicture& picture) {
    auto& positions = picture.positions;
    picture.kind = PictureKind::Numeric;
    picture.valueType = ValueType::Decimal;
    picture.length = syntax.width;

    // The positions still free are always left..right.
    int left = 0;
    int right = syntax.width - 1;
    if (syntax.currencyPlace == CurrencyPlace::Leading) {
        for (char c : syntax.currency)
            positions[left++] = {c, PositionRole::Currency};
    } else if (syntax.currencyPlace == CurrencyPlace::Trailing) {
        for (auto i = syntax.currency.size(); i-- > 0;)
            positions[right--] = {syntax.currency[i], PositionRole::Currency};
    }
    if (syntax.leadingSign)
        positions[left++] = {syntax.leadingSign, PositionRole::Sign};
    if (syntax.trailingSign)
        positions[right--] = {syntax.trailingSign, PositionRole::Sign};

    if (syntax.places) {
        for (int i = 0; i < syntax.places; ++i)
            positions[right--] = {'0', PositionRole::DigitShown};
        positions[right--] = {designatorCharacter(syntax.decimalDesignator),
                              syntax.impliedDecimal() ? PositionRole::ImpliedDecimal
                                                      : PositionRole::DecimalSeparator};
    }

    // The width check leaves room for everything above; no room left means no integer digits.
    if (right < left)
        return;
    positions[right] = {'0', syntax.impliedDecimal() ? PositionRole::DigitBlank
                                                     : PositionRole::DigitShown};

    const char grouping = syntax.groupingCharacter();
    // Asterisk fill without a written grouping designator fills the would-be separators too.
    const auto groupRole = syntax.fill == '*' && !syntax.groupingDesignator
                               ? PositionRole::DigitShown
                               : PositionRole::GroupSeparator;
    const char digitFill = syntax.fill == '0' ? '0' : syntax.fill == '*' ? '*' : ' ';
    const auto digitRole = digitFill == ' ' ? PositionRole::DigitBlank : PositionRole::DigitShown;
    // Counting the units digit as the first, every fourth position leftwards separates a group
    // of three, but never the leftmost one.
    for (int at = right - 1; at >= left; --at) {
        if (grouping && (right - at) % 4 == 3 && at != left)
            positions[at] = {grouping, groupRole};
        else
            positions[at] = {digitFill, digitRole};
    }
}

} // namespace tamberlo
