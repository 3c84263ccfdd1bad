#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// The grammar of a numeric picture ("n-15.2", "N~kr~-17.`2", "N(12)", "N*9.2$"), read into a
// plain value. The display template and the reading template of entry controls are both built
// from this one parse, so that what is shown and what is read back agree.

namespace tamberlo {

enum class CurrencyPlace : std::uint8_t { None, Leading, Trailing };

// The separator designators ".", "`", "_", "v" and "V" that may follow a width. A designator
// followed by another designator or by the end of the picture is the grouping designator; the
// next designator is the decimal designator, followed by an optional decimal number.
struct SeparatorDesignators {
    char grouping = 0; // 0: none written
    char decimal = 0;  // 0: none written
    int number = 0;    // the digits after the decimal designator; 0 when none are written
};

inline bool isSeparatorDesignator(char c) {
    return c == '.' || c == '`' || c == '_' || c == 'v' || c == 'V';
}

// Reads the designators at text[at...] and moves `at` past them. Returns false when the number
// after the decimal designator exceeds 255.
bool readSeparatorDesignators(std::string_view text, std::size_t& at, SeparatorDesignators& out);

// What a designator shows: "." a period, "`" a comma, "_" a space; "v" and "V" stand for an
// implied point and show as "0" and "V" wherever a character is printed for them.
inline char designatorCharacter(char designator) {
    return designator == '`' ? ',' : designator == '_' ? ' ' : designator == 'v' ? '0' : designator;
}

// Reads the decimal digits at text[at...] and moves `at` past them. Returns their value, 0 when
// there are none, or -1 when the value exceeds 255.
int readPictureNumber(std::string_view text, std::size_t& at);

// The parts of a numeric picture as written. `currency` views the parsed text, so the parse
// is used while that text lives (compiling a template or an entry template from it). When
// `valid` is false every other field is at its default.
struct NumericPictureSyntax {
    bool valid = false;

    CurrencyPlace currencyPlace = CurrencyPlace::None;
    std::string_view currency; // bytes, taken literally; "$" or the text between the "~"

    char leadingSign = 0;   // '-', '(' or 0
    char trailingSign = 0;  // '-', ')' or 0
    char fill = 0;          // '0' zero fill, '_' blank fill, '*' asterisk fill, or 0
    std::uint8_t width = 0; // every output character: currency, signs, separators, digits

    char groupingDesignator = 0; // as written, or 0
    char decimalDesignator = 0;  // as written; 0 when the picture has no decimal places
    std::uint8_t places = 0;

    // Output positions taken by sign characters: 0, 1, or 2 for "(" ... ")".
    int signCount() const { return (leadingSign ? 1 : 0) + (trailingSign ? 1 : 0); }
    bool impliedDecimal() const { return decimalDesignator == 'v' || decimalDesignator == 'V'; }
    // The thousands separator, or 0 when the picture groups no digits.
    char groupingCharacter() const {
        if (groupingDesignator)
            return designatorCharacter(groupingDesignator);
        if (fill == '0' || fill == '_')
            return 0;
        return decimalDesignator == '`' ? '.' : fill == '*' ? '*' : ',';
    }
    // The decimal character; a period when the picture gives no decimal designator.
    char decimalCharacter() const {
        return decimalDesignator ? designatorCharacter(decimalDesignator) : '.';
    }
    // Asterisk fill without a written grouping designator fills the would-be separators too.
    bool groupsAreFill() const { return fill == '*' && !groupingDesignator; }

    // The integer area: the positions left for integer digits and their separators once the
    // currency, the signs and the decimal part (places and the separator) have theirs.
    int integerArea() const {
        return width - static_cast<int>(currency.size()) - signCount() - (places ? places + 1 : 0);
    }
    // Separators in the integer area: one after every three digits, counted from the units,
    // but never in its leftmost position.
    int groupCount() const {
        return groupingCharacter() && !groupsAreFill() ? (integerArea() - 1) / 4 : 0;
    }
    int integerDigitCount() const { return integerArea() - groupCount(); }
};

// `text` is the picture after its kind letter, with "@" and a final "B" already removed.
NumericPictureSyntax parseNumericPicture(std::string_view text);

} // namespace tamberlo
