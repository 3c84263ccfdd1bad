#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

namespace tamberlo {

class WindowController;

// Something a toolbar's buttons can act on.
class ToolbarTarget {
public:
    virtual ~ToolbarTarget() = default;
    virtual bool AcceptsToolbar() = 0;
    virtual void HandleToolbarEvent(std::int32_t* vcrRequest, WindowController& controller) = 0;
    virtual void DisplayButtons() = 0;
};

struct ToolbarTargetQueue {
    std::deque<ToolbarTarget*> targets;
    std::size_t current = 0; // 1-based; 0 = none
};

// Passes toolbar events to the current target. Every window of this program attaches one and
// adds no target, so its calls have no effect there.
class ToolbarDispatcher {
public:
    std::unique_ptr<ToolbarTargetQueue> LIST;

    void ToolbarSetUp();
    void ToolbarTearDown();
    void ToolbarForward(std::int32_t* vcrRequest, WindowController& controller);
    // Target `number` (from 1) becomes current; 0 = the last target that accepts the toolbar.
    void ToolbarSelectTarget(std::int32_t number);
    void ToolbarDisplay();

    void AddTarget(ToolbarTarget* target);
};

} // namespace tamberlo
