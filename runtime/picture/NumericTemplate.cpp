#include "runtime/picture/NumericTemplate.h"

#include <array>

namespace tamberlo {

void buildNumericTemplate(const NumericPictureSyntax& syntax, CompiledPicture& picture) {
    const int width = syntax.width;
    std::array<bool, maxPictureLength> taken{};
    auto put = [&](int at, PositionRole role, char fill) {
        picture.positions[at] = {fill, role};
        taken[at] = true;
    };

    picture.kind = PictureKind::Numeric;
    picture.valueType = ValueType::Decimal;
    picture.length = syntax.width;

    int left = 0;
    int right = width - 1;
    auto currency = syntax.currency();
    if (syntax.currencyPlace == CurrencyPlace::Leading) {
        for (char c : currency)
            put(left++, PositionRole::Currency, c);
    } else if (syntax.currencyPlace == CurrencyPlace::Trailing) {
        for (auto i = currency.size(); i-- > 0;)
            put(right--, PositionRole::Currency, currency[i]);
    }
    if (syntax.leadingSign)
        put(left++, PositionRole::Sign, syntax.leadingSign);
    if (syntax.trailingSign)
        put(right--, PositionRole::Sign, syntax.trailingSign);

    if (syntax.places) {
        for (int i = 0; i < syntax.places; ++i)
            put(right--, PositionRole::DigitShown, '0');
        put(right,
            syntax.impliedDecimal() ? PositionRole::ImpliedDecimal : PositionRole::DecimalSeparator,
            designatorCharacter(syntax.decimalDesignator));
        if (right > 0)
            --right;
    }

    // The width check leaves room for everything above, so a taken position here means the
    // picture has no integer digits at all.
    if (right < 0 || taken[right])
        return;
    put(right, syntax.impliedDecimal() ? PositionRole::DigitBlank : PositionRole::DigitShown, '0');

    const char grouping = syntax.groupingCharacter();
    // Asterisk fill without a written grouping designator fills the would-be separators too.
    const bool groupsAreDigits = syntax.fill == '*' && !syntax.groupingDesignator;
    const char digitFill = syntax.fill == '0' ? '0' : syntax.fill == '*' ? '*' : ' ';
    int counter = 1;
    for (int at = right - 1; at >= left; --at) {
        if (grouping && counter == 3 && at != left) {
            if (groupsAreDigits)
                put(at, PositionRole::DigitShown, grouping);
            else
                put(at, PositionRole::GroupSeparator, grouping);
            counter = 0;
        } else {
            put(at, digitFill == ' ' ? PositionRole::DigitBlank : PositionRole::DigitShown,
                digitFill);
            ++counter;
        }
    }
}

} // namespace tamberlo
