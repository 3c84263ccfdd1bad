#include "runtime/datetime/DateTimePicture.h"
#include "runtime/picture/Format.h"
#include "runtime/picture/KeyInPicture.h"
#include "runtime/picture/NumericPictureSyntax.h"
#include "runtime/picture/NumericTemplate.h"
#include "runtime/picture/PatternPicture.h"
#include "runtime/picture/PictureText.h"
#include "runtime/picture/ScientificPicture.h"

namespace tamberlo {

namespace {

// "S5": a width, then nothing but blanks.
bool compileStringPicture(std::string_view rest, CompiledPicture& picture) {
    std::size_t at = 0;
    int width = readPictureNumber(rest, at);
    if (width == 0 || rest.find_first_not_of(' ', at) != std::string_view::npos)
        return false;
    picture.kind = PictureKind::String;
    picture.valueType = ValueType::Text;
    picture.length = static_cast<std::uint8_t>(width);
    return true;
}

bool compileNumericPicture(std::string_view rest, CompiledPicture& picture) {
    auto syntax = parseNumericPicture(rest);
    if (!syntax.valid)
        return false;
    buildNumericTemplate(syntax, picture);
    return true;
}

} // namespace

CompiledPicture compilePicture(std::string_view pictureText) {
    CompiledPicture picture;
    auto text = splitPictureText(pictureText);
    if (!text.valid)
        return picture;
    picture.blankWhenZero = text.blankWhenZero;
    bool valid = false;
    switch (text.kind) {
    case 'N':
        valid = compileNumericPicture(text.rest(), picture);
        break;
    case 'E':
        valid = compileScientificPicture(text.rest(), picture);
        break;
    case 'D':
        valid = compileDatePicture(text.rest(), picture);
        break;
    case 'T':
        valid = compileTimePicture(text.rest(), picture);
        break;
    case 'P':
        valid = compilePatternPicture(text.body, picture);
        break;
    case 'S':
        valid = compileStringPicture(text.rest(), picture);
        break;
    case 'K':
        valid = compileKeyInPicture(text.body, picture);
        break;
    default:
        break;
    }
    if (!valid || picture.length == 0)
        picture = CompiledPicture{};
    return picture;
}

} // namespace tamberlo
