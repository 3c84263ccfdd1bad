#pragma once

#include "runtime/window/ControlType.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Window descriptions as data. A procedure declares its window from one of these; the runtime
// numbers the controls 1, 2, 3 ... in description order, an option's or group's children right
// after it, and the menu bar and its menus and items -1, -2, ... in the order of the menu tree.

namespace tamberlo {

enum class WindowKind : std::uint8_t { Frame, Child, Plain };

enum class Justification : std::uint8_t { Left, Right, Centre, Decimal };

struct FontDescription {
    std::string face; // empty = the window's font
    int points = 0;   // 0 = the window's size
    int weight = 400;
    bool italic = false;
    bool underline = false;
    std::int32_t color = -1; // RGB; -1 = default
};

inline constexpr int naturalSize = -1; // a width or height the toolkit chooses

struct ControlDescription {
    ControlType type = ControlType::Prompt;
    std::string label; // "?NAME", how tools find the control
    // The caption of a prompt, string, button, option, group, radio button or check box; the
    // picture of an entry or of a string that shows a variable; an image's file name.
    std::string text;
    std::string value; // a radio button's value: what choosing it assigns to the option's variable
    int x = 0;
    int y = 0;
    int width = naturalSize;
    int height = naturalSize;
    int number = 0; // a fixed control number; 0 = numbered by position
    bool hidden = false;
    bool disabled = false;
    bool readOnly = false;
    bool boxed = false;
    bool defaultButton = false;
    bool imm = false; // reports mouse events
    Justification justification = Justification::Left;
    int offset = 0;
    std::optional<FontDescription> font;
    std::string cursor;
    int standardAction = 0;
    std::vector<ControlDescription> children; // of an option or group
};

struct MenuDescription {
    std::string text;
    std::string label;
    std::string message; // shown while the item is highlighted
    int standardAction = 0;
    std::vector<MenuDescription> items; // empty for an item
};

// Standard actions of controls and menu items.
inline constexpr int closeFrameAction = 15; // closes the application frame

struct WindowDescription {
    std::string module; // with `label`, the name the description is registered under
    std::string label;
    std::string title;
    int width = 0;
    int height = 0;
    std::optional<int> x;
    std::optional<int> y;
    bool centred = false;
    FontDescription font;
    std::string icon;
    std::int32_t background = -1;
    bool systemMenu = false; // also the window's close command
    bool minimizeBox = false;
    bool maximizeBox = false;
    bool resizable = false;
    bool maximized = false;
    bool modal = false;                   // disables the window it opens over until it closes
    int timer = 0;                        // hundredths of a second; 0 = none
    std::vector<MenuDescription> menuBar; // the menus of the menu bar
    std::vector<int> statusWidths;        // status-bar sections; negative widths stretch
    std::vector<ControlDescription> controls;
};

} // namespace tamberlo
