#include "runtime/datetime/DateTimePicture.h"

// Placeholder until the date and time pictures are built: every such picture is invalid.

namespace tamberlo {

bool compileDatePicture(std::string_view, CompiledPicture& picture) {
    picture.length = 0;
    return false;
}

bool compileTimePicture(std::string_view, CompiledPicture& picture) {
    picture.length = 0;
    return false;
}

std::size_t fillDatePicture(const CompiledPicture&, std::string_view, int, char*) { return 0; }

std::size_t fillTimePicture(const CompiledPicture&, std::string_view, int, char*) { return 0; }

} // namespace tamberlo
