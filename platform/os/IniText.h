#pragma once

#include "platform/os/AsciiCharacters.h"

#include <string_view>

// The small text rules shared by everything that reads names and values in INI files and in
// the other NAME=VALUE settings files.

namespace tamberlo::os {

constexpr bool isIniBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr std::string_view trimIniBlanks(std::string_view text) {
    while (!text.empty() && isIniBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isIniBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Names in INI files match without regard to case; only ASCII letters fold, so that names in
// any other encoding compare byte for byte.
constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

} // namespace tamberlo::os
