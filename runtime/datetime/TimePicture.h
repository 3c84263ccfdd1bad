#pragma once

#include "runtime/datetime/MonthNames.h"
#include "runtime/picture/CompiledPicture.h"

#include <cstddef>
#include <string_view>

namespace tamberlo {

struct DateTimeTables;

// The fixed templates "T1".."T6"; `number` outside 1..6 gives an invalid picture.
CompiledPicture fixedTimeTemplate(int number);

// Compiles the text after "T" (trailing separator modifier, fill, picture number, trailing
// blanks). "T7"/"T8" take the regional templates of `tables` whole, and are invalid while those
// are not built.
bool compileTime(std::string_view rest, CompiledPicture& picture, const DateTimeTables& tables);

// Fills a time template from the integer part of the digits; writes picture.length characters.
std::size_t fillTime(const CompiledPicture& picture, std::string_view digits, int pointPosition,
                     const MonthNames& names, char* out);

} // namespace tamberlo
