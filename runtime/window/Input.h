#pragma once

#include "platform/toolkit/InputSink.h"
#include "runtime/window/WindowDescription.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The user's actions, as the toolkit (or a test, or the drive tool) reports them. Every call
// may come from any thread: it queues the action for the thread that owns the window and
// returns. Everything the action causes happens on that thread, in order: moving the focus
// (reading the entry that loses it, on that thread's decimal stack), assigning a radio
// button's value, EVENT:Accepted. Actions on a window that is closed, disabled or unknown,
// and on hidden or disabled controls, are ignored, as a user could not perform them.

namespace tamberlo {

toolkit::InputSink& windowInput();

// What tools need to name windows and controls.
struct OpenWindowInfo {
    std::uint32_t id = 0;
    WindowKind kind = WindowKind::Plain;
    std::string title;
    std::string module;
    std::string label;
    std::int32_t thread = 0;
};

// The open windows, in the order they opened.
std::vector<OpenWindowInfo> openWindows();
// The number of the control with this label in an open window; 0 when there is none.
int controlNumber(std::uint32_t window, std::string_view label);

} // namespace tamberlo
