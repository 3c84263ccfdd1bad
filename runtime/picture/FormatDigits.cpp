#include "runtime/picture/FormatDigits.h"
#include "runtime/datetime/DateTimePicture.h"
#include "runtime/picture/Format.h"
#include "runtime/picture/NumericFill.h"
#include "runtime/picture/ScientificPicture.h"
#include "runtime/picture/TextFill.h"

#include <algorithm>
#include <cstring>

namespace tamberlo {

std::size_t formatDigits(const CompiledPicture& picture, std::string_view digits, int pointPosition,
                         bool negative, char* out) {
    return formatDigits(picture, nullptr, digits, pointPosition, negative, out);
}

std::size_t formatDigits(const CompiledPicture& picture, const TemplateShape* numericShape,
                         std::string_view digits, int pointPosition, bool negative, char* out) {
    if (!picture.valid())
        return 0;
    switch (picture.kind) {
    case PictureKind::String:
    case PictureKind::KeyIn:
        return fillTextPicture(picture, digits, out);
    case PictureKind::Date:
        return fillDatePicture(picture, digits, pointPosition, out);
    case PictureKind::Time:
        return fillTimePicture(picture, digits, pointPosition, out);
    default:
        break;
    }
    // Zero before any rounding: a value that only rounds to zero is still shown.
    if (picture.blankWhenZero &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c < '1' || c > '9'; })) {
        std::memset(out, ' ', picture.length);
        return picture.length;
    }
    if (picture.kind == PictureKind::Scientific) {
        fillScientific(picture, digits, pointPosition, negative, out);
    } else {
        const auto shape = picture.kind == PictureKind::Numeric && numericShape
                               ? *numericShape
                               : shapeOf(picture, picture.length);
        fillNumericPositions(picture, shape, picture.length, digits, pointPosition, negative, out);
    }
    return picture.length;
}

} // namespace tamberlo
