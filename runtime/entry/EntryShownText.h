#pragma once

#include "runtime/decimal/WorkingDecimal.h"
#include "runtime/picture/CompiledPicture.h"
#include "runtime/picture/NumericFill.h"

#include <cstddef>
#include <string_view>

namespace tamberlo {

// A picture compiled for showing values in an entry control.
struct EntryPicture {
    CompiledPicture picture;
    TemplateShape shape;
    // The grouping and the decimal character are the same: grouping characters are left out
    // of the shown text, which could not be read back otherwise.
    bool hideGrouping = false;
};

void compileEntryPicture(std::string_view pictureText, EntryPicture& out);

// What an entry shows for a value: the value through the picture with the positions that stay
// empty left out (fill before the first digit, the sign position of a positive value), but with
// the currency text and the separators between digits as shown, spaces included. Text through a
// numeric entry template reads back as the same value. Pictures of other kinds show the value
// through the picture without surrounding blanks; an invalid picture shows nothing. Writes at
// most maxPictureLength characters to `out` and returns the count.
std::size_t entryShownText(const EntryPicture& picture, const WorkingDecimal& value, char* out);

} // namespace tamberlo
