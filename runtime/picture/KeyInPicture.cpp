#include "runtime/picture/KeyInPicture.h"

#include "runtime/picture/EnclosedPicture.h"

namespace tamberlo {

namespace {

PicturePosition keyInPosition(char c) {
    switch (c) {
    case '#':
        return {'0', PositionRole::DigitShown};
    case '<':
        return {' ', PositionRole::DigitBlank};
    case '@':
        return {' ', PositionRole::TypeAt};
    case '^':
        return {' ', PositionRole::TypeCaret};
    case '_':
        return {' ', PositionRole::TypeUnderscore};
    case '?':
        return {' ', PositionRole::TypeQuestion};
    case '|':
        return {' ', PositionRole::TypeBar};
    default:
        return {c, PositionRole::Literal};
    }
}

} // namespace

bool compileKeyInPicture(std::string_view body, CompiledPicture& picture) {
    auto inner = enclosedText(body);
    if (inner.empty())
        return false;
    int length = 0;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '\\') {
            // A backslash right before the closing letter would escape the letter itself,
            // leaving the picture unclosed.
            if (++i == inner.size())
                return false;
            picture.positions[length++] = {inner[i], PositionRole::Literal};
        } else {
            picture.positions[length++] = keyInPosition(inner[i]);
        }
    }
    picture.kind = PictureKind::KeyIn;
    picture.valueType = ValueType::Text;
    picture.length = static_cast<std::uint8_t>(length);
    return true;
}

} // namespace tamberlo
