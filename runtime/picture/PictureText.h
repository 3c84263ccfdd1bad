#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <string_view>

namespace tamberlo {

// A picture text split into what every kind shares: one leading "@" dropped, a final "B" or
// "b" taken off as the blank-when-zero flag, and the kind letter (upper case).
struct PictureText {
    bool valid = false;
    char kind = 0;         // 'N', 'E', 'D', 'T', 'P', 'S', 'K' or another upper-cased byte
    std::string_view body; // the whole picture after "@" and "B": kind letter included
    bool blankWhenZero = false;

    std::string_view rest() const { return body.substr(1); } // after the kind letter
};

PictureText splitPictureText(std::string_view text);

// The picture every compilation starts from. Defined apart from its users so that starting
// from it is one block copy rather than 255 position stores.
extern const CompiledPicture blankPicture;

} // namespace tamberlo
