#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <cstddef>

namespace tamberlo {

// Appends positions to a date or time template, never beyond `capacity` positions: a regional
// format that asks for more simply stops growing.
class TemplateBuilder {
public:
    TemplateBuilder(CompiledPicture& picture, PictureKind kind, std::size_t capacity)
        : m_picture(picture),
          m_capacity(capacity < maxPictureLength ? capacity : maxPictureLength) {
        m_picture = CompiledPicture{};
        m_picture.kind = kind;
        m_picture.valueType = ValueType::Integer;
    }

    void add(PositionRole role, char fill) {
        if (m_picture.length >= m_capacity)
            return;
        m_picture.positions[m_picture.length++] = {fill, role};
    }
    void separator(char c) { add(PositionRole::Separator, c); }
    void literal(char c) { add(PositionRole::Literal, c); }
    // Two digit positions: the first with `firstFill` (a space hides a leading zero), the
    // second "0".
    void twoDigits(PositionRole role, char firstFill) {
        add(role, firstFill);
        add(role, '0');
    }
    void digits(PositionRole role, int count) {
        for (int i = 0; i < count; ++i)
            add(role, '0');
    }
    void monthLetters(int count) {
        for (int i = 0; i < count; ++i)
            add(PositionRole::MonthLetter, ' ');
    }
    // An AmPm position and the position that prints the second letter of the AM/PM text.
    void amPm() {
        add(PositionRole::AmPm, 'A');
        add(PositionRole::Literal, 'M');
    }

private:
    CompiledPicture& m_picture;
    std::size_t m_capacity;
};

} // namespace tamberlo
