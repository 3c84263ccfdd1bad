#pragma once

#include "platform/toolkit/ToolkitTypes.h"

#include <string_view>
#include <vector>

namespace tamberlo::toolkit {

class InputSink;

// What the window runtime asks of a windowing toolkit. The runtime keeps the model of every
// window and tells the toolkit each change as it happens; the toolkit mirrors it and reports
// the user's actions to the input sink.
//
// The runtime calls these from its own threads, in the order the changes happen, while holding
// its model lock: an implementation must return promptly (a toolkit that draws on another
// thread queues the change there) and must never call back into the runtime from inside a
// call. naturalSize() and the placement queries are answered from what the toolkit knows
// without waiting for another thread.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    virtual void setInputSink(InputSink* sink) = 0;

    virtual void openWindow(const WindowData& window, const std::vector<ControlData>& controls) = 0;
    virtual void closeWindow(WindowId window) = 0;
    virtual void setWindowTitle(WindowId window, std::string_view title) = 0;
    virtual void setWindowRect(WindowId window, const Rect& rect) = 0;
    virtual void setWindowMaximized(WindowId window, bool maximized) = 0;
    virtual void setWindowEnabled(WindowId window, bool enabled) = 0;
    virtual void setWindowIcon(WindowId window, std::string_view icon) = 0;
    // The icon of every window of the program, present and future.
    virtual void setProgramIcon(std::string_view icon) = 0;
    virtual void activateWindow(WindowId window) = 0;
    // Section numbers count from 1.
    virtual void setStatusText(WindowId window, int section, std::string_view text) = 0;

    virtual void addControl(WindowId window, const ControlData& control) = 0;
    virtual void setControlText(WindowId window, int control, std::string_view text) = 0;
    // A control's own state; it is seen only while its parents are shown too.
    virtual void setControlHidden(WindowId window, int control, bool hidden) = 0;
    virtual void setControlDisabled(WindowId window, int control, bool disabled) = 0;
    virtual void setControlChecked(WindowId window, int control, bool checked) = 0;
    virtual void setControlRect(WindowId window, int control, const Rect& rect) = 0;
    virtual void setControlStyle(WindowId window, int control, const ControlStyle& style) = 0;
    virtual void setFocus(WindowId window, int control) = 0;

    virtual void showBox(const BoxData& box) = 0;
    virtual void closeBox(std::uint32_t box) = 0;
    virtual void beep() = 0;
    // The program has ended: the toolkit stops its own loop.
    virtual void quit() = 0;

    // The size a control takes when its description gives none.
    virtual Size naturalSize(ControlKind kind, std::string_view text, const Font& font) = 0;
    // Where centred top-level windows are placed.
    virtual Rect workArea() = 0;
    // How far a window opens down and right of the window that owns it.
    virtual Size cascadeOffset() = 0;
};

} // namespace tamberlo::toolkit
