#include "framework/ToolbarDispatcher.h"

namespace tamberlo {

void ToolbarDispatcher::ToolbarSetUp() {
    LIST = std::make_unique<ToolbarTargetQueue>();
}

void ToolbarDispatcher::ToolbarTearDown() {
    LIST.reset();
}

void ToolbarDispatcher::ToolbarForward(std::int32_t* vcrRequest, WindowController& controller) {
    if (!LIST || LIST->targets.empty() || LIST->current == 0)
        return;
    LIST->targets[LIST->current - 1]->HandleToolbarEvent(vcrRequest, controller);
}

void ToolbarDispatcher::ToolbarSelectTarget(std::int32_t number) {
    if (!LIST)
        return;
    if (number > 0) {
        if (static_cast<std::size_t>(number) <= LIST->targets.size())
            LIST->current = static_cast<std::size_t>(number);
        return;
    }
    for (std::size_t i = LIST->targets.size(); i > 0; --i)
        if (LIST->targets[i - 1]->AcceptsToolbar()) {
            LIST->current = i;
            return;
        }
}

void ToolbarDispatcher::ToolbarDisplay() {
    if (LIST && LIST->current != 0)
        LIST->targets[LIST->current - 1]->DisplayButtons();
}

void ToolbarDispatcher::AddTarget(ToolbarTarget* target) {
    if (LIST && target)
        LIST->targets.push_back(target);
}

} // namespace tamberlo
