#pragma once

// Property numbers. Properties are read and set on a control, on a window (control number 0)
// or on the whole program (SystemTarget); some take an index.

namespace tamberlo {

// The target that stands for the whole program.
inline constexpr int SystemTarget = -32768;

namespace PROP {

inline constexpr int Use = 31248;
inline constexpr int Text =
    31744; // caption; an entry's or variable string's picture; a window's title
inline constexpr int Type = 31745;
inline constexpr int Xpos = 31746;
inline constexpr int Ypos = 31747;
inline constexpr int Width = 31748;
inline constexpr int Height = 31749;
inline constexpr int FontColor = 31762;
inline constexpr int Cursor = 31837;
inline constexpr int Hide = 31845;
inline constexpr int Icon = 31848;
inline constexpr int Imm = 31850;
inline constexpr int Maximize = 31855;
inline constexpr int Timer = 31878;
inline constexpr int Handle = 31894;
inline constexpr int AcceptAll = 31898;
inline constexpr int StatusText = 32001; // index = status-bar section, from 1
inline constexpr int Alrt = 32006;       // index = alert slot, value = key code
// Not among the standard numbers: the reading of an entry's text (0 read, 4 refused), the
// state of a control and of a window.
inline constexpr int RejectCode = 32100;
inline constexpr int Disable = 32101;
inline constexpr int Std = 32102; // the standard action of a control or menu item

} // namespace PROP
} // namespace tamberlo
