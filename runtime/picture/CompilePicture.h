#pragma once

#include "runtime/picture/CompiledPicture.h"
#include "runtime/picture/NumericFill.h"

#include <string_view>

namespace tamberlo {

// compilePicture without the blank start: writes every field of `picture` and its first
// `length` positions, leaving the positions after them as they were. Returns false for an
// invalid picture (length 0). For a numeric picture, also gives its template's shape.
bool compilePictureInto(std::string_view pictureText, CompiledPicture& picture,
                        TemplateShape* numericShape = nullptr);

} // namespace tamberlo
