#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tamberlo {

struct WorkingDecimal;

// Compiles a picture text ("n-15.2", "@N~kr~-17.`2", "s5", "D18", ...). Never fails: an
// invalid picture yields length 0.
CompiledPicture compilePicture(std::string_view pictureText);

// The common filling step for every kind but String and KeyIn: writes exactly
// picture.length characters to `out` (room for maxPictureLength) and returns that count.
std::size_t formatDigits(const CompiledPicture& picture, std::string_view digits,
                         int pointPosition, bool negative, char* out);

// FORMAT: the value through the picture, exactly as wide as the picture; the empty text for
// an invalid picture.
std::string FORMAT(std::int32_t value, std::string_view picture);
std::string FORMAT(const WorkingDecimal& value, std::string_view picture);
std::string FORMAT(double value, std::string_view picture);
std::string FORMAT(std::string_view text, std::string_view picture);

// Pops the top of the calling thread's decimal stack into `buffer` through `picture`; an
// empty picture means popText.
void popFormatted(char* buffer, std::size_t size, std::string_view picture);

} // namespace tamberlo
