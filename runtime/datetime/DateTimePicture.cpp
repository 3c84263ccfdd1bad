#include "runtime/datetime/DateTimePicture.h"

#include "runtime/datetime/DatePicture.h"
#include "runtime/datetime/RegionalPictures.h"
#include "runtime/datetime/TimePicture.h"

namespace tamberlo {

bool compileDatePicture(std::string_view rest, CompiledPicture& picture) {
    return compileDate(rest, picture, dateTimeTables());
}

bool compileTimePicture(std::string_view rest, CompiledPicture& picture) {
    return compileTime(rest, picture, dateTimeTables());
}

std::size_t fillDatePicture(const CompiledPicture& picture, std::string_view digits,
                            int pointPosition, char* out) {
    return fillDate(picture, digits, pointPosition, dateTimeTables().names, out);
}

std::size_t fillTimePicture(const CompiledPicture& picture, std::string_view digits,
                            int pointPosition, char* out) {
    return fillTime(picture, digits, pointPosition, dateTimeTables().names, out);
}

} // namespace tamberlo
