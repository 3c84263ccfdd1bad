#include "platform/os/IcuDatePattern.h"

#include <unicode/udat.h>
#include <unicode/ustring.h>

namespace tamberlo::os {

std::string icuFullDatePattern(std::string_view posixLocale) {
    // "de_DE.UTF-8@euro" → "de_DE": ICU names carry no code set or modifier.
    std::string locale(posixLocale.substr(0, posixLocale.find_first_of(".@")));
    if (locale.empty())
        return {};
    UErrorCode status = U_ZERO_ERROR;
    UDateFormat* format =
        udat_open(UDAT_NONE, UDAT_FULL, locale.c_str(), nullptr, 0, nullptr, 0, &status);
    if (U_FAILURE(status))
        return {};
    UChar pattern[256];
    std::int32_t length = udat_toPattern(format, false, pattern, 256, &status);
    udat_close(format);
    if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING)
        return {};
    char utf8[1024];
    std::int32_t utf8Length = 0;
    u_strToUTF8(utf8, sizeof utf8, &utf8Length, pattern, length, &status);
    if (U_FAILURE(status))
        return {};
    return std::string(utf8, static_cast<std::size_t>(utf8Length));
}

} // namespace tamberlo::os
