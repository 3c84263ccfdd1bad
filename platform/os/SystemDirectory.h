#pragma once

#include <filesystem>
#include <string_view>

namespace tamberlo::os {

// Where bare INI file names and win.ini live: $XDG_CONFIG_HOME/tamberlo, by default
// ~/.config/tamberlo. Created when a file is first written there.
std::filesystem::path systemDirectory();

// Replaces the system directory for the rest of the process (tests, the drive tool); an empty
// path restores the default.
void setSystemDirectory(const std::filesystem::path& directory);

// The file a profile function means by `file` (see Profile.h).
std::filesystem::path profilePath(std::string_view file);

} // namespace tamberlo::os
