#include "runtime/entry/EntryShownText.h"

#include "runtime/decimal/DigitString.h"
#include "runtime/picture/CompilePicture.h"
#include "runtime/picture/FormatDigits.h"
#include "runtime/picture/NumericPictureSyntax.h"
#include "runtime/picture/PictureText.h"
#include "runtime/picture/TextFill.h"

#include <algorithm>

namespace tamberlo {

namespace {

bool isDigitOrOverflow(char c) {
    return (c >= '0' && c <= '9') || c == '#';
}

bool isFillRole(PositionRole role) {
    return role == PositionRole::DigitShown || role == PositionRole::DigitBlank ||
           role == PositionRole::GroupSeparator;
}

bool isEndRole(PositionRole role) {
    return role == PositionRole::Sign || role == PositionRole::Currency;
}

// Blanks at both ends are the picture's padding.
std::size_t trimmed(const char* text, std::size_t length, char* out) {
    std::size_t begin = 0;
    while (begin < length && text[begin] == ' ')
        ++begin;
    while (length > begin && text[length - 1] == ' ')
        --length;
    std::copy(text + begin, text + length, out);
    return length - begin;
}

} // namespace

void compileEntryPicture(std::string_view pictureText, EntryPicture& out) {
    out.hideGrouping = false;
    if (!compilePictureInto(pictureText, out.picture, &out.shape) ||
        out.picture.kind != PictureKind::Numeric)
        return;
    auto syntax = parseNumericPicture(splitPictureText(pictureText).rest());
    out.hideGrouping = syntax.places > 0 && syntax.groupCount() > 0 &&
                       syntax.groupingCharacter() == syntax.decimalCharacter();
}

std::size_t entryShownText(const EntryPicture& entry, const WorkingDecimal& value, char* out) {
    const auto& picture = entry.picture;
    if (!picture.valid())
        return 0;
    char shown[maxPictureLength];
    // Text pictures show the plain form of a number, as FORMAT does.
    if (picture.kind == PictureKind::String || picture.kind == PictureKind::KeyIn)
        return trimmed(shown, fillPlainText(picture, value, shown), out);
    const auto number = toDigitString(value);
    const auto digits = number.view();
    if (picture.blankWhenZero &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; }))
        return 0;
    if (picture.kind != PictureKind::Numeric) {
        return trimmed(
            shown,
            formatDigits(picture, nullptr, digits, number.pointPosition, number.negative, shown),
            out);
    }
    // Filled without floating the leading currency and sign before the first digit, so that
    // their characters stay apart from the digits; they are put in front again below.
    auto inPlace = entry.shape;
    inPlace.leading = 0;
    formatDigits(picture, &inPlace, digits, number.pointPosition, number.negative, shown);

    const auto& positions = picture.positions;
    const int leading = std::min<int>(entry.shape.leading, picture.length);
    int end = picture.length;
    while (end > leading && isEndRole(positions[end - 1].role))
        --end;
    // The fill before the first digit; zero fill counts as digits, which read back as zeros.
    int first = leading;
    while (first < end && isFillRole(positions[first].role) && !isDigitOrOverflow(shown[first]))
        ++first;

    // The currency and the sign as the picture prints them, floated or not.
    std::size_t count = 0;
    auto endCharacter = [&](const PicturePosition& position) {
        if (position.role == PositionRole::Currency || number.negative)
            out[count++] = position.fill;
    };
    for (int i = 0; i < leading; ++i)
        endCharacter(positions[i]);
    for (int i = first; i < end; ++i) {
        if (entry.hideGrouping && positions[i].role == PositionRole::GroupSeparator &&
            !isDigitOrOverflow(shown[i]))
            continue;
        out[count++] = shown[i];
    }
    for (int i = end; i < picture.length; ++i)
        endCharacter(positions[i]);
    return count;
}

} // namespace tamberlo
