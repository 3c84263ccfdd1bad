#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace tamberlo::os {

// A whole small file read into memory, telling a missing file apart from one that exists but
// cannot be used (no permission, not a regular file, too large, a read error). A writer must
// not replace a file it could not read, or it would lose what was in it.
struct FileContents {
    enum class State { Missing, Read, Unreadable };
    State state = State::Missing;
    std::string bytes;
};

// Settings files are small; anything above this is refused rather than read into memory.
inline constexpr std::size_t maximumSettingsFileSize = 64u * 1024 * 1024;

FileContents readFileContents(const std::filesystem::path& file,
                              std::size_t maximumSize = maximumSettingsFileSize);

} // namespace tamberlo::os
