#pragma once

#include <cstdint>

namespace tamberlo {

// Control types, as the property Type reports them.
enum class ControlType : std::int32_t {
    VariableString = 1, // a string that shows a variable through a picture
    String = 2,
    Image = 3,
    Region = 4,
    Entry = 8,
    Button = 9,
    Prompt = 10,
    Option = 11,
    Check = 12,
    Group = 13,
    List = 14,
    Radio = 21,
    Sheet = 37,
    Tab = 38,
    MenuBar = 40,
    Menu = 41,
    MenuItem = 42,
};

// Controls that show a variable, and so take the next use variable when a window is declared.
constexpr bool showsVariable(ControlType type) {
    return type == ControlType::VariableString || type == ControlType::Entry ||
           type == ControlType::Option || type == ControlType::Check || type == ControlType::List;
}

// Controls that can hold the focus (when shown and enabled).
constexpr bool takesFocus(ControlType type) {
    return type == ControlType::Entry || type == ControlType::Button ||
           type == ControlType::Check || type == ControlType::Radio || type == ControlType::List ||
           type == ControlType::Sheet;
}

} // namespace tamberlo
