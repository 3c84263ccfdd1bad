#include "runtime/window/Window.h"

#include "runtime/window/Events.h"
#include "runtime/window/WindowModel.h"

#include <algorithm>

namespace tamberlo {

using namespace detail;

namespace {

toolkit::Font toolkitFont(const FontDescription& font, const FontDescription& base) {
    toolkit::Font result;
    result.face = font.face.empty() ? base.face : font.face;
    result.points = font.points ? font.points : base.points;
    result.weight = font.weight;
    result.italic = font.italic;
    result.underline = font.underline;
    result.color = font.color;
    return result;
}

toolkit::Justification toolkitJustification(Justification justification) {
    switch (justification) {
    case Justification::Left:
        return toolkit::Justification::Left;
    case Justification::Right:
        return toolkit::Justification::Right;
    case Justification::Centre:
        return toolkit::Justification::Centre;
    case Justification::Decimal:
        return toolkit::Justification::Decimal;
    }
    return toolkit::Justification::Left;
}

bool captionShown(ControlType type) {
    return type != ControlType::VariableString && type != ControlType::Entry &&
           type != ControlType::Region && type != ControlType::List;
}

class ControlBuilder {
public:
    ControlBuilder(Window& window, Model& m) : m_window(window), m_model(m) {}

    void collectFixed(const std::vector<ControlDescription>& controls) {
        for (const ControlDescription& control : controls) {
            if (control.number != 0)
                m_fixed.push_back(control.number);
            collectFixed(control.children);
        }
    }

    void addControls(const std::vector<ControlDescription>& controls, int parent) {
        for (const ControlDescription& description : controls) {
            int number = description.number;
            if (number == 0) {
                while (std::find(m_fixed.begin(), m_fixed.end(), m_next) != m_fixed.end())
                    ++m_next;
                number = m_next++;
            }
            if (findControl(m_window, number))
                continue; // a number given twice: the first control keeps it
            auto control = std::make_unique<Control>();
            control->number = number;
            control->type = description.type;
            control->parent = parent;
            control->label = description.label;
            control->text = description.text;
            control->value = description.value;
            control->rect = {description.x, description.y, description.width, description.height};
            control->naturalWidth = description.width < 0;
            control->naturalHeight = description.height < 0;
            control->hidden = description.hidden;
            control->disabled = description.disabled;
            control->standardAction = description.standardAction;
            toolkit::ControlStyle& style = control->style;
            style.font = toolkitFont(description.font.value_or(m_window.description.font),
                                     m_window.description.font);
            style.justification = toolkitJustification(description.justification);
            style.offset = description.offset;
            style.boxed = description.boxed;
            style.readOnly = description.readOnly;
            style.defaultButton = description.defaultButton;
            style.mouseEvents = description.imm;
            style.cursor = description.cursor;
            if (captionShown(control->type))
                control->shown = control->text;
            if (control->type == ControlType::Entry) {
                control->entry.reader = makeEntryReader(m_model);
                if (control->entry.reader)
                    control->entry.reader->setPicture(control->text);
            }
            m_window.controls.push_back(std::move(control));
            addControls(description.children, number);
        }
    }

    void addMenus(const std::vector<MenuDescription>& menus) {
        if (menus.empty())
            return;
        int bar = m_nextMenu--;
        m_window.controls.push_back(menuControl(bar, ControlType::MenuBar, 0, {}));
        addMenuItems(menus, bar);
    }

private:
    void addMenuItems(const std::vector<MenuDescription>& menus, int parent) {
        for (const MenuDescription& menu : menus) {
            int number = m_nextMenu--;
            ControlType type = menu.items.empty() ? ControlType::MenuItem : ControlType::Menu;
            m_window.controls.push_back(menuControl(number, type, parent, menu));
            addMenuItems(menu.items, number);
        }
    }

    std::unique_ptr<Control> menuControl(int number, ControlType type, int parent,
                                         const MenuDescription& menu) {
        auto control = std::make_unique<Control>();
        control->number = number;
        control->type = type;
        control->parent = parent;
        control->label = menu.label;
        control->text = menu.text;
        control->shown = menu.text;
        control->standardAction = menu.standardAction;
        control->style.statusMessage = menu.message;
        control->style.font = toolkitFont(m_window.description.font, m_window.description.font);
        return control;
    }

