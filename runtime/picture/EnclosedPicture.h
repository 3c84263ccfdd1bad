#pragma once

#include "platform/os/AsciiCharacters.h"

#include <string_view>

namespace tamberlo {

// Pattern and key-in pictures are enclosed in their kind letter ("P##P", "k###k"; the closing
// letter in either case). Returns the text between the letters, or an empty view when the
// picture is not enclosed or encloses nothing.
inline std::string_view enclosedText(std::string_view body) {
    if (body.size() < 3)
        return {};
    if (os::asciiUpper(body.front()) != os::asciiUpper(body.back()))
        return {};
    return body.substr(1, body.size() - 2);
}

} // namespace tamberlo
