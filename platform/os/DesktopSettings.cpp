#include "platform/os/DesktopSettings.h"

#include "platform/os/Profile.h"

#include <atomic>

namespace tamberlo::os {
namespace {

constexpr std::string_view desktopSection = "Desktop";
constexpr std::string_view dragKey = "DragFullWindows";

ProfileDesktopSettings linuxDesktop;
std::atomic<DesktopSettings*> installed{nullptr};

} // namespace

std::optional<bool> ProfileDesktopSettings::dragFullWindows() {
    {
        std::lock_guard lock(m_mutex);
        if (m_session)
            return m_session;
    }
    return getProfileInt(desktopSection, dragKey, 1) != 0;
}

bool ProfileDesktopSettings::setDragFullWindows(bool on, bool persist) {
    std::lock_guard lock(m_mutex);
    // The change holds for this session even when the profile cannot take it.
    m_session = on;
    return !persist || writeProfileString(desktopSection, dragKey, on ? "1" : "0");
}

std::optional<bool> MemoryDesktopSettings::dragFullWindows() {
    std::lock_guard lock(m_mutex);
    return m_on;
}

bool MemoryDesktopSettings::setDragFullWindows(bool on, bool persist) {
    std::lock_guard lock(m_mutex);
    m_on = on;
    if (persist)
        m_stored = on;
    return true;
}

bool MemoryDesktopSettings::stored() {
    std::lock_guard lock(m_mutex);
    return m_stored;
}

DesktopSettings& desktopSettings() {
    DesktopSettings* replacement = installed.load(std::memory_order_acquire);
    return replacement ? *replacement : linuxDesktop;
}

void setDesktopSettings(DesktopSettings* replacement) {
    installed.store(replacement, std::memory_order_release);
}

bool SystemParametersInfoA(unsigned action, unsigned parameter, std::int32_t* value,
                           unsigned profileFlags) {
    switch (action) {
    case SPI_GETDRAGFULLWINDOWS: {
        if (!value)
            return false;
        auto on = desktopSettings().dragFullWindows();
        if (!on)
            return false;
        *value = *on ? 1 : 0;
        return true;
    }
    case SPI_SETDRAGFULLWINDOWS:
        return desktopSettings().setDragFullWindows(parameter != 0,
                                                    (profileFlags & SPIF_UPDATEINIFILE) != 0);
    default:
        return false;
    }
}

} // namespace tamberlo::os
