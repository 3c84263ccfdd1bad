#include "runtime/entry/EntryTemplate.h"

#include "platform/os/AsciiCharacters.h"
#include "runtime/picture/NumericPictureSyntax.h"
#include "runtime/picture/PictureText.h"

#include <algorithm>

namespace tamberlo {

using os::isAsciiDigit;
using os::isAsciiSpace;

namespace {

bool isSignCharacter(char c) {
    return c == '-' || c == '(' || c == ')' || c == '+';
}

// Pictures whose shown text the reading rules would take differently, or that leave the
// reading open. Reading through them would change what the user sees, so nothing is read.
bool showsReadableText(const NumericPictureSyntax& syntax, const EntryTemplate& entry) {
    // An implied decimal point has no character to type, and "v" or "V" as the grouping
    // designator shows a "0" or "V" between the digits.
    if (syntax.impliedDecimal() || syntax.groupingDesignator == 'v' ||
        syntax.groupingDesignator == 'V')
        return false;
    // Digits are always the number's: a currency digit would be read as part of the amount.
    if (std::any_of(syntax.currency.begin(), syntax.currency.end(), isAsciiDigit))
        return false;
    const auto currency = syntax.currency;
    if (syntax.currencyPlace == CurrencyPlace::Trailing && syntax.signCount() > 0) {
        // The trailing sign element comes first, and would take a sign character of the
        // currency as the amount's own.
        auto first = currency.find_first_not_of(entry.grouping ? entry.grouping : '\0');
        if (first != std::string_view::npos && isSignCharacter(currency[first]))
            return false;
    }
    if (syntax.currencyPlace == CurrencyPlace::Trailing && syntax.signCount() == 0 &&
        syntax.places == 0 && entry.grouping && currency.front() == entry.grouping) {
        // Right after the digits, the currency would take the grouping characters typed
        // between them.
        return false;
    }
    if (syntax.currencyPlace == CurrencyPlace::Leading && isAsciiSpace(currency.front())) {
        // Leading white space of the text is skipped, and a grouping character after it would
        // be dropped before the currency could match it.
        auto first = std::find_if_not(currency.begin(), currency.end(), isAsciiSpace);
        if (first != currency.end() && entry.grouping && *first == entry.grouping)
            return false;
    }
    // A picture without digit positions shows only its currency and signs, which would not
    // all be taken back where no digit can be typed.
    if (entry.integers == 0 && entry.fractions == 0)
        return false;
    // With no integer digit in front of it, a blank decimal character would be skipped as
    // leading white space.
    if (entry.integers == 0 && entry.fractions > 0 && isAsciiSpace(entry.decimal))
        return false;
    return true;
}

class ElementWriter {
public:
    explicit ElementWriter(EntryTemplate& entry) : m_entry(entry) {}

    void add(EntryElementKind kind, char character = 0) {
        m_entry.elements[m_entry.count++] = {kind, character};
    }
    void addCurrency(std::string_view currency) {
        for (char c : currency)
            add(EntryElementKind::Currency, c);
    }

private:
    EntryTemplate& m_entry;
};

} // namespace

EntryTemplate compileEntryTemplate(std::string_view pictureText) {
    EntryTemplate entry;
    auto text = splitPictureText(pictureText);
    if (!text.valid || text.kind != 'N')
        return entry;
    auto syntax = parseNumericPicture(text.rest());
    if (!syntax.valid)
        return entry;

    // Asterisk fill without a grouping designator makes the would-be separators fill, so
    // nothing groups the digits typed.
    entry.grouping = syntax.groupsAreFill() ? 0 : syntax.groupingCharacter();
    entry.decimal = syntax.decimalCharacter();
    entry.integerArea = syntax.integerArea();
    entry.groups = syntax.groupCount();
    entry.integers = entry.integerArea - entry.groups;
    entry.fractions = syntax.places;

    const int digits = entry.integers + entry.groups + entry.fractions;
    entry.valueBytes = static_cast<std::uint8_t>(std::min(16, (digits + 2) / 2));
    entry.valuePlaces =
        static_cast<std::uint8_t>(std::min(entry.fractions, 2 * entry.valueBytes - 1));

    ElementWriter out(entry);
    const bool leadingCurrency = syntax.currencyPlace == CurrencyPlace::Leading;
    const bool trailingCurrency = syntax.currencyPlace == CurrencyPlace::Trailing;
    if (leadingCurrency)
        out.addCurrency(syntax.currency);
    if (syntax.leadingSign)
        out.add(EntryElementKind::Sign, syntax.leadingSign);
    else if (syntax.trailingSign)
        out.add(EntryElementKind::HiddenSign, '-');

    // Counted from the units digit, a grouping slot follows every three integer slots.
    for (int slot = entry.integers; slot > 0; --slot) {
        out.add(EntryElementKind::DigitSlot);
        if (slot > 1 && (slot - 1) % 3 == 0 && (slot - 1) / 3 <= entry.groups)
            out.add(EntryElementKind::GroupingSlot, entry.grouping);
    }
    if (entry.fractions > 0) {
        out.add(EntryElementKind::DecimalPoint, entry.decimal);
        for (int slot = 0; slot < entry.fractions; ++slot)
            out.add(EntryElementKind::DigitSlot);
    }

    if (syntax.trailingSign)
        out.add(EntryElementKind::Sign, syntax.trailingSign);
    else if (syntax.leadingSign)
        out.add(EntryElementKind::HiddenSign, '-');
    if (trailingCurrency)
        out.addCurrency(syntax.currency);
    out.add(EntryElementKind::End);

    entry.readable = showsReadableText(syntax, entry);
    return entry;
}

} // namespace tamberlo
