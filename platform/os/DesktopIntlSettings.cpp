#include "platform/os/IntlSettings.h"
#include "platform/os/PosixTimeFormat.h"
#include "platform/os/Profile.h"

namespace tamberlo::os {
namespace {

class DesktopIntlSettings final : public IntlSettings {
public:
    std::optional<std::string> value(std::string_view key) const override {
        if (auto fromProfile = readProfileValue("intl", key, ""))
            return fromProfile;
        // Asked afresh each time: the keys are read once at start-up, and the environment
        // decides which locale is the user's.
        auto posix = userPosixTimeItems();
        if (posix)
            return intlValueFromPosix(key, *posix);
        return std::nullopt;
    }
};

} // namespace

const IntlSettings& desktopIntlSettings() {
    static const DesktopIntlSettings settings;
    return settings;
}

std::optional<std::string> ProfileIntlSettings::value(std::string_view key) const {
    // An absolute path, so that a bare file name is not looked up in the system directory.
    std::error_code error;
    auto path = std::filesystem::absolute(m_file, error);
    return readProfileValue("intl", key, (error ? m_file : path).string());
}

} // namespace tamberlo::os
