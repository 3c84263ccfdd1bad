#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// Where the "intl" keys of the regional settings come from ("iTime", "iTLzero", "sTime",
// "s1159", "s2359", "sShortDate", "sLongDate", ...). A source either has a key or lacks it; the
// caller then takes the key's default, as the profile functions do.

namespace tamberlo::os {

class IntlSettings {
public:
    virtual ~IntlSettings() = default;
    // The key's text, or nothing when this source lacks the key.
    virtual std::optional<std::string> value(std::string_view key) const = 0;
};

// The desktop's settings: [intl] of win.ini when it holds the key, otherwise the value mapped
// from the user's POSIX locale (see PosixTimeFormat.h), otherwise nothing.
const IntlSettings& desktopIntlSettings();

// The [intl] section of one INI file alone, with no locale behind it: the same file gives the
// same result on every machine.
class ProfileIntlSettings final : public IntlSettings {
public:
    explicit ProfileIntlSettings(std::filesystem::path file) : m_file(std::move(file)) {}
    std::optional<std::string> value(std::string_view key) const override;

private:
    std::filesystem::path m_file;
};

// A fixed set of keys (names match without regard to case); empty = every key takes its default.
class FixedIntlSettings final : public IntlSettings {
public:
    FixedIntlSettings() = default;
    FixedIntlSettings(std::initializer_list<std::pair<const std::string, std::string>> values);
    FixedIntlSettings& set(std::string_view key, std::string value);
    std::optional<std::string> value(std::string_view key) const override;

private:
    std::map<std::string, std::string> m_values; // keys in lower case
};

} // namespace tamberlo::os
