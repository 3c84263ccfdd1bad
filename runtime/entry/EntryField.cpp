#include "runtime/entry/EntryField.h"

#include "runtime/decimal/DecimalLayout.h"
#include "runtime/decimal/DecimalStack.h"
#include "runtime/decimal/DecimalText.h"
#include "runtime/entry/NumericEntryReader.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tamberlo {

namespace {

constexpr int units = WorkingDecimal::unitsEntry;

// The integer part, truncated toward zero, when it lies within [min, max].
bool integerPartWithin(const WorkingDecimal& value, std::int64_t min, std::int64_t max) {
    if (isZero(value) || value.high < units)
        return true;
    if (value.high - units >= 18)
        return false;
    std::int64_t magnitude = 0;
    for (int i = value.high; i >= units; --i)
        magnitude = magnitude * 10 + (i >= value.low ? value.digits[i] : 0);
    const std::int64_t integer = value.sign < 0 ? -magnitude : magnitude;
    return integer >= min && integer <= max;
}

// Whether the variable can take the value as it is assigned (places rounded or, for integers,
// cut off) without losing leading digits: storing would otherwise keep only the low digits, or
// wrap an integer around, and show the user a number other than the one typed.
bool variableHolds(const UseVariable& variable, WorkingDecimal value) {
    if (!variable.bound())
        return true;
    normalise(value);
    switch (variable.type) {
    case VariableType::Decimal:
    case VariableType::PackedDecimal: {
        if (!validDecimalShape(variable.size, variable.places))
            return isZero(value);
        roundAtPlace(value, -variable.places);
        if (isZero(value) || value.high < units)
            return true;
        const int integerDigits = value.high - units + 1;
        return integerDigits <= 2 * variable.size - 1 - variable.places;
    }
    case VariableType::Byte:
        return integerPartWithin(value, 0, std::numeric_limits<std::uint8_t>::max());
    case VariableType::Long:
        return integerPartWithin(value, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max());
    case VariableType::Real:
        return true;
    case VariableType::Text: {
        char text[maxPlainTextLength];
        return writePlainText(value, text) <= variable.size;
    }
    }
    return false;
}

} // namespace

void EntryField::setPicture(std::string_view picture) {
    // The own value is sized from the picture: keep what it holds across the change.
    const auto held = value();
    m_template = compileEntryTemplate(picture);
    compileEntryPicture(picture, m_picture);
    storeValue(held);
}

void EntryField::setText(std::string_view text) {
    m_textLength = static_cast<std::uint16_t>(std::min(text.size(), maxEntryTextLength));
    std::copy_n(text.data(), m_textLength, m_text.data());
    m_modified = true;
}

void EntryField::display() {
    pushVariable(m_variable);
    const auto current = popWorkingDecimal();
    storeValue(current);
    // The variable's value itself, which a picture too narrow for it shows as an overflow.
    show(current);
    m_read = true;
    m_modified = false;
}

bool EntryField::readOnFocusLoss() {
    return needsReading() && read();
}

bool EntryField::update() {
    return !needsReading() || read();
}

WorkingDecimal EntryField::value() const {
    pushValue();
    return popWorkingDecimal();
}

bool EntryField::read() {
    if (readNumericEntry(text(), m_template) != entryRead)
        return refuse();
    const auto typed = popWorkingDecimal();
    if (!variableHolds(m_variable, typed))
        return refuse();
    storeValue(typed);

    pushValue();
    pushVariable(m_variable);
    if (compareDecimals() != 0) {
        pushValue();
        storeVariable(m_variable);
    }
    show(value());
    m_rejectCode = entryRead;
    m_read = true;
    m_modified = false;
    return true;
}

bool EntryField::refuse() {
    m_rejectCode = entryRefused;
    m_read = false;
    return false;
}

void EntryField::pushValue() const {
    pushDecimal(m_value.data(), m_template.valueBytes, m_template.valuePlaces);
}

void EntryField::storeValue(const WorkingDecimal& value) {
    pushWorkingDecimal(value);
    storeDecimal(m_value.data(), m_template.valueBytes, m_template.valuePlaces);
}

void EntryField::show(const WorkingDecimal& value) {
    static_assert(maxEntryTextLength >= maxPictureLength);
    m_textLength = static_cast<std::uint16_t>(entryShownText(m_picture, value, m_text.data()));
}

} // namespace tamberlo
