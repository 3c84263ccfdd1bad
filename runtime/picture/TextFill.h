#pragma once

#include "runtime/decimal/DecimalText.h"
#include "runtime/picture/CompiledPicture.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace tamberlo {

// String and key-in pictures show the value's text cut or padded with spaces to their width.
inline std::size_t fillTextPicture(const CompiledPicture& picture, std::string_view text,
                                   char* out) {
    std::size_t length = picture.length;
    std::size_t copied = std::min(length, text.size());
    if (copied)
        std::memcpy(out, text.data(), copied);
    std::memset(out + copied, ' ', length - copied);
    return length;
}

// A number given to a text picture shows its plain form ("-1234.5"): the text filling step
// knows no sign or point.
inline std::size_t fillPlainText(const CompiledPicture& picture, const WorkingDecimal& value,
                                 char* out) {
    char text[maxPlainTextLength];
    return fillTextPicture(picture, {text, writePlainText(value, text)}, out);
}

} // namespace tamberlo
