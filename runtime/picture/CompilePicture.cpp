#include "runtime/picture/CompilePicture.h"

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
    if (width <= 0 || rest.find_first_not_of(' ', at) != std::string_view::npos)
        return false;
    picture.kind = PictureKind::String;
    picture.valueType = ValueType::Text;
    picture.length = static_cast<std::uint8_t>(width);
    return true;
}

bool compileNumericPicture(std::string_view rest, CompiledPicture& picture, TemplateShape* shape) {
    auto syntax = parseNumericPicture(rest);
    if (!syntax.valid)
        return false;
    auto laidOut = buildNumericTemplate(syntax, picture);
    if (shape)
        *shape = laidOut;
    return true;
}

} // namespace

bool compilePictureInto(std::string_view pictureText, CompiledPicture& picture,
                        TemplateShape* numericShape) {
    auto text = splitPictureText(pictureText);
    picture.kind = PictureKind::Numeric;
    picture.valueType = ValueType::Decimal;
    picture.blankWhenZero = text.blankWhenZero;
    picture.length = 0;
    picture.centuryWindow = 0;
    picture.pictureNumber = 0;
    if (!text.valid)
        return false;
    bool valid = false;
    switch (text.kind) {
    case 'N':
        valid = compileNumericPicture(text.rest(), picture, numericShape);
        break;
    case 'E':
        valid = compileScientificPicture(text.rest(), picture);
        break;
    case 'D':
        // The date and time units start from a blank picture, as compilePicture gives them.
        picture.positions = blankPicture.positions;
        valid = compileDatePicture(text.rest(), picture);
        break;
    case 'T':
        picture.positions = blankPicture.positions;
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
    if (!valid)
        picture.length = 0;
    return picture.length != 0;
}

CompiledPicture compilePicture(std::string_view pictureText) {
    CompiledPicture picture = blankPicture;
    if (!compilePictureInto(pictureText, picture))
        picture = blankPicture;
    return picture;
}

} // namespace tamberlo
