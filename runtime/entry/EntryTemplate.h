#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <array>
#include <cstdint>
#include <string_view>

// The reading template of an entry control: what typed text is checked against when it is read
// back through the control's numeric picture. Built from the same parse of the picture as the
// display template, so that the two agree on the digits, separators, signs and currency.

namespace tamberlo {

enum class EntryElementKind : std::uint8_t {
    Currency,     // one character of a leading or trailing currency text
    Sign,         // a "-", "(" or ")" written in the picture
    HiddenSign,   // the "-" opposite a picture's only sign, so a sign may be typed at either end
    DigitSlot,    // one integer or fraction digit
    GroupingSlot, // the grouping character after every three integer digits from the right
    DecimalPoint, // the decimal character, when the picture has places
    End,
};

struct EntryElement {
    EntryElementKind kind = EntryElementKind::End;
    char character = 0; // Currency, Sign, HiddenSign, GroupingSlot, DecimalPoint
};

inline bool isSlot(EntryElementKind kind) {
    return kind == EntryElementKind::DigitSlot || kind == EntryElementKind::GroupingSlot;
}

// Every output position of the picture gives one element at most, plus the hidden sign and the
// end.
inline constexpr int maxEntryElements = maxPictureLength + 2;

// A fixed-size value: leading currency, leading sign, integer slots with their grouping slots,
// decimal point, fraction slots, trailing sign, trailing currency, end.
struct EntryTemplate {
    std::array<EntryElement, maxEntryElements> elements{};
    std::uint16_t count = 0; // elements in use, the end included; 0 when not a numeric picture

    int integerArea = 0; // A: the width left for integer digits and their grouping slots
    int groups = 0;      // G
    int integers = 0;    // I
    int fractions = 0;   // F
    char grouping = 0;   // the grouping character, or 0 for none
    char decimal = '.';  // the decimal character

    // The control's own value: a DECIMAL of valueBytes bytes and valuePlaces places, large
    // enough for every number the template admits.
    std::uint8_t valueBytes = 1;
    std::uint8_t valuePlaces = 0;

    // False when no text is read through the picture: it is not a valid numeric picture, or
    // what it shows could not be read back as the same value (an implied decimal point, a
    // currency text holding digits, ...). Every text is then refused.
    bool readable = false;

    bool valid() const { return count != 0; }
};

// The reading template of a picture text ("n-15.2", "@N~kr ~-17.`2"). Never fails: a picture
// that is not a valid numeric one gives an empty, unreadable template.
EntryTemplate compileEntryTemplate(std::string_view picture);

} // namespace tamberlo
