#include "runtime/datetime/RegionalSettings.h"

#include "platform/os/IntlSettings.h"
#include "platform/os/Profile.h"

#include <optional>
#include <string_view>

namespace tamberlo {
namespace {

int profileInt(const os::IntlSettings& settings, std::string_view key, int defaultValue) {
    auto text = settings.value(key);
    return text ? os::profileNumber(*text) : defaultValue;
}

std::string profileString(const os::IntlSettings& settings, std::string_view key,
                          std::string_view defaultValue, std::size_t maxLength) {
    auto text = settings.value(key);
    std::string value = text ? std::move(*text) : std::string(defaultValue);
    if (value.size() > maxLength)
        value.resize(maxLength);
    return value;
}

} // namespace

RegionalSettings readRegionalSettings(const os::IntlSettings& settings) {
    RegionalSettings defaults;
    RegionalSettings read;
    read.iTime = profileInt(settings, "iTime", defaults.iTime);
    read.iTLzero = profileInt(settings, "iTLzero", defaults.iTLzero);
    read.sTime = profileString(settings, "sTime", defaults.sTime, 1);
    read.s1159 = profileString(settings, "s1159", defaults.s1159, 2);
    read.s2359 = profileString(settings, "s2359", defaults.s2359, 2);
    read.sShortDate = profileString(settings, "sShortDate", defaults.sShortDate, 255);
    read.sLongDate = profileString(settings, "sLongDate", defaults.sLongDate, 255);
    return read;
}

} // namespace tamberlo
