#pragma once

#include "runtime/datetime/MonthNames.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The environment file: an optional text file beside the program, lines of NAME=VALUE. The
// entries ZOTMONTH, ZOTMON and ZOTAMPM replace the month names, the month abbreviations and the
// AM/PM texts; other entries do not concern this program.

namespace tamberlo {

inline constexpr std::size_t environmentNameLimit = 31;
inline constexpr std::size_t environmentValueLimit = 1024;
// The file is a few lines of settings; a larger one is not read, and neither is anything but a
// regular file (a FIFO or a device could block the program or never end).
inline constexpr std::size_t environmentFileLimit = 1 << 20;

// The program's environment file: its file name with ".ENV" appended; empty without a name.
std::filesystem::path environmentFileOf(const std::filesystem::path& program);

// The file's text, or nothing when it is missing or cannot be read.
std::optional<std::string> readEnvironmentFile(const std::filesystem::path& file);

// Calls `entry` for each NAME=VALUE line, in order, up to the end or a Ctrl-Z: the name with its
// spaces removed (lines whose name exceeds 31 characters are skipped) and the value with its
// trailing blanks dropped and its "<n>" and "<<" escapes decoded. Lines without "=" and lines
// holding a NUL byte are skipped.
void readEnvironmentEntries(std::string_view text,
                            const std::function<void(std::string_view, std::string_view)>& entry);

// The items of a value: separated by commas, or, when the value begins with a double quote,
// double-quoted texts ("" inside stands for ") separated by commas or blanks.
std::vector<std::string> environmentItems(std::string_view value);

// Applies the entries of `text` to the name tables. `regionalAm` and `regionalPm` are the texts
// that ZOTAMPM=WINDOWS takes.
void applyEnvironment(std::string_view text, MonthNames& names, std::string_view regionalAm,
                      std::string_view regionalPm);

} // namespace tamberlo
