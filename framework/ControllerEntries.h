#pragma once

#include <cstdint>
#include <deque>

namespace tamberlo {

class WINDOWCOMPONENT;

// A control that closes the window with a response.
struct ButtonEntry {
    std::int32_t control = 0;
    std::uint8_t action = 0; // the response; 2 marks a cancel button
};

inline constexpr std::int32_t ordinaryComponent = 0;
inline constexpr std::int32_t recordBrowsingComponent = 1;

struct ComponentEntry {
    std::int32_t kind = ordinaryComponent;
    WINDOWCOMPONENT* component = nullptr;
};

using ButtonQueue = std::deque<ButtonEntry>;
using ComponentQueue = std::deque<ComponentEntry>;

} // namespace tamberlo
