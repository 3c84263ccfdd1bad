#include "runtime/window/Controls.h"

#include "runtime/window/WindowModel.h"

#include <algorithm>

namespace tamberlo {

using namespace detail;

namespace {

template <class Change>
void forRange(int first, int last, Change change) {
    RuntimeThread* self = currentThread();
    Model& m = model();
    std::lock_guard lock(m.mutex);
    Window* window = currentWindowLocked(self);
    if (!window)
        return;
    int low = last == 0 ? first : std::min(first, last);
    int high = last == 0 ? first : std::max(first, last);
    for (auto& control : window->controls)
        if (control->number >= low && control->number <= high)
            change(m, *window, *control);
}

bool knownType(int type) {
    switch (static_cast<ControlType>(type)) {
    case ControlType::VariableString:
    case ControlType::String:
    case ControlType::Image:
    case ControlType::Region:
    case ControlType::Entry:
    case ControlType::Button:
    case ControlType::Prompt:
    case ControlType::Option:
    case ControlType::Check:
    case ControlType::Group:
    case ControlType::List:
    case ControlType::Radio:
    case ControlType::Sheet:
    case ControlType::Tab:
        return true;
    default:
        return false;
    }
}

// Where a control created in `parent` goes: after the parent's last descendant, or before its
// `position`-th child.
std::size_t insertionPoint(Window& window, int parent, int position) {
    std::size_t end = window.controls.size();
    std::size_t start = 0;
    if (parent != 0) {
        start = controlIndex(window, parent);
        if (start == end)
            return end;
        ++start;
    }
    // Descendants of `parent` follow it without a break.
    auto within = [&](const Control& control) {
        if (parent == 0)
            return true;
        const Control* at = &control;
        for (int depth = 0; at && depth < 64; ++depth) {
            if (at->parent == parent)
                return true;
            if (at->parent == 0)
                return false;
            at = findControl(window, at->parent);
        }
        return false;
    };
    std::size_t index = start;
    int child = 0;
    for (; index < end && within(*window.controls[index]); ++index)
        if (window.controls[index]->parent == parent && ++child == position)
            return index;
    return index;
}

} // namespace

void HideControls(int first, int last) {
    forRange(first, last, [](Model& m, Window& window, Control& control) {
        setHiddenLocked(m, window, control, true);
    });
}

void ShowControls(int first, int last) {
    forRange(first, last, [](Model& m, Window& window, Control& control) {
        setHiddenLocked(m, window, control, false);
    });
}

void EnableControls(int first, int last) {
    forRange(first, last, [](Model& m, Window& window, Control& control) {
        setDisabledLocked(m, window, control, false);
    });
}

void DisableControls(int first, int last) {
    forRange(first, last, [](Model& m, Window& window, Control& control) {
        setDisabledLocked(m, window, control, true);
    });
}

int CreateControl(int number, int type, int parent, int position) {
    if (number == 0 || number < -16384 || number > 16384 || !knownType(type))
        return 0;
    RuntimeThread* self = currentThread();
    Model& m = model();
    std::lock_guard lock(m.mutex);
    Window* window = currentWindowLocked(self);
    if (!window || findControl(*window, number))
        return 0;
    if (parent != 0 && !findControl(*window, parent))
        return 0;
    auto control = std::make_unique<Control>();
    control->number = number;
    control->type = static_cast<ControlType>(type);
    control->parent = parent;
    control->hidden = true; // shown when the program has placed it
    control->style.font.face = window->description.font.face;
    control->style.font.points = window->description.font.points;
    if (control->type == ControlType::Entry) {
        control->entry.reader = makeEntryReader(m);
        if (control->entry.reader)
            control->entry.reader->setPicture({});
    }
    Control& created = *control;
    std::size_t at = insertionPoint(*window, parent, position);
    window->controls.insert(window->controls.begin() + static_cast<std::ptrdiff_t>(at),
                            std::move(control));
    toolkitOf(m).addControl(window->id, controlData(created));
    return number;
}

void Beep() {
    Model& m = model();
    std::lock_guard lock(m.mutex);
    toolkitOf(m).beep();
}

} // namespace tamberlo
