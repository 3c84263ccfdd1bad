#include "runtime/entry/NumericEntryReader.h"

#include "platform/os/AsciiCharacters.h"
#include "runtime/decimal/DecimalStack.h"

#include <array>

namespace tamberlo {

using os::asciiLower;
using os::isAsciiDigit;
using os::isAsciiSpace;

namespace {

bool isSign(EntryElementKind kind) {
    return kind == EntryElementKind::Sign || kind == EntryElementKind::HiddenSign;
}

// The digits and the point kept from the text: at most one per slot and one point.
class NumberText {
public:
    void push(char c) { m_text[m_length++] = c; }

    // The number without the zeros that do not change it, so that it stays within what the
    // text conversion reads however wide the picture is. Returns false when it has more
    // integer or fraction digits than `integerRoom` and `fractionRoom`.
    bool trim(int integerRoom, int fractionRoom) {
        int point = 0;
        while (point < m_length && m_text[point] != '.')
            ++point;
        int begin = 0;
        while (begin < point && m_text[begin] == '0')
            ++begin;
        int end = m_length;
        if (point < m_length) {
            while (end > point + 1 && m_text[end - 1] == '0')
                --end;
        }
        const int fractionDigits = end > point ? end - point - 1 : 0;
        m_begin = begin;
        m_end = end;
        return point - begin <= integerRoom && fractionDigits <= fractionRoom;
    }

    std::string_view view() const {
        return {m_text.data() + m_begin, std::size_t(m_end - m_begin)};
    }

private:
    std::array<char, maxEntryElements> m_text{};
    int m_length = 0;
    int m_begin = 0;
    int m_end = 0;
};

// The two cursors over the element list.
class Cursors {
public:
    explicit Cursors(const EntryTemplate& entry) : m_elements(entry.elements) {
        m_digit = digitStop(0);
        m_element = elementStop(0);
    }

    const EntryElement& digitAt() const { return m_elements[m_digit]; }
    int element() const { return m_element; }
    const EntryElement& elementAt(int index) const { return m_elements[index]; }

    void stepOverGrouping() {
        if (m_elements[m_digit].kind == EntryElementKind::GroupingSlot)
            ++m_digit;
    }
    // A digit went into the slot under the digit cursor. The digit cursor stays on the next
    // element even when that is no slot, so that grouping characters typed after the last
    // digit send the element cursor back to what follows the digits.
    void pastDigit() {
        ++m_digit;
        m_element = elementStop(m_digit);
    }
    // A character was taken by the element at `index`: the digit cursor goes on to the first
    // slot after it.
    void pastElement(int index) {
        m_digit = digitStop(index + 1);
        m_element = elementStop(index + 1);
    }
    // A grouping character sends the element cursor back to the digits still to come.
    void backToDigits() { m_element = elementStop(m_digit); }
    int nextElement(int index) const { return elementStop(index + 1); }

private:
    // The first slot from `index` on. The decimal point and the end stop it, so that with no
    // integer slots a digit needs a typed point first.
    int digitStop(int index) const {
        while (!isSlot(m_elements[index].kind) &&
               m_elements[index].kind != EntryElementKind::DecimalPoint &&
               m_elements[index].kind != EntryElementKind::End)
            ++index;
        return index;
    }
    // The first element from `index` on that a character other than a digit can match.
    int elementStop(int index) const {
        while (isSlot(m_elements[index].kind))
            ++index;
        return index;
    }

    const std::array<EntryElement, maxEntryElements>& m_elements;
    int m_digit = 0;
    int m_element = 0;
};

// A decimal character that is also the grouping character is the point: dropping it would
// read ".5" as 5.
bool isGrouping(char c, const EntryTemplate& entry) {
    return entry.grouping && c == entry.grouping && !(entry.fractions > 0 && c == entry.decimal);
}

struct SignState {
    bool negative = false;
    bool open = false;

    // A sign character at a sign element. A ")" with nothing open is left to the other tests.
    bool take(char c) {
        switch (c) {
        case '-':
            negative = true;
            return true;
        case '(':
            negative = true;
            open = true;
            return true;
        case ')':
            if (!open)
                return false;
            open = false;
            return true;
        case '+':
            return true;
        default:
            return false;
        }
    }
};

} // namespace

int readNumericEntry(std::string_view text, const EntryTemplate& entry) {
    if (!entry.readable || !entry.valid())
        return entryRefused;

    Cursors cursors(entry);
    NumberText number;
    SignState sign;
    std::size_t at = 0;
    while (at < text.size() && isAsciiSpace(text[at]))
        ++at;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (isAsciiDigit(c)) {
            cursors.stepOverGrouping();
            if (cursors.digitAt().kind != EntryElementKind::DigitSlot)
                return entryRefused;
            number.push(c);
            cursors.pastDigit();
            continue;
        }
        for (int index = cursors.element();; index = cursors.nextElement(index)) {
            const auto& element = cursors.elementAt(index);
            if (isSign(element.kind) && sign.take(c)) {
                cursors.pastElement(index);
                break;
            }
            if (element.kind != EntryElementKind::End &&
                asciiLower(c) == asciiLower(element.character)) {
                if (element.kind == EntryElementKind::DecimalPoint)
                    number.push('.');
                cursors.pastElement(index);
                break;
            }
            if (isGrouping(c, entry)) {
                cursors.backToDigits();
                break;
            }
            if (element.kind == EntryElementKind::End)
                return entryRefused;
        }
    }
    if (sign.open)
        return entryRefused;

    const int valueDigits = 2 * entry.valueBytes - 1;
    if (!number.trim(valueDigits - entry.valuePlaces, entry.valuePlaces))
        return entryRefused;
    pushText(number.view());
    if (sign.negative)
        decimalNegate();
    return entryRead;
}

} // namespace tamberlo
