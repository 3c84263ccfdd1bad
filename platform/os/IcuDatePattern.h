#pragma once

#include <string>
#include <string_view>

namespace tamberlo::os {

// ICU's full date pattern ("EEEE, MMMM d, y") for a POSIX locale name such as "de_DE.UTF-8", in
// UTF-8; empty when ICU does not know the locale. POSIX has no long date of its own.
std::string icuFullDatePattern(std::string_view posixLocale);

} // namespace tamberlo::os
