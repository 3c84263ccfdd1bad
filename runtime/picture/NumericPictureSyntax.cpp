#include "runtime/picture/NumericPictureSyntax.h"

#include "platform/os/AsciiCharacters.h"

namespace tamberlo {

namespace {

// "$" or a "~text~" of at least one character. Returns false for a malformed currency text;
// leaves `syntax` untouched when there is no currency at `at`.
bool readCurrency(std::string_view text, std::size_t& at, CurrencyPlace place,
                  NumericPictureSyntax& syntax) {
    if (at >= text.size() || (text[at] != '$' && text[at] != '~'))
        return true;
    if (text[at] == '$') {
        syntax.currency = text.substr(at++, 1);
    } else {
        // A plain scan: currency texts are a few characters long.
        auto close = at + 1;
        while (close < text.size() && text[close] != '~')
            ++close;
        if (close == text.size() || close == at + 1)
            return false;
        syntax.currency = text.substr(at + 1, close - at - 1);
        at = close + 1;
    }
    syntax.currencyPlace = place;
    return true;
}

} // namespace

bool readSeparatorDesignators(std::string_view text, std::size_t& at, SeparatorDesignators& out) {
    auto n = text.size();
    if (at < n && isSeparatorDesignator(text[at]) &&
        (at + 1 == n || isSeparatorDesignator(text[at + 1])))
        out.grouping = text[at++];
    if (at < n && isSeparatorDesignator(text[at])) {
        out.decimal = text[at++];
        out.number = readPictureNumber(text, at);
    }
    return out.number >= 0;
}

int readPictureNumber(std::string_view text, std::size_t& at) {
    int number = 0;
    while (at < text.size() && os::isAsciiDigit(text[at])) {
        number = number * 10 + (text[at++] - '0');
        if (number > maxPictureLength)
            return -1;
    }
    return number;
}

namespace {

bool parseInto(std::string_view text, NumericPictureSyntax& syntax) {
    std::size_t at = 0;
    auto n = text.size();

    if (!readCurrency(text, at, CurrencyPlace::Leading, syntax))
        return false;
    if (at < n && (text[at] == '-' || text[at] == '('))
        syntax.leadingSign = text[at++];
    if (at < n && (text[at] == '0' || text[at] == '_' || text[at] == '*'))
        syntax.fill = text[at++];

    int width = readPictureNumber(text, at);
    if (width <= 0)
        return false;
    syntax.width = static_cast<std::uint8_t>(width);

    SeparatorDesignators designators;
    if (!readSeparatorDesignators(text, at, designators))
        return false;
    syntax.groupingDesignator = designators.grouping;
    // Without places there is no decimal part, and the designator has nothing to separate.
    if (designators.decimal && designators.number > 0) {
        syntax.decimalDesignator = designators.decimal;
        syntax.places = static_cast<std::uint8_t>(designators.number);
    }

    if (at < n && text[at] == '-') {
        if (syntax.leadingSign)
            return false;
        syntax.trailingSign = text[at++];
    } else if (at < n && text[at] == ')') {
        if (syntax.leadingSign != '(')
            return false;
        syntax.trailingSign = text[at++];
    }
    if (syntax.leadingSign == '(' && syntax.trailingSign != ')')
        return false;

    if (at < n && (text[at] == '$' || text[at] == '~')) {
        if (syntax.currencyPlace != CurrencyPlace::None)
            return false;
        if (!readCurrency(text, at, CurrencyPlace::Trailing, syntax))
            return false;
    }
    if (at != n)
        return false;

    auto needed = syntax.currency.size() + static_cast<std::size_t>(syntax.signCount()) +
                  (syntax.places ? syntax.places + 1u : 0u);
    return needed <= static_cast<std::size_t>(width);
}

} // namespace

NumericPictureSyntax parseNumericPicture(std::string_view text) {
    NumericPictureSyntax syntax;
    if (parseInto(text, syntax))
        syntax.valid = true;
    else
        syntax = NumericPictureSyntax{};
    return syntax;
}

} // namespace tamberlo
