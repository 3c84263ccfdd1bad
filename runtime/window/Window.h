#pragma once

#include "runtime/UseVariable.h"
#include "runtime/window/WindowDescription.h"

#include <cstdint>
#include <span>
#include <string_view>

// Declaring, opening and releasing windows. A window belongs to the thread that opens it: its
// events are delivered only there, and only that thread changes it.

namespace tamberlo {

// The runtime's window structure; procedures hold it by pointer from DeclareWindow to
// ReleaseWindow.
class Window;

// Makes a description available to DeclareWindow by its module name and window label.
void registerWindowDescription(const WindowDescription& description);

// Builds the window structure from a description. The use variables are bound, in order, to
// the controls that show a variable (strings showing a variable, entries, options, check boxes,
// lists), in control order; surplus variables are ignored, missing ones leave controls unbound.
Window* DeclareWindow(const WindowDescription& description, WindowKind kind,
                      std::span<const UseVariable> uses = {});
// The same from a registered description; nullptr when none is registered under the names.
Window* DeclareWindow(std::string_view module, std::string_view label, WindowKind kind,
                      std::span<const UseVariable> uses = {});

// Creates and shows the window on the calling runtime thread and queues EVENT:OpenWindow for
// it. A child window opens in the application frame's area (as a plain window when there is
// no frame). Does nothing for a window that is already open or closed.
void OpenWindow(Window* window, Window* owner = nullptr);

// Closes the window if it is still open and frees the structure.
void ReleaseWindow(Window* window);

// The window's number, shared with the toolkit and reported as its Handle; 0 for nullptr.
std::uint32_t windowHandle(const Window* window);

} // namespace tamberlo
