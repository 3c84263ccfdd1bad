// Showing variables in controls, and reading entries back into them.

#include "runtime/window/Controls.h"
#include "runtime/window/EntryReader.h"
#include "runtime/window/PictureEntryReader.h"
#include "runtime/window/VariableDisplay.h"
#include "runtime/window/WindowModel.h"

namespace tamberlo {

using namespace detail;

namespace detail {

void setShownLocked(Model& m, Window& window, Control& control, std::string text) {
    if (control.shown == text)
        return;
    control.shown = std::move(text);
    toolkitOf(m).setControlText(window.id, control.number, control.shown);
}

void setHiddenLocked(Model& m, Window& window, Control& control, bool hidden) {
    if (control.hidden == hidden)
        return;
    control.hidden = hidden;
    toolkitOf(m).setControlHidden(window.id, control.number, hidden);
}

void setDisabledLocked(Model& m, Window& window, Control& control, bool disabled) {
    if (control.disabled == disabled)
        return;
    control.disabled = disabled;
    toolkitOf(m).setControlDisabled(window.id, control.number, disabled);
}

void setCheckedLocked(Model& m, Window& window, Control& control, bool checked) {
    if (control.checked == checked)
        return;
    control.checked = checked;
    toolkitOf(m).setControlChecked(window.id, control.number, checked);
}

std::unique_ptr<EntryReader> makeEntryReader(Model& m) {
    return m.entryReaders ? m.entryReaders() : makePictureEntryReader();
}

void displayControl(Lock& lock, Window& window, Control& control) {
    Model& m = model();
    switch (control.type) {
    case ControlType::VariableString: {
        if (!control.use.bound())
            return;
        UseVariable use = control.use;
        std::string picture = control.text;
        lock.unlock();
        std::string shown = formatVariable(use, picture);
        lock.lock();
        setShownLocked(m, window, control, std::move(shown));
        return;
    }
    case ControlType::Entry: {
        // Text the user typed and has not left yet is read first rather than overwritten.
        if (control.entry.modified)
            readEntry(lock, window, control);
        if (control.use.bound()) {
            UseVariable use = control.use;
            std::string picture = control.text;
            EntryReader* reader = control.entry.reader.get();
            lock.unlock();
            std::string shown = reader ? reader->display(use) : formatVariableTrimmed(use, picture);
            lock.lock();
            setShownLocked(m, window, control, std::move(shown));
        }
        control.entry.readFlag = true;
        control.entry.modified = false;
        return;
    }
    case ControlType::Option: {
        if (!control.use.bound())
            return;
        std::vector<std::pair<Control*, std::string>> radios;
        for (auto& child : window.controls)
            if (child->parent == control.number && child->type == ControlType::Radio)
                radios.emplace_back(child.get(), child->value);
        UseVariable use = control.use;
        std::vector<bool> chosen;
        lock.unlock();
        for (auto& [radio, value] : radios)
            chosen.push_back(variableEquals(use, value));
        lock.lock();
        for (std::size_t i = 0; i < radios.size(); ++i)
            setCheckedLocked(m, window, *radios[i].first, chosen[i]);
        return;
    }
    case ControlType::Check: {
        if (!control.use.bound())
            return;
        UseVariable use = control.use;
        lock.unlock();
        bool checked = !variableEquals(use, "0") && !variableEquals(use, "");
        lock.lock();
        setCheckedLocked(m, window, control, checked);
        return;
    }
    default:
        return;
    }
}

ReadOutcome readEntry(Lock& lock, Window& window, Control& control) {
    if (control.type != ControlType::Entry)
        return ReadOutcome::Unneeded;
    EntryState& entry = control.entry;
    if (!entry.reader || (!entry.modified && entry.readFlag))
        return ReadOutcome::Unneeded;
    std::string text = control.shown;
    UseVariable use = control.use;
    EntryReader* reader = entry.reader.get();
    lock.unlock();
    std::optional<std::string> shown = reader->read(text, use);
    lock.lock();
    if (!shown) {
        // Refused: the variable and the typed text stay; the text is read again next time.
        entry.rejectCode = 4;
        entry.readFlag = false;
        return ReadOutcome::Refused;
    }
    entry.rejectCode = 0;
    entry.readFlag = true;
    entry.modified = false;
    setShownLocked(model(), window, control, std::move(*shown));
    return ReadOutcome::Read;
}

bool updateFocusedEntry(Lock& lock, Window& window) {
    Control* focused = findControl(window, window.focus);
    return !focused || readEntry(lock, window, *focused) != ReadOutcome::Refused;
}

} // namespace detail

void setEntryReaderFactory(EntryReaderFactory factory) {
    Model& m = model();
    std::lock_guard lock(m.mutex);
    m.entryReaders = factory;
}

void Redisplay(int control) {
    RuntimeThread* self = currentThread();
    Model& m = model();
    Lock lock(m.mutex);
    Window* window = currentWindowLocked(self);
    if (!window)
        return;
    // By index: displaying releases the lock, and only this thread changes the window.
    for (std::size_t i = 0; i < window->controls.size(); ++i) {
        Control& at = *window->controls[i];
        if (control == 0 || at.number == control)
            displayControl(lock, *window, at);
    }
}

} // namespace tamberlo
