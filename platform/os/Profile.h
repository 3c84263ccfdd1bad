#pragma once

#include <optional>
#include <string>
#include <string_view>

// The private-profile functions: named values in the sections of INI files, kept by the
// project's own reader and writer. Section and key names match without regard to case, the
// first match wins, and a write changes nothing but the line it targets.
//
// `file` names the INI file: empty = the system profile (win.ini in the system directory);
// a bare file name = that file in the system directory; anything else = the path as given.
//
// A write replaces the whole file atomically (see AtomicFile.h) and keeps every line it does not
// target byte for byte (see IniFile.h for the reading rules). A file that exists but cannot be
// read is never replaced. A write to a bare file name creates the system directory first.

namespace tamberlo::os {

// The value of `key` in `section`, or nothing when the file, section or key is missing.
std::optional<std::string> readProfileValue(std::string_view section, std::string_view key,
                                            std::string_view file);

// How the profile functions read a number: the text's leading decimal digits ("12abc" is 12,
// "abc" 0), held at INT_MAX when they run past it.
int profileNumber(std::string_view text);

std::string getPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::string_view file);
// The value's leading decimal digits as a number; `defaultValue` when the key is missing.
int getPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         std::string_view file);
// Creates the file, section and key as needed. Returns false when the file could not be
// written; the old file is then untouched.
bool writePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, std::string_view file);
// Removes the key's line. Returns false only when the file could not be written; a key, section
// or file that is not there counts as removed.
bool deletePrivateProfileKey(std::string_view section, std::string_view key, std::string_view file);

// The same on the system profile (win.ini).
std::string getProfileString(std::string_view section, std::string_view key,
                             std::string_view defaultValue);
int getProfileInt(std::string_view section, std::string_view key, int defaultValue);
bool writeProfileString(std::string_view section, std::string_view key, std::string_view value);

} // namespace tamberlo::os
