#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <cstddef>
#include <string_view>

// The date and time kinds of the picture compiler and of the filling step.

namespace tamberlo {

// `rest` is the picture text after its kind letter, with the leading "@" and the final
// blank-when-zero "B" already removed. Fills kind, valueType, pictureNumber, centuryWindow,
// length and positions; returns false (and leaves length 0) for an invalid picture.
bool compileDatePicture(std::string_view rest, CompiledPicture& picture);
bool compileTimePicture(std::string_view rest, CompiledPicture& picture);

// Fill a Date / Time picture from the integer digits of a value; write picture.length
// characters to `out` and return that count.
std::size_t fillDatePicture(const CompiledPicture& picture, std::string_view digits,
                            int pointPosition, char* out);
std::size_t fillTimePicture(const CompiledPicture& picture, std::string_view digits,
                            int pointPosition, char* out);

} // namespace tamberlo
