#include "runtime/window/ModalBox.h"

#include "runtime/window/WindowModel.h"

#include <algorithm>

namespace tamberlo {

using namespace detail;

std::int32_t RunModalBox(toolkit::BoxData data) {
    Model& m = model();
    RuntimeThread* self = currentThread();
    Box box;
    Lock lock(m.mutex);
    data.id = m.nextBoxId++;
    box.data = std::move(data);
    box.thread = self;
    box.over = currentWindowLocked(self);
    toolkit::Toolkit& toolkit = toolkitOf(m);
    if (box.over && box.over->disabled++ == 0)
        toolkit.setWindowEnabled(box.over->id, false);
    m.boxes.push_back(&box);
    toolkit.showBox(box.data);
    if (self) {
        self->state = ThreadState::WaitingModal;
        self->box = &box;
    }
    stateChangedLocked(m);
    box.wake.wait(lock, [&box] { return box.answered; });
    if (self) {
        self->state = ThreadState::Running;
        self->box = nullptr;
    }
    std::erase(m.boxes, &box);
    toolkitOf(m).closeBox(box.data.id);
    // The window may have closed meanwhile; its close cleared `over`.
    if (box.over && --box.over->disabled == 0)
        toolkitOf(m).setWindowEnabled(box.over->id, true);
    return box.answer;
}

bool systemModalBoxOnScreen() {
    Model& m = model();
    std::lock_guard lock(m.mutex);
    return systemModalLocked(m);
}

} // namespace tamberlo
