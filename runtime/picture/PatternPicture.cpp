#include "runtime/picture/PatternPicture.h"

#include "runtime/picture/EnclosedPicture.h"

namespace tamberlo {

bool compilePatternPicture(std::string_view body, CompiledPicture& picture) {
    auto inner = enclosedText(body);
    if (inner.empty())
        return false;
    picture.kind = PictureKind::Pattern;
    picture.valueType = ValueType::Decimal;
    int length = 0;
    for (char c : inner) {
        if (c == '#')
            picture.positions[length++] = {'0', PositionRole::DigitShown};
        else if (c == '<')
            picture.positions[length++] = {' ', PositionRole::DigitBlank};
        else
            picture.positions[length++] = {c, PositionRole::Literal};
    }
    picture.length = static_cast<std::uint8_t>(length);
    return true;
}

} // namespace tamberlo
