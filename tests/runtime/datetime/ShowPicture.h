#pragma once

#include "runtime/datetime/DateTimePicture.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// A date or time picture text through the compiler's front (optional "@", kind letter, final
// "B") and this area's compile and fill, as FORMAT of an integer does it.
inline std::string showPicture(std::string_view text, std::int64_t value) {
    using namespace tamberlo;
    CompiledPicture picture;
    if (!text.empty() && text.front() == '@')
        text.remove_prefix(1);
    if (text.size() < 2)
        return "";
    char kind = text.front();
    text.remove_prefix(1);
    if (text.back() == 'B' || text.back() == 'b') {
        picture.blankWhenZero = true;
        text.remove_suffix(1);
    }
    bool date = kind == 'D' || kind == 'd';
    if (!(date ? compileDatePicture(text, picture) : compileTimePicture(text, picture)))
        return "";
    std::string digits = std::to_string(std::llabs(value));
    char out[maxPictureLength];
    auto point = static_cast<int>(digits.size());
    std::size_t n = date ? fillDatePicture(picture, digits, point, out)
                         : fillTimePicture(picture, digits, point, out);
    return {out, n};
}
