#include "runtime/window/Properties.h"

#include "runtime/window/Events.h"
#include "runtime/window/WindowModel.h"

namespace tamberlo {

using namespace detail;

namespace {

PropertyValue kept(const std::map<std::pair<int, int>, PropertyValue>& other, int property,
                   int index) {
    auto it = other.find({property, index});
    return it == other.end() ? PropertyValue() : it->second;
}

PropertyValue systemPropertyLocked(Model& m, int property, int index) {
    if (property == PROP::Icon)
        return m.programIcon;
    return kept(m.systemProperties, property, index);
}

PropertyValue windowPropertyLocked(Window& window, int property, int index) {
    switch (property) {
    case PROP::Text:
        return window.title;
    case PROP::Xpos:
        return window.rect.x;
    case PROP::Ypos:
        return window.rect.y;
    case PROP::Width:
        return window.rect.width;
    case PROP::Height:
        return window.rect.height;
    case PROP::Icon:
        return window.icon;
    case PROP::Maximize:
        return window.maximized ? 1 : 0;
    case PROP::Timer:
        return window.timer;
    case PROP::Handle:
        return window.id;
    case PROP::AcceptAll:
        return window.acceptAll ? 1 : 0;
    case PROP::StatusText:
        if (index >= 1 && static_cast<std::size_t>(index) <= window.status.size())
            return window.status[index - 1];
        return {};
    case PROP::Disable:
        return window.disabled > 0 ? 1 : 0;
    default:
        return kept(window.other, property, index);
    }
}

PropertyValue controlPropertyLocked(Control& control, int property, int index) {
    switch (property) {
    case PROP::Text:
        return control.text;
    case PROP::Type:
        return static_cast<std::int32_t>(control.type);
    case PROP::Xpos:
        return control.rect.x;
    case PROP::Ypos:
        return control.rect.y;
    case PROP::Width:
        return control.rect.width;
    case PROP::Height:
        return control.rect.height;
    case PROP::FontColor:
        return control.style.font.color;
    case PROP::Cursor:
        return control.style.cursor;
    case PROP::Hide:
        return control.hidden ? 1 : 0;
    case PROP::Imm:
        return control.style.mouseEvents ? 1 : 0;
    case PROP::Use:
        return control.useProperty;
    case PROP::Alrt: {
        auto it = control.alerts.find(index);
        return it == control.alerts.end() ? PropertyValue(0) : PropertyValue(it->second);
    }
    case PROP::RejectCode:
        return control.entry.rejectCode;
    case PROP::Disable:
        return control.disabled ? 1 : 0;
    case PROP::Std:
        return control.standardAction;
    default:
        return kept(control.other, property, index);
    }
}

PropertyValue propertyLocked(Model& m, Window* window, int target, int property, int index) {
    if (target == SystemTarget)
        return systemPropertyLocked(m, property, index);
    if (!window)
        return {};
    if (target == 0)
        return windowPropertyLocked(*window, property, index);
    Control* control = findControl(*window, target);
    return control ? controlPropertyLocked(*control, property, index) : PropertyValue();
}

void setWindowPropertyLocked(Model& m, Window& window, int property, const PropertyValue& value,
                             int index) {
    toolkit::Toolkit& toolkit = toolkitOf(m);
    switch (property) {
    case PROP::Text:
        window.title = value.toText();
        toolkit.setWindowTitle(window.id, window.title);
        return;
    case PROP::Xpos:
    case PROP::Ypos:
    case PROP::Width:
    case PROP::Height: {
        toolkit::Rect before = window.rect;
        int* field = property == PROP::Xpos    ? &window.rect.x
                     : property == PROP::Ypos  ? &window.rect.y
                     : property == PROP::Width ? &window.rect.width
                                               : &window.rect.height;
        *field = static_cast<int>(value.toLong());
        if (window.rect == before)
            return;
        toolkit.setWindowRect(window.id, window.rect);
        if (window.rect.width != before.width || window.rect.height != before.height)
            postLocked(m, window, eventMessage(EVENT::Sized, 0));
        return;
    }
    case PROP::Icon:
        window.icon = value.toText();
        toolkit.setWindowIcon(window.id, window.icon);
        return;
    case PROP::Maximize: {
        bool maximized = value.toLong() != 0;
        if (maximized == window.maximized)
            return;
        window.maximized = maximized;
        toolkit::Rect before = window.rect;
        if (maximized && window.frame) {
            window.restored = window.rect;
            window.rect = {0, 0, window.frame->rect.width, window.frame->rect.height};
        } else if (!maximized && window.frame) {
            window.rect = window.restored;
        }
        toolkit.setWindowMaximized(window.id, maximized);
        if (!(window.rect == before))
            toolkit.setWindowRect(window.id, window.rect);
        // Maximising changes the size even where the toolkit alone knows the new one.
        if (!window.frame || window.rect.width != before.width ||
            window.rect.height != before.height)
            postLocked(m, window, eventMessage(EVENT::Sized, 0));
        return;
    }
    case PROP::Timer:
        setTimerLocked(m, window, value.toLong());
        return;
    case PROP::StatusText:
        if (index >= 1 && static_cast<std::size_t>(index) <= window.status.size()) {
            window.status[index - 1] = value.toText();
            toolkit.setStatusText(window.id, index, window.status[index - 1]);
        }
        return;
    case PROP::Handle:
    case PROP::AcceptAll:
    case PROP::Type:
        return; // read only
    default:
        window.other[{property, index}] = value;
        return;
    }
}

void setControlPropertyLocked(Lock& lock, Model& m, Window& window, Control& control, int property,
                              const PropertyValue& value, int index) {
    toolkit::Toolkit& toolkit = toolkitOf(m);
    switch (property) {
    case PROP::Text:
        control.text = value.toText();
        if (control.naturalWidth || control.naturalHeight) {
            applyNaturalSize(m, control);
            toolkit.setControlRect(window.id, control.number, control.rect);
        }
        if (control.type == ControlType::Entry && control.entry.reader)
            control.entry.reader->setPicture(control.text);
        if (control.type == ControlType::Entry || control.type == ControlType::VariableString) {
            if (window.state == WindowState::Open && window.owner == currentThread())
                displayControl(lock, window, control);
        } else if (control.type != ControlType::Region && control.type != ControlType::List) {
            setShownLocked(m, window, control, control.text);
        }
        return;
    case PROP::Xpos:
    case PROP::Ypos:
    case PROP::Width:
    case PROP::Height: {
        int number = static_cast<int>(value.toLong());
        if (property == PROP::Xpos)
            control.rect.x = number;
        else if (property == PROP::Ypos)
            control.rect.y = number;
        else if (property == PROP::Width) {
            control.rect.width = number;
            control.naturalWidth = false;
        } else {
            control.rect.height = number;
            control.naturalHeight = false;
        }
        toolkit.setControlRect(window.id, control.number, control.rect);
        return;
    }
    case PROP::FontColor:
        control.style.font.color = static_cast<std::int32_t>(value.toLong());
        toolkit.setControlStyle(window.id, control.number, control.style);
        return;
    case PROP::Cursor:
        control.style.cursor = value.toText();
        toolkit.setControlStyle(window.id, control.number, control.style);
        return;
    case PROP::Imm:
        control.style.mouseEvents = value.toLong() != 0;
        toolkit.setControlStyle(window.id, control.number, control.style);
        return;
    case PROP::Hide:
        setHiddenLocked(m, window, control, value.toLong() != 0);
        return;
    case PROP::Disable:
        setDisabledLocked(m, window, control, value.toLong() != 0);
        return;
    case PROP::Use:
        control.useProperty = value.toLong();
        return;
    case PROP::Alrt:
        control.alerts[index] = value.toLong();
        return;
    case PROP::Std:
        control.standardAction = static_cast<int>(value.toLong());
        return;
    case PROP::RejectCode:
        control.entry.rejectCode = static_cast<int>(value.toLong());
        return;
    case PROP::Type:
        return; // fixed when the control is made
    default:
        control.other[{property, index}] = value;
        return;
    }
}

} // namespace

PropertyValue GetProperty(int target, int property, int index) {
    RuntimeThread* self = currentThread();
    Model& m = model();
    std::lock_guard lock(m.mutex);
    return propertyLocked(m, currentWindowLocked(self), target, property, index);
}

void SetProperty(int target, int property, const PropertyValue& value, int index) {
    RuntimeThread* self = currentThread();
    Model& m = model();
    Lock lock(m.mutex);
    if (target == SystemTarget) {
        if (property == PROP::Icon) {
            m.programIcon = value.toText();
            toolkitOf(m).setProgramIcon(m.programIcon);
        } else {
            m.systemProperties[{property, index}] = value;
        }
        return;
    }
    Window* window = currentWindowLocked(self);
    if (!window)
        return;
    if (target == 0) {
        setWindowPropertyLocked(m, *window, property, value, index);
        return;
    }
    if (Control* control = findControl(*window, target))
        setControlPropertyLocked(lock, m, *window, *control, property, value, index);
}

PropertyValue GetWindowProperty(std::uint32_t window, int target, int property, int index) {
    Model& m = model();
    std::lock_guard lock(m.mutex);
    auto it = m.windows.find(window);
    return propertyLocked(m, it == m.windows.end() ? nullptr : it->second, target, property, index);
}

} // namespace tamberlo
