#include "runtime/picture/PictureText.h"

#include "platform/os/AsciiCharacters.h"

namespace tamberlo {

const CompiledPicture blankPicture{};

PictureText splitPictureText(std::string_view text) {
    PictureText picture;
    if (!text.empty() && text.front() == '@')
        text.remove_prefix(1);
    if (text.empty() || text.size() > maxPictureLength)
        return picture;
    if (text.back() == 'B' || text.back() == 'b') {
        picture.blankWhenZero = true;
        text.remove_suffix(1);
    }
    if (text.size() < 2)
        return picture;
    char kind = text.front();
    picture.kind = os::asciiUpper(kind);
    picture.body = text;
    picture.valid = true;
    return picture;
}

} // namespace tamberlo
