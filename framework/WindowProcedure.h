#pragma once

#include "framework/ControllerGlobals.h"
#include "framework/WindowController.h"
#include "runtime/window/Window.h"

#include <cstdint>
#include <memory>

namespace tamberlo {

// The end of every window procedure, once its window is declared and its controller created:
// runs the controller, stores the response in the thread's LastResponse, disposes of the
// controller, then closes and releases the window. Returns the response.
inline std::uint8_t ExecuteWindowProcedure(std::unique_ptr<WindowController> controller,
                                           Window*& window) {
    std::uint8_t response = controller->Execute();
    *ThreadInstance(LastResponse) = response;
    controller.reset();
    ReleaseWindow(window);
    window = nullptr;
    return response;
}

} // namespace tamberlo
