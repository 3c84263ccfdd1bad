#pragma once

// Event codes. An event carries its code and the number of the control it concerns (0 for an
// event of the window itself) and is delivered on the thread that owns the window.

namespace tamberlo::EVENT {

inline constexpr int Accepted = 1;
inline constexpr int NewSelection = 2;
inline constexpr int ScrollUp = 3;
inline constexpr int ScrollDown = 4;
inline constexpr int PageUp = 5;
inline constexpr int PageDown = 6;
inline constexpr int ScrollTop = 7;
inline constexpr int ScrollBottom = 8;
inline constexpr int Locate = 9;
inline constexpr int MouseUp = 10;
inline constexpr int MouseIn = 11;
inline constexpr int MouseOut = 12;
inline constexpr int MouseMove = 13;
inline constexpr int VBXevent = 14;
inline constexpr int AlertKey = 15;
inline constexpr int PreAlert = 16;
inline constexpr int Dragging = 17;
inline constexpr int Drag = 18;
inline constexpr int Drop = 19;
inline constexpr int ScrollDrag = 20;
inline constexpr int TabChanging = 21;
inline constexpr int Expanding = 22;
inline constexpr int Contracting = 23;
inline constexpr int Expanded = 24;
inline constexpr int Contracted = 25;
inline constexpr int Rejected = 26;
inline constexpr int DroppingDown = 27;
inline constexpr int DroppedDown = 28;
inline constexpr int ScrollTrack = 29;
inline constexpr int ColumnResize = 30;
inline constexpr int Selected = 257;
inline constexpr int Selecting = 258;
inline constexpr int CloseWindow = 513;
inline constexpr int CloseDown = 514;
inline constexpr int OpenWindow = 515;
inline constexpr int OpenFailed = 516;
inline constexpr int LoseFocus = 517;
inline constexpr int GainFocus = 518;
inline constexpr int Suspend = 520;
inline constexpr int Resume = 521;
inline constexpr int Notify = 522;
inline constexpr int Timer = 523;
inline constexpr int DDErequest = 524;
inline constexpr int DDEadvise = 525;
inline constexpr int DDEdata = 526;
inline constexpr int DDEexecute = 527;
inline constexpr int DDEpoke = 528;
inline constexpr int DDEclosed = 529;
inline constexpr int Move = 544;
inline constexpr int Size = 545;
inline constexpr int Restore = 546;
inline constexpr int Maximize = 547;
inline constexpr int Iconize = 548;
inline constexpr int Completed = 549;
inline constexpr int Moved = 560;
inline constexpr int Sized = 561;
inline constexpr int Restored = 562;
inline constexpr int Maximized = 563;
inline constexpr int Iconized = 564;
inline constexpr int Docked = 565;
inline constexpr int UnDocked = 566;
inline constexpr int BuildFile = 576;
inline constexpr int BuildKey = 577;
inline constexpr int BuildDone = 578;
// Posted by the window controller on EVENT:Sized for window resizers.
inline constexpr int ForResizers = 1023;

} // namespace tamberlo::EVENT
