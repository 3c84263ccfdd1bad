#include "runtime/picture/NumericPictureSyntax.h"

namespace tamberlo {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "$" or a "~text~" of at least one character. Returns false for a malformed currency text;
// leaves `syntax` untouched when there is no currency at `at`.
bool readCurrency(std::string_view text, std::size_t& at, CurrencyPlace place,
                  NumericPictureSyntax& syntax) {
    if (at >= text.size())
        return true;
    if (text[at] == '$') {
        syntax.currencyText[0] = '$';
        syntax.currencyLength = 1;
        syntax.currencyPlace = place;
        ++at;
        return true;
    }
    if (text[at] != '~')
        return true;
    auto close = text.find('~', at + 1);
    if (close == std::string_view::npos || close == at + 1)
        return false;
    auto length = close - at - 1;
    if (length > maxPictureLength)
        return false;
    for (std::size_t i = 0; i < length; ++i)
        syntax.currencyText[i] = text[at + 1 + i];
    syntax.currencyLength = static_cast<std::uint8_t>(length);
    syntax.currencyPlace = place;
    at = close + 1;
    return true;
}

bool startsCurrency(std::string_view text, std::size_t at) {
    return at < text.size() && (text[at] == '$' || text[at] == '~');
}

} // namespace

bool isSeparatorDesignator(char c) {
    return c == '.' || c == '`' || c == '_' || c == 'v' || c == 'V';
}

char designatorCharacter(char designator) {
    switch (designator) {
    case '`':
        return ',';
    case '_':
        return ' ';
    case 'v':
        return '0';
    default: // '.' and 'V' show as themselves
        return designator;
    }
}

bool readSeparatorDesignators(std::string_view text, std::size_t& at, SeparatorDesignators& out) {
    auto n = text.size();
    if (at < n && isSeparatorDesignator(text[at]) &&
        (at + 1 == n || isSeparatorDesignator(text[at + 1])))
        out.grouping = text[at++];
    if (at < n && isSeparatorDesignator(text[at])) {
        out.decimal = text[at++];
        int number = 0;
        while (at < n && isDigit(text[at])) {
            number = number * 10 + (text[at++] - '0');
            if (number > maxPictureLength)
                return false;
        }
        out.number = number;
    }
    return true;
}

int readPictureNumber(std::string_view text, std::size_t& at) {
    int number = 0;
    bool any = false;
    while (at < text.size() && isDigit(text[at])) {
        any = true;
        number = number * 10 + (text[at++] - '0');
        if (number > maxPictureLength)
            return 0;
    }
    return any ? number : 0;
}

char NumericPictureSyntax::groupingCharacter() const {
    if (groupingDesignator)
        return designatorCharacter(groupingDesignator);
    if (fill == '0' || fill == '_')
        return 0;
    if (decimalDesignator == '`')
        return '.';
    if (fill == '*')
        return '*';
    return ',';
}

char NumericPictureSyntax::decimalCharacter() const {
    return decimalDesignator ? designatorCharacter(decimalDesignator) : '.';
}

NumericPictureSyntax parseNumericPicture(std::string_view text) {
    NumericPictureSyntax syntax;
    std::size_t at = 0;
    auto n = text.size();

    if (!readCurrency(text, at, CurrencyPlace::Leading, syntax))
        return {};
    if (at < n && (text[at] == '-' || text[at] == '('))
        syntax.leadingSign = text[at++];
    if (at < n && (text[at] == '0' || text[at] == '_' || text[at] == '*'))
        syntax.fill = text[at++];

    int width = readPictureNumber(text, at);
    if (width == 0)
        return {};
    syntax.width = static_cast<std::uint8_t>(width);

    SeparatorDesignators designators;
    if (!readSeparatorDesignators(text, at, designators))
        return {};
    syntax.groupingDesignator = designators.grouping;
    // Without places there is no decimal part, and the designator has nothing to separate.
    if (designators.decimal && designators.number > 0) {
        syntax.decimalDesignator = designators.decimal;
        syntax.places = static_cast<std::uint8_t>(designators.number);
    }

    if (at < n && text[at] == '-') {
        if (syntax.leadingSign)
            return {};
        syntax.trailingSign = text[at++];
    } else if (at < n && text[at] == ')') {
        if (syntax.leadingSign != '(')
            return {};
        syntax.trailingSign = text[at++];
    }
    if (syntax.leadingSign == '(' && syntax.trailingSign != ')')
        return {};

    if (startsCurrency(text, at)) {
        if (syntax.currencyPlace != CurrencyPlace::None)
            return {};
        if (!readCurrency(text, at, CurrencyPlace::Trailing, syntax))
            return {};
    }
    if (at != n)
        return {};

    int needed =
        syntax.currencyLength + syntax.signCount() + (syntax.places ? syntax.places + 1 : 0);
    if (needed > width)
        return {};
    syntax.valid = true;
    return syntax;
}

} // namespace tamberlo
