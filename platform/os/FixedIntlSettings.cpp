#include "platform/os/IntlSettings.h"

#include "platform/os/IniText.h"

#include <algorithm>

namespace tamberlo::os {
namespace {

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), asciiLower);
    return lower;
}

} // namespace

FixedIntlSettings::FixedIntlSettings(
    std::initializer_list<std::pair<const std::string, std::string>> values) {
    for (const auto& [key, value] : values)
        m_values.emplace(lowerCase(key), value);
}

FixedIntlSettings& FixedIntlSettings::set(std::string_view key, std::string value) {
    m_values[lowerCase(key)] = std::move(value);
    return *this;
}

std::optional<std::string> FixedIntlSettings::value(std::string_view key) const {
    auto found = m_values.find(lowerCase(key));
    if (found == m_values.end())
        return std::nullopt;
    return found->second;
}

} // namespace tamberlo::os
