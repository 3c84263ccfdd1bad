#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The plain terms in which the window runtime tells a toolkit what to show. Positions and sizes
// are in dialog units of the window's font; the toolkit turns them into pixels.

namespace tamberlo::toolkit {

// The runtime's number for an open window; also what the runtime reports as its handle.
using WindowId = std::uint32_t;

enum class WindowKind : std::uint8_t {
    Frame, // the application frame: menu bar, status bar, an area for child windows
    Child, // opens inside the frame's area
    Plain, // a top-level window of its own
};

enum class ControlKind : std::uint8_t {
    VariableString, // a string that shows a variable (its text is the shown value)
    String,
    Image,
    Region, // invisible; only reports the mouse
    Entry,
    Button,
    Prompt,
    Option, // a box around radio buttons
    Check,
    Group,
    Radio,
    Sheet,
    Tab,
    List,
    MenuBar,
    Menu,
    MenuItem,
};

enum class Justification : std::uint8_t { Left, Right, Centre, Decimal };

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct Font {
    std::string face;
    int points = 0; // 0 = the window's or the desktop's default
    int weight = 400;
    bool italic = false;
    bool underline = false;
    std::int32_t color = -1; // RGB; -1 = default

    friend bool operator==(const Font&, const Font&) = default;
};

// How a control looks and behaves beyond its text, place and state.
struct ControlStyle {
    Font font;
    Justification justification = Justification::Left;
    int offset = 0;
    bool boxed = false;
    bool readOnly = false;
    bool defaultButton = false;
    bool mouseEvents = false;  // reports press, release, enter, leave and moves
    std::string cursor;        // empty = the default pointer; "~name" = stored in the program
    std::string statusMessage; // shown while a menu item is highlighted

    friend bool operator==(const ControlStyle&, const ControlStyle&) = default;
};

struct ControlData {
    int number = 0; // the runtime's control number; menus are negative
    ControlKind kind = ControlKind::Prompt;
    int parent = 0; // the option, group, menu bar or menu it lies in; 0 = the window
    std::string label;
    std::string text;
    Rect rect;
    bool hidden = false;
    bool disabled = false;
    bool checked = false;
    ControlStyle style;
};

struct WindowData {
    WindowId id = 0;
    WindowKind kind = WindowKind::Plain;
    WindowId parent = 0; // the frame of a child window, the owner of another window; 0 = none
    std::string title;
    Rect rect;                    // placed by the runtime
    bool defaultPosition = false; // the toolkit chooses where the window goes
    Font font;
    std::string icon;
    std::int32_t background = -1;
    bool systemMenu = false;
    bool minimizeBox = false;
    bool maximizeBox = false;
    bool resizable = false;
    bool maximized = false;
    bool modal = false;
    std::vector<int> statusWidths; // negative = stretches, its absolute value is its minimum
};

// A modal message box: its texts as they are shown, its buttons left to right.
struct BoxButton {
    std::int32_t id = 0; // what answering with this button returns
    std::string label;
};

struct BoxData {
    std::uint32_t id = 0; // the runtime's number for this box
    std::string caption;
    std::string text;
    std::string icon; // the icon designator; empty = none
    std::vector<BoxButton> buttons;
    std::int32_t defaultButton = 0; // the id of the default button; 0 = none
    bool systemModal = false;
    bool selectableText = false; // the text in a read-only, selectable field
};

} // namespace tamberlo::toolkit
