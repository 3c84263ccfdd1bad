#pragma once

#include "runtime/datetime/MonthNames.h"
#include "runtime/picture/CompiledPicture.h"

#include <cstddef>
#include <string_view>

namespace tamberlo {

struct DateTimeTables;

// The fixed templates "D1".."D16"; `number` outside 1..16 gives an invalid picture.
CompiledPicture fixedDateTemplate(int number);

// Compiles the text after "D" (fill, picture number, century window, separator modifier,
// trailing blanks). "D17"/"D18" copy the regional templates of `tables` and are invalid while
// those are not built.
bool compileDate(std::string_view rest, CompiledPicture& picture, const DateTimeTables& tables);

// Fills a date template from the integer part of the digits; writes picture.length characters.
std::size_t fillDate(const CompiledPicture& picture, std::string_view digits, int pointPosition,
                     const MonthNames& names, char* out);

} // namespace tamberlo