    Window& m_window;
    Model& m_model;
    std::vector<int> m_fixed;
    int m_next = 1;
    int m_nextMenu = -1;
};

void placeLocked(Model& m, Window& window, Window* owner) {
    const WindowDescription& description = window.description;
    toolkit::Toolkit& toolkit = toolkitOf(m);
    window.rect.width = description.width;
    window.rect.height = description.height;
    toolkit::Rect area =
        window.frame ? toolkit::Rect{0, 0, window.frame->rect.width, window.frame->rect.height}
                     : toolkit.workArea();
    if (description.centred) {
        window.rect.x = std::max(area.x, area.x + (area.width - window.rect.width) / 2);
        window.rect.y = std::max(area.y, area.y + (area.height - window.rect.height) / 2);
    } else if (isOpen(owner)) {
        toolkit::Size offset = toolkit.cascadeOffset();
        window.rect.x = owner->rect.x + offset.width;
        window.rect.y = owner->rect.y + offset.height;
    } else {
        window.rect.x = area.x;
        window.rect.y = area.y;
    }
    if (description.x)
        window.rect.x = *description.x;
    if (description.y)
        window.rect.y = *description.y;
}

toolkit::WindowKind toolkitWindowKind(WindowKind kind) {
    switch (kind) {
    case WindowKind::Frame:
        return toolkit::WindowKind::Frame;
    case WindowKind::Child:
        return toolkit::WindowKind::Child;
    case WindowKind::Plain:
        return toolkit::WindowKind::Plain;
    }
    return toolkit::WindowKind::Plain;
}

toolkit::WindowData windowData(const Window& window, Window* owner, const std::string& icon) {
    const WindowDescription& description = window.description;
    toolkit::WindowData data;
    data.id = window.id;
    data.kind = window.frame ? toolkit::WindowKind::Child
                             : (window.kind == WindowKind::Child ? toolkit::WindowKind::Plain
                                                                 : toolkitWindowKind(window.kind));
    data.parent = window.frame ? window.frame->id : (isOpen(owner) ? owner->id : 0);
    data.title = window.title;
    data.rect = window.rect;
    data.defaultPosition =
        !description.centred && !isOpen(owner) && !description.x && !description.y && !window.frame;
    data.font = toolkitFont(description.font, description.font);
    data.icon = window.icon.empty() ? icon : window.icon;
    data.background = description.background;
    data.systemMenu = description.systemMenu;
    data.minimizeBox = description.minimizeBox;
    data.maximizeBox = description.maximizeBox;
    data.resizable = description.resizable;
    data.maximized = window.maximized;
    data.modal = description.modal;
    data.statusWidths = description.statusWidths;
    return data;
}

} // namespace

namespace detail {

Window* openFrameLocked(Model& m) {
    for (auto& [id, window] : m.windows)
        if (window->kind == WindowKind::Frame && window->state == WindowState::Open)
            return window;
    return nullptr;
}

void applyNaturalSize(Model& m, Control& control) {
    if (!control.naturalWidth && !control.naturalHeight)
        return;
    toolkit::Size natural =
        toolkitOf(m).naturalSize(toolkitKind(control.type), control.text, control.style.font);
    if (control.naturalWidth)
        control.rect.width = natural.width;
    if (control.naturalHeight)
        control.rect.height = natural.height;
}

bool makeActiveLocked(Model& m, Window& window) {
    Window* previous = m.activation.empty() ? nullptr : m.activation.back();
    if (previous == &window)
        return false;
    std::erase(m.activation, &window);
    m.activation.push_back(&window);
    if (isOpen(previous))
        postLocked(m, *previous, eventMessage(EVENT::LoseFocus, 0));
    toolkitOf(m).activateWindow(window.id);
    return true;
}

void activateLocked(Model& m, Window& window) {
    if (makeActiveLocked(m, window))
        postLocked(m, window, eventMessage(EVENT::GainFocus, 0));
}

void closeWindow(Lock& lock, Window& window) {
    if (window.state != WindowState::Open)
        return;
    updateFocusedEntry(lock, window);
    if (window.state != WindowState::Open)
        return;
    Model& m = model();
    window.state = WindowState::Closed;
    window.queue.clear();
    window.timer = 0;
    if (window.owner)
        std::erase(window.owner->windows, &window);
    if (Window* frame = window.frame) {
        std::erase(frame->children, &window);
        if (frame->owner && frame->owner->closingChild == &window)
            wakeThreadLocked(*frame->owner);
        window.frame = nullptr;
    }
    for (Window* child : window.children)
        child->frame = nullptr;
    window.children.clear();
    if (Window* over = window.modalOver) {
        if (--over->disabled == 0 && isOpen(over))
            toolkitOf(m).setWindowEnabled(over->id, true);
        window.modalOver = nullptr;
    }
    for (auto& [id, other] : m.windows)
        if (other->modalOver == &window)
            other->modalOver = nullptr;
    for (Box* box : m.boxes)
        if (box->over == &window)
            box->over = nullptr;
    bool wasActive = !m.activation.empty() && m.activation.back() == &window;
    std::erase(m.activation, &window);
    toolkitOf(m).closeWindow(window.id);
    if (wasActive && !m.activation.empty()) {
        Window* next = m.activation.back();
        postLocked(m, *next, eventMessage(EVENT::GainFocus, 0));
        toolkitOf(m).activateWindow(next->id);
    }
    stateChangedLocked(m);
}

} // namespace detail

void registerWindowDescription(const WindowDescription& description) {
    Model& m = model();
    std::lock_guard lock(m.mutex);
    m.descriptions[{description.module, description.label}] = description;
}

Window* DeclareWindow(const WindowDescription& description, WindowKind kind,
                      std::span<const UseVariable> uses) {
    Model& m = model();
    auto* window = new Window;
    window->kind = kind;
    window->description = description;
    window->title = description.title;
    window->icon = description.icon;
    window->maximized = description.maximized;
    window->status.resize(description.statusWidths.size());

    ControlBuilder builder(*window, m);
    builder.collectFixed(description.controls);
    builder.addControls(description.controls, 0);
    builder.addMenus(description.menuBar);

    std::size_t next = 0;
    for (auto& control : window->controls)
        if (showsVariable(control->type) && next < uses.size())
            control->use = uses[next++];

    std::lock_guard lock(m.mutex);
    for (auto& control : window->controls)
        applyNaturalSize(m, *control);
    window->id = m.nextWindowId++;
    m.windows[window->id] = window;
    return window;
}

Window* DeclareWindow(std::string_view module, std::string_view label, WindowKind kind,
                      std::span<const UseVariable> uses) {
    Model& m = model();
    WindowDescription description;
    {
        std::lock_guard lock(m.mutex);
        auto it = m.descriptions.find({std::string(module), std::string(label)});
        if (it == m.descriptions.end())
            return nullptr;
        description = it->second;
    }
    return DeclareWindow(description, kind, uses);
}

void OpenWindow(Window* window, Window* owner) {
    RuntimeThread* self = currentThread();
    if (!window || !self)
        return;
    Model& m = model();
    Lock lock(m.mutex);
    if (window->state != WindowState::Declared)
        return;
    toolkit::Toolkit& toolkit = toolkitOf(m);
    window->owner = self;
    window->state = WindowState::Open;
    window->openSequence = m.nextSequence++;

    if (window->kind == WindowKind::Child)
        if (Window* frame = openFrameLocked(m)) {
            window->frame = frame;
            frame->children.push_back(window);
        }
    placeLocked(m, *window, owner);
    window->restored = window->rect;
    if (window->maximized && window->frame)
        window->rect = {0, 0, window->frame->rect.width, window->frame->rect.height};

    if (window->description.modal)
        if (Window* over = currentWindowLocked(self)) {
            window->modalOver = over;
            if (over->disabled++ == 0)
                toolkit.setWindowEnabled(over->id, false);
        }
    self->windows.push_back(window);

    std::vector<toolkit::ControlData> allControls;
    allControls.reserve(window->controls.size());
    for (auto& control : window->controls)
        allControls.push_back(controlData(*control));
    toolkit.openWindow(windowData(*window, owner, m.programIcon), allControls);
    if (window->description.timer > 0)
        setTimerLocked(m, *window, window->description.timer);

    postLocked(m, *window, eventMessage(EVENT::OpenWindow, 0));
    activateLocked(m, *window);

    // The window shows its variables from the start.
    for (std::size_t i = 0; i < window->controls.size(); ++i)
        if (showsVariable(window->controls[i]->type))
            displayControl(lock, *window, *window->controls[i]);
}

void ReleaseWindow(Window* window) {
    if (!window)
        return;
    Model& m = model();
    Lock lock(m.mutex);
    if (window->state == WindowState::Open) {
        // Only the owner may close a window; a foreign thread's release is refused.
        if (window->owner != currentThread())
            return;
        closeWindow(lock, *window);
    }
    if (window->loops > 0) {
        window->releasePending = true;
        return;
    }
    m.windows.erase(window->id);
    lock.unlock();
    delete window;
}

std::uint32_t windowHandle(const Window* window) {
    return window ? window->id : 0;
}

} // namespace tamberlo
