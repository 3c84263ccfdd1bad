#pragma once

#include <filesystem>
#include <optional>
#include <string>

// rtcalc's options for the regional date and time pictures:
//   --profile FILE   the "intl" keys from FILE's [intl] section alone (no win.ini, no locale)
//   --env FILE       FILE is the environment file
// Without them the pictures are built from the defaults and no environment file is read, so a
// script prints the same on every machine.

namespace tamberlo::rtcalc {

struct RegionalOptions {
    std::optional<std::filesystem::path> profile;
    std::filesystem::path environment; // empty: none
};

// The options of a command line; nothing, with `error` set, for an unknown option or an option
// without its FILE.
std::optional<RegionalOptions> parseRegionalOptions(int argc, const char* const* argv,
                                                    std::string& error);

// Builds the regional date and time pictures from the options (once per process).
void applyRegionalOptions(const RegionalOptions& options);

} // namespace tamberlo::rtcalc
