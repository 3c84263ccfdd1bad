#include "runtime/picture/NumericTemplate.h"

namespace tamberlo {

namespace {

TemplateShape shapeOf(const NumericPictureSyntax& syntax) {
    const int area = syntax.integerArea();
    TemplateShape shape;
    shape.groups = syntax.groupCount();
    shape.integers = area - shape.groups + (syntax.impliedDecimal() ? 1 : 0);
    shape.fractions = syntax.places;
    // A template of nothing but currency and signs is all leading positions.
    shape.leading = area == 0 && syntax.places == 0
                        ? syntax.width
                        : (syntax.currencyPlace == CurrencyPlace::Leading
                               ? static_cast<int>(syntax.currency.size())
                               : 0) +
                              (syntax.leadingSign ? 1 : 0);
    const bool blankFill = syntax.fill != '0' && syntax.fill != '*';
    shape.blankDigits =
        (syntax.impliedDecimal() && area >= 1) || (blankFill && area - 1 - shape.groups >= 1);
    return shape;
}

} // namespace

TemplateShape buildNumericTemplate(const NumericPictureSyntax& syntax, CompiledPicture& picture) {
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
        return shapeOf(syntax);
    positions[right] = {'0', syntax.impliedDecimal() ? PositionRole::DigitBlank
                                                     : PositionRole::DigitShown};

    const char grouping = syntax.groupingCharacter();
    const auto groupRole =
        syntax.groupsAreFill() ? PositionRole::DigitShown : PositionRole::GroupSeparator;
    const char digitFill = syntax.fill == '0' ? '0' : syntax.fill == '*' ? '*' : ' ';
    const auto digitRole = digitFill == ' ' ? PositionRole::DigitBlank : PositionRole::DigitShown;
    for (int at = left; at < right; ++at)
        positions[at] = {digitFill, digitRole};
    // Counting the units digit as the first, every fourth position leftwards separates a group
    // of three, but never the leftmost one.
    if (grouping) {
        for (int at = right - 3; at > left; at -= 4)
            positions[at] = {grouping, groupRole};
    }
    return shapeOf(syntax);
}

} // namespace tamberlo
