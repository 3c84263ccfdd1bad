#pragma once

// Operations on the controls of the calling thread's current window (the most recently opened
// window of the thread that is still open). Where there is no such window they do nothing.

namespace tamberlo {

// Gives the control the focus; a control that cannot take it (a prompt, a hidden or disabled
// control) passes it to the next one in control order that can. 0 puts the window into
// accept-all mode: every control that holds a value is accepted in turn, then EVENT:Completed
// is posted.
void SelectControl(int control);

// Shows the current values of the variables behind the control (0 = all controls).
void Redisplay(int control = 0);

// Act on `first`, or on every control numbered from `first` to `last` when `last` is given.
void HideControls(int first, int last = 0);
void ShowControls(int first, int last = 0);
void EnableControls(int first, int last = 0);
void DisableControls(int first, int last = 0);

// Creates a control at run time, hidden, in the current window; `parent` 0 = the window itself,
// `position` -1 = after the parent's other controls. Returns `number`, or 0 when the number is
// already in use or lies outside -16384..16384 (or is 0).
int CreateControl(int number, int type, int parent = 0, int position = -1);

// The operating system's simple beep.
void Beep();

} // namespace tamberlo
