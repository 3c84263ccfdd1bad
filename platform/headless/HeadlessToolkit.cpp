#include "platform/headless/HeadlessToolkit.h"

#include <algorithm>

namespace tamberlo::headless {

using namespace toolkit;

void HeadlessToolkit::setInputSink(InputSink* sink) {
    std::lock_guard lock(m_mutex);
    m_sink = sink;
}

void HeadlessToolkit::openWindow(const WindowData& window,
                                 const std::vector<ControlData>& controls) {
    std::lock_guard lock(m_mutex);
    WindowRecord record;
    record.data = window;
    for (const ControlData& control : controls)
        record.controls[control.number] = control;
    m_windows[window.id] = std::move(record);
    std::erase(m_openOrder, window.id);
    m_openOrder.push_back(window.id);
}

void HeadlessToolkit::closeWindow(WindowId window) {
    std::lock_guard lock(m_mutex);
    m_windows.erase(window);
    std::erase(m_openOrder, window);
    if (m_active == window)
        m_active = 0;
}

void HeadlessToolkit::setWindowTitle(WindowId window, std::string_view title) {
    std::lock_guard lock(m_mutex);
    if (auto it = m_windows.find(window); it != m_windows.end())
        it->second.data.title = title;
}

void HeadlessToolkit::setWindowRect(WindowId window, const Rect& rect) {
    std::lock_guard lock(m_mutex);
    if (auto it = m_windows.find(window); it != m_windows.end())
        it->second.data.rect = rect;
}

void HeadlessToolkit::setWindowMaximized(WindowId window, bool maximized) {
    std::lock_guard lock(m_mutex);
    if (auto it = m_windows.find(window); it != m_windows.end())
        it->second.data.maximized = maximized;
}

void HeadlessToolkit::setWindowEnabled(WindowId window, bool enabled) {
    std::lock_guard lock(m_mutex);
    if (auto it = m_windows.find(window); it != m_windows.end())
        it->second.enabled = enabled;
}

void HeadlessToolkit::setWindowIcon(WindowId window, std::string_view icon) {
    std::lock_guard lock(m_mutex);
    if (auto it = m_windows.find(window); it != m_windows.end())
        it->second.data.icon = icon;
}

void HeadlessToolkit::setProgramIcon(std::string_view icon) {
    std::lock_guard lock(m_mutex);
    m_programIcon = icon;
}

void HeadlessToolkit::activateWindow(WindowId window) {
    std::lock_guard lock(m_mutex);
    if (m_windows.count(window))
        m_active = window;
}

void HeadlessToolkit::setStatusText(WindowId window, int section, std::string_view text) {
    std::lock_guard lock(m_mutex);
    if (auto it = m_windows.find(window); it != m_windows.end())
        it->second.status[section] = text;
}

ControlData* HeadlessToolkit::findLocked(WindowId window, int control) {
    auto it = m_windows.find(window);
    if (it == m_windows.end())
        return nullptr;
    auto found = it->second.controls.find(control);
    return found == it->second.controls.end() ? nullptr : &found->second;
}

const ControlData* HeadlessToolkit::findLocked(WindowId window, int control) const {
    return const_cast<HeadlessToolkit*>(this)->findLocked(window, control);
}

void HeadlessToolkit::addControl(WindowId window, const ControlData& control) {
    std::lock_guard lock(m_mutex);
    if (auto it = m_windows.find(window); it != m_windows.end())
        it->second.controls[control.number] = control;
}

void HeadlessToolkit::setControlText(WindowId window, int control, std::string_view text) {
    std::lock_guard lock(m_mutex);
    if (ControlData* data = findLocked(window, control))
        data->text = text;
}

void HeadlessToolkit::setControlHidden(WindowId window, int control, bool hidden) {
    std::lock_guard lock(m_mutex);
    if (ControlData* data = findLocked(window, control))
        data->hidden = hidden;
}

void HeadlessToolkit::setControlDisabled(WindowId window, int control, bool disabled) {
    std::lock_guard lock(m_mutex);
    if (ControlData* data = findLocked(window, control))
        data->disabled = disabled;
}

void HeadlessToolkit::setControlChecked(WindowId window, int control, bool checked) {
    std::lock_guard lock(m_mutex);
    if (ControlData* data = findLocked(window, control))
        data->checked = checked;
}

void HeadlessToolkit::setControlRect(WindowId window, int control, const Rect& rect) {
    std::lock_guard lock(m_mutex);
    if (ControlData* data = findLocked(window, control))
        data->rect = rect;
}

void HeadlessToolkit::setControlStyle(WindowId window, int control, const ControlStyle& style) {
    std::lock_guard lock(m_mutex);
    if (ControlData* data = findLocked(window, control))
        data->style = style;
}

void HeadlessToolkit::setFocus(WindowId window, int control) {
    std::lock_guard lock(m_mutex);
    if (auto it = m_windows.find(window); it != m_windows.end())
        it->second.focus = control;
}

void HeadlessToolkit::showBox(const BoxData& box) {
    std::lock_guard lock(m_mutex);
    m_boxes.push_back(box);
}

void HeadlessToolkit::closeBox(std::uint32_t box) {
    std::lock_guard lock(m_mutex);
    std::erase_if(m_boxes, [box](const BoxData& shown) { return shown.id == box; });
}

void HeadlessToolkit::beep() {
    std::lock_guard lock(m_mutex);
    ++m_beeps;
}

void HeadlessToolkit::quit() {
    std::lock_guard lock(m_mutex);
    m_quit = true;
}

Size HeadlessToolkit::naturalSize(ControlKind kind, std::string_view text, const Font& font) {
    // Mnemonic markers take no room.
    int characters = static_cast<int>(text.size() - std::count(text.begin(), text.end(), '&'));
    int scale = font.points > 8 ? font.points : 8;
    int width = characters * 4 * scale / 8;
    int height = 8 * scale / 8;
    switch (kind) {
    case ControlKind::Button:
        return {width + 8, height + 6};
    case ControlKind::Radio:
    case ControlKind::Check:
        return {width + 12, height + 2};
    case ControlKind::Entry:
        return {width + 4, height + 4};
    default:
        return {width, height};
    }
}

Rect HeadlessToolkit::workArea() {
    return {0, 0, 640, 400};
}

Size HeadlessToolkit::cascadeOffset() {
    return {8, 12};
}

InputSink* HeadlessToolkit::inputSink() const {
    std::lock_guard lock(m_mutex);
    return m_sink;
}

std::vector<WindowId> HeadlessToolkit::windows() const {
    std::lock_guard lock(m_mutex);
    return m_openOrder;
}

std::optional<WindowData> HeadlessToolkit::window(WindowId window) const {
    std::lock_guard lock(m_mutex);
    if (auto it = m_windows.find(window); it != m_windows.end())
        return it->second.data;
    return std::nullopt;
}

bool HeadlessToolkit::windowEnabled(WindowId window) const {
    std::lock_guard lock(m_mutex);
    auto it = m_windows.find(window);
    return it != m_windows.end() && it->second.enabled;
}

WindowId HeadlessToolkit::activeWindow() const {
    std::lock_guard lock(m_mutex);
    return m_active;
}

std::string HeadlessToolkit::statusText(WindowId window, int section) const {
    std::lock_guard lock(m_mutex);
    auto it = m_windows.find(window);
    if (it == m_windows.end())
        return {};
    auto found = it->second.status.find(section);
    return found == it->second.status.end() ? std::string() : found->second;
}

std::string HeadlessToolkit::programIcon() const {
    std::lock_guard lock(m_mutex);
    return m_programIcon;
}

std::string HeadlessToolkit::text(WindowId window, int control) const {
    std::lock_guard lock(m_mutex);
    const ControlData* data = findLocked(window, control);
    return data ? data->text : std::string();
}

bool HeadlessToolkit::visible(WindowId window, int control) const {
    std::lock_guard lock(m_mutex);
    const ControlData* data = findLocked(window, control);
    // Parents come before their children, so the walk up cannot loop for long; the bound
    // guards against a record that names itself.
    for (int depth = 0; data && depth < 64; ++depth) {
        if (data->hidden)
            return false;
        if (data->parent == 0 || data->parent == data->number)
            return true;
        data = findLocked(window, data->parent);
    }
    return false;
}

bool HeadlessToolkit::enabled(WindowId window, int control) const {
    std::lock_guard lock(m_mutex);
    const ControlData* data = findLocked(window, control);
    return data && !data->disabled;
}

bool HeadlessToolkit::checked(WindowId window, int control) const {
    std::lock_guard lock(m_mutex);
    const ControlData* data = findLocked(window, control);
    return data && data->checked;
}

std::optional<ControlData> HeadlessToolkit::control(WindowId window, int control) const {
    std::lock_guard lock(m_mutex);
    if (const ControlData* data = findLocked(window, control))
        return *data;
    return std::nullopt;
}

int HeadlessToolkit::focus(WindowId window) const {
    std::lock_guard lock(m_mutex);
    auto it = m_windows.find(window);
    return it == m_windows.end() ? 0 : it->second.focus;
}

std::optional<BoxData> HeadlessToolkit::box() const {
    std::lock_guard lock(m_mutex);
    if (m_boxes.empty())
        return std::nullopt;
    return m_boxes.back();
}

int HeadlessToolkit::beeps() const {
    std::lock_guard lock(m_mutex);
    return m_beeps;
}

bool HeadlessToolkit::quitRequested() const {
    std::lock_guard lock(m_mutex);
    return m_quit;
}

} // namespace tamberlo::headless
