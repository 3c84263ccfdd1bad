#pragma once

#include "platform/toolkit/ToolkitTypes.h"

#include <cstdint>
#include <string_view>

namespace tamberlo::toolkit {

enum class Key : std::uint8_t { Enter, Escape, Tab };

enum class MouseAction : std::uint8_t {
    In,
    Out,
    Move,
    DownLeft,
    UpLeft,
    DownRight,
    UpRight,
    DownMiddle,
    UpMiddle,
};

// Where a toolkit reports what the user does. The window runtime implements it; every call
// may come from any thread and returns without waiting for the window's thread.
class InputSink {
public:
    virtual ~InputSink() = default;

    // The user clicks into the control (the focus moves there) and replaces its text.
    virtual void userTypes(WindowId window, int control, std::string_view text) = 0;
    virtual void userFocuses(WindowId window, int control) = 0;
    // A click on a button, radio button, check box or menu item.
    virtual void userPresses(WindowId window, int control) = 0;
    virtual void userChoosesMenu(WindowId window, int item) = 0;
    // `x` and `y` (dialog units within the control) matter only for moves.
    virtual void userMouse(WindowId window, int control, MouseAction action, int x = 0,
                           int y = 0) = 0;
    // The window's own close command (its close box or system menu).
    virtual void userCloses(WindowId window) = 0;
    virtual void userKey(WindowId window, Key key) = 0;
    virtual void userActivates(WindowId window) = 0;
    virtual void userResizes(WindowId window, int width, int height) = 0;
    // Presses the button `id` of the message box on screen.
    virtual void userAnswersBox(std::int32_t id) = 0;
};

} // namespace tamberlo::toolkit
