#pragma once

#include "runtime/datetime/MonthNames.h"
#include "runtime/picture/CompiledPicture.h"

#include <filesystem>
#include <string_view>

namespace tamberlo::os {
class IntlSettings;
}

// The state that date and time pictures read: the name tables and the four regional templates
// ("D17" short date, "D18" long date, "T7" short time, "T8" long time). It is built once while
// the program starts and only read afterwards, from any thread.

namespace tamberlo {

struct DateTimeTables {
    MonthNames names = MonthNames::builtIn();
    // length 0 (invalid) until buildRegionalPictures has run
    CompiledPicture shortDate;
    CompiledPicture longDate;
    CompiledPicture shortTime;
    CompiledPicture longTime;
};

// The tables in force: the built-in names and invalid regional templates until the first build.
const DateTimeTables& dateTimeTables();

// Builds the regional templates from `settings` (short and long time, short date, long date) and
// then reads the environment file `environmentFile` (none when the path is empty or the file is
// missing). Only the first call in the process has an effect; concurrent callers wait for it.
void buildRegionalPictures(const os::IntlSettings& settings,
                           const std::filesystem::path& environmentFile);

// The same from the desktop's regional settings and the environment file beside the program.
void buildRegionalPictures();

// Builds anew from `settings` and the text of an environment file, whether or not a build has
// happened (tests). Tables published earlier stay valid for threads still reading them.
void rebuildRegionalPictures(const os::IntlSettings& settings, std::string_view environmentText);

} // namespace tamberlo
