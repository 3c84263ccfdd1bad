#pragma once

#include "platform/toolkit/Toolkit.h"

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace tamberlo::headless {

using toolkit::WindowId;

// A toolkit that draws nothing: it records what would be on screen so that tests and the
// drive tool can read it. Every query answers from the record and may be called from any
// thread; the user's actions go straight to the runtime's input API instead.
class HeadlessToolkit final : public toolkit::Toolkit {
public:
    void setInputSink(toolkit::InputSink* sink) override;

    void openWindow(const toolkit::WindowData& window,
                    const std::vector<toolkit::ControlData>& controls) override;
    void closeWindow(WindowId window) override;
    void setWindowTitle(WindowId window, std::string_view title) override;
    void setWindowRect(WindowId window, const toolkit::Rect& rect) override;
    void setWindowMaximized(WindowId window, bool maximized) override;
    void setWindowEnabled(WindowId window, bool enabled) override;
    void setWindowIcon(WindowId window, std::string_view icon) override;
    void setProgramIcon(std::string_view icon) override;
    void activateWindow(WindowId window) override;
    void setStatusText(WindowId window, int section, std::string_view text) override;

    void addControl(WindowId window, const toolkit::ControlData& control) override;
    void setControlText(WindowId window, int control, std::string_view text) override;
    void setControlHidden(WindowId window, int control, bool hidden) override;
    void setControlDisabled(WindowId window, int control, bool disabled) override;
    void setControlChecked(WindowId window, int control, bool checked) override;
    void setControlRect(WindowId window, int control, const toolkit::Rect& rect) override;
    void setControlStyle(WindowId window, int control, const toolkit::ControlStyle& style) override;
    void setFocus(WindowId window, int control) override;

    void showBox(const toolkit::BoxData& box) override;
    void closeBox(std::uint32_t box) override;
    void beep() override;
    void quit() override;

    // One dialog unit per quarter of an average character across, an eighth of a line down.
    toolkit::Size naturalSize(toolkit::ControlKind kind, std::string_view text,
                              const toolkit::Font& font) override;
    toolkit::Rect workArea() override;
    toolkit::Size cascadeOffset() override;

    // --- What is on screen -------------------------------------------------------------
    toolkit::InputSink* inputSink() const;
    // Open windows, in the order they opened.
    std::vector<WindowId> windows() const;
    std::optional<toolkit::WindowData> window(WindowId window) const;
    bool windowEnabled(WindowId window) const;
    WindowId activeWindow() const;
    std::string statusText(WindowId window, int section) const;
    std::string programIcon() const;

    // What the control shows: a prompt's or button's caption, an entry's text, a string's
    // value. Empty when the window or control does not exist.
    std::string text(WindowId window, int control) const;
    // Shown itself and inside shown parents.
    bool visible(WindowId window, int control) const;
    bool enabled(WindowId window, int control) const;
    bool checked(WindowId window, int control) const;
    std::optional<toolkit::ControlData> control(WindowId window, int control) const;
    int focus(WindowId window) const;

    // The message box on screen (the most recent one), if any.
    std::optional<toolkit::BoxData> box() const;
    int beeps() const;
    bool quitRequested() const;

private:
    struct WindowRecord {
        toolkit::WindowData data;
        bool enabled = true;
        int focus = 0;
        std::map<int, toolkit::ControlData> controls;
        std::map<int, std::string> status;
    };

    toolkit::ControlData* findLocked(WindowId window, int control);
    const toolkit::ControlData* findLocked(WindowId window, int control) const;

    mutable std::mutex m_mutex;
    toolkit::InputSink* m_sink = nullptr;
    std::map<WindowId, WindowRecord> m_windows;
    std::vector<WindowId> m_openOrder;
    std::vector<toolkit::BoxData> m_boxes;
    WindowId m_active = 0;
    std::string m_programIcon;
    int m_beeps = 0;
    bool m_quit = false;
};

} // namespace tamberlo::headless
