#pragma once

#include <cstdint>
#include <mutex>
#include <optional>

namespace tamberlo::os {

// The desktop's settings that the program reads and changes: only full-window dragging (a
// window's contents follow it while it is dragged).
class DesktopSettings {
public:
    virtual ~DesktopSettings() = default;
    // Nothing when the setting cannot be read.
    virtual std::optional<bool> dragFullWindows() = 0;
    // `persist` also stores it in the user's profile, so that it outlives this session.
    virtual bool setDragFullWindows(bool on, bool persist) = 0;
};

// The Linux desktop's: the value DragFullWindows (1/0, default 1) in [Desktop] of win.ini.
// A change that is not persisted holds for the rest of this process only.
class ProfileDesktopSettings final : public DesktopSettings {
public:
    std::optional<bool> dragFullWindows() override;
    bool setDragFullWindows(bool on, bool persist) override;

private:
    std::mutex m_mutex;
    std::optional<bool> m_session;
};

// A setting held in memory, for tests: no file is read or written.
class MemoryDesktopSettings final : public DesktopSettings {
public:
    explicit MemoryDesktopSettings(bool on = true) : m_on(on), m_stored(on) {}
    std::optional<bool> dragFullWindows() override;
    bool setDragFullWindows(bool on, bool persist) override;
    // What a persisted change left in the profile.
    bool stored();

private:
    std::mutex m_mutex;
    bool m_on;
    bool m_stored;
};

// The process's desktop settings: the Linux desktop's unless replaced.
DesktopSettings& desktopSettings();
// Replaces them (nullptr restores the Linux desktop's). The caller keeps the object alive
// while it is installed.
void setDesktopSettings(DesktopSettings* replacement);

inline constexpr unsigned SPI_SETDRAGFULLWINDOWS = 0x0025;
inline constexpr unsigned SPI_GETDRAGFULLWINDOWS = 0x0026;
inline constexpr unsigned SPIF_UPDATEINIFILE = 0x0001;
inline constexpr unsigned SPIF_SENDCHANGE = 0x0002;

// The system-parameters call as the program makes it, on the process's desktop settings.
// SPI_GETDRAGFULLWINDOWS stores 1 or 0 in *value; SPI_SETDRAGFULLWINDOWS switches dragging on
// when `parameter` is not 0, and persists the change with SPIF_UPDATEINIFILE (SPIF_SENDCHANGE
// has nothing to announce to here). Returns false for a failed call or any other action.
bool SystemParametersInfoA(unsigned action, unsigned parameter, std::int32_t* value,
                           unsigned profileFlags);

} // namespace tamberlo::os
