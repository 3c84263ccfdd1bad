#pragma once

// Internal to the window runtime: the model every runtime function works on. One lock guards
// all of it (windows, controls, queues, thread states); a window's structure is changed only
// by the thread that owns it, while the lock is held. Procedure code, entry readers and the
// formatting of variables run with the lock released.

#include "platform/toolkit/InputSink.h"
#include "platform/toolkit/Toolkit.h"
#include "runtime/UseVariable.h"
#include "runtime/window/EntryReader.h"
#include "runtime/window/PropertyValue.h"
#include "runtime/window/Threads.h"
#include "runtime/window/WindowDescription.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <pthread.h>
#include <string>
#include <utility>
#include <vector>

namespace tamberlo {

class Window;

namespace detail {

using Lock = std::unique_lock<std::mutex>;

struct Notification {
    std::int32_t code = 0;
    std::int32_t thread = 0;
    std::int32_t parameter = 0;
};

enum class InputKind : std::uint8_t { Type, Focus, Press, Menu, Mouse, Key, Resize };

// One entry of a window's queue: an event for the procedure, or a user action that the owning
// thread carries out (and that may give rise to events).
struct Message {
    bool input = false;
    int code = 0; // event code
    int control = 0;
    Notification notification;
    std::uint64_t shutdownToken = 0; // an EVENT:CloseDown the frame waits on
    InputKind inputKind = InputKind::Focus;
    std::string text;
    toolkit::MouseAction mouse = toolkit::MouseAction::Move;
    toolkit::Key key = toolkit::Key::Tab;
    int x = 0;
    int y = 0;
};

struct EntryState {
    std::unique_ptr<EntryReader> reader;
    bool modified = false;
    bool readFlag = true;
    int rejectCode = 0;
};

struct Control {
    int number = 0;
    ControlType type = ControlType::Prompt;
    int parent = 0;
    std::string label;
    std::string text;  // the Text property: caption, or the picture of a value control
    std::string shown; // what the control shows now
    std::string value; // a radio button's value
    UseVariable use;
    toolkit::Rect rect;
    bool naturalWidth = false;
    bool naturalHeight = false;
    bool hidden = false;
    bool disabled = false;
    bool checked = false;
    toolkit::ControlStyle style;
    int standardAction = 0;
    std::int64_t useProperty = 0;
    std::map<int, std::int64_t> alerts;
    std::map<std::pair<int, int>, PropertyValue> other; // properties the runtime only keeps
    EntryState entry;
    bool mouseInside = false;
    bool mouseMoved = false;
    int mouseX = 0;
    int mouseY = 0;
};

struct RuntimeThread;

enum class WindowState : std::uint8_t { Declared, Open, Closed };

} // namespace detail

class Window {
public:
    std::uint32_t id = 0;
    WindowKind kind = WindowKind::Plain;
    WindowDescription description;
    detail::WindowState state = detail::WindowState::Declared;
    detail::RuntimeThread* owner = nullptr;
    std::string title;
    toolkit::Rect rect;
    toolkit::Rect restored; // the place a maximised child window returns to
    bool maximized = false;
    std::string icon;
    // Controls in their order (description order; created ones where they were placed).
    std::vector<std::unique_ptr<detail::Control>> controls;
    std::vector<std::string> status;
    int focus = 0;
    bool acceptAll = false;
    std::size_t acceptNext = 0;
    std::deque<detail::Message> queue;
    std::int64_t timer = 0;        // hundredths; 0 = none
    std::int64_t timerDue = 0;     // on the steady clock
    Window* frame = nullptr;       // the frame a child window lies in
    std::vector<Window*> children; // of the frame, in the order they opened
    Window* modalOver = nullptr;   // the window a modal window disabled
    std::uint64_t openSequence = 0;
    int disabled = 0;            // modal windows and boxes over it
    int loops = 0;               // event loops running on it
    bool releasePending = false; // released while a loop still runs on it
    std::map<std::pair<int, int>, PropertyValue> other;
};

namespace detail {

enum class ThreadState : std::uint8_t {
    Starting,
    WaitingGo,
    Running,
    WaitingEvent,
    WaitingModal,
    WaitingChild,
    Ended,
};

struct Box {
    toolkit::BoxData data;
    RuntimeThread* thread = nullptr;
    Window* over = nullptr;
    bool answered = false;
    std::int32_t answer = 0;
    std::condition_variable wake;
};

struct RuntimeThread {
    std::int32_t number = 0;
    pthread_t handle{};
    bool adopted = false;
    std::size_t stackSize = 0;
    ThreadState state = ThreadState::Starting;
    bool go = false;
    std::vector<RuntimeThread*> awaitingGo; // started here, waiting for this thread's go
    std::condition_variable wake;
    std::vector<Window*> windows; // open windows, in the order they opened
    Window* loopWindow = nullptr; // the window whose event the thread waits for
    int keyCode = 0;
    Procedure procedure;
    Box* box = nullptr;             // the box it waits on
    Window* closingFrame = nullptr; // the frame whose shutdown it runs
    Window* closingChild = nullptr; // the child it waits on meanwhile
    bool childRefused = false;
};

class Model {
public:
    std::mutex mutex;
    std::condition_variable changed;          // a thread began to wait or ended
    std::vector<RuntimeThread*> slots;        // slot n-1 holds thread n
    std::vector<RuntimeThread*> ended;        // waiting to be joined
    int starting = 0;                         // threads being created
    std::map<std::uint32_t, Window*> windows; // declared and open windows
    std::uint32_t nextWindowId = 1;
    std::uint64_t nextSequence = 1;
    std::vector<Window*> activation; // open windows, the active one last
    std::vector<Box*> boxes;
    std::uint32_t nextBoxId = 1;
    std::map<std::pair<std::string, std::string>, WindowDescription> descriptions;
    std::vector<std::pair<void (*)(), void (*)()>> threadHooks;
    std::string programIcon;
    std::map<std::pair<int, int>, PropertyValue> systemProperties;
    EntryReaderFactory entryReaders = nullptr;
    toolkit::Toolkit* toolkit = nullptr;
};

// The one model of the process. It is never destroyed: threads of plain windows may still wait
// on it while the process ends.
Model& model();
toolkit::Toolkit& toolkitOf(Model& m);
RuntimeThread* currentThread();
void setCurrentThread(RuntimeThread* thread);
toolkit::ControlKind toolkitKind(ControlType type);

// --- Lookups (lock held) ------------------------------------------------------------------
Window* currentWindowLocked(RuntimeThread* thread);
Control* findControl(Window& window, int number);
std::size_t controlIndex(const Window& window, int number);
bool effectivelyShown(Window& window, const Control& control);
// Shown and enabled, itself and inside its parents: the user can act on it.
bool usable(Window& window, const Control& control);
bool canTakeFocus(Window& window, const Control& control);
bool isOpen(const Window* window);
// The open frame window; nullptr when there is none.
Window* openFrameLocked(Model& m);
toolkit::ControlData controlData(const Control& control);

// --- Queues and waking (lock held) --------------------------------------------------------
void postLocked(Model& m, Window& window, Message message, bool first = false);
Message eventMessage(int code, int control);
void wakeThreadLocked(RuntimeThread& thread);
// Tells quiescence watchers that a thread began to wait or ended.
void stateChangedLocked(Model& m);

// --- Windows ------------------------------------------------------------------------------
// Closes an open window: reads the focused entry first (without EVENT:Accepted), then removes
// the window from the screen, its frame, the activation order and its thread. Owner thread.
void closeWindow(Lock& lock, Window& window);
// Makes the window the active one: the previously active window gets EVENT:LoseFocus. False
// when it was active already; the caller then queues no EVENT:GainFocus.
bool makeActiveLocked(Model& m, Window& window);
// makeActiveLocked, then EVENT:GainFocus for the window.
void activateLocked(Model& m, Window& window);
// Sizes a control whose description leaves its width or height to the toolkit.
void applyNaturalSize(Model& m, Control& control);

// --- Focus, display and entries (owner thread; may release the lock meanwhile) ------------
// Moves the focus; the entry that loses it is read (EVENT:Accepted goes to `generated`), the
// control that gains it gets EVENT:Selected.
void moveFocus(Lock& lock, Window& window, int to, std::vector<Message>& generated);
int focusableFrom(Window& window, std::size_t from);
// Brings the focused entry's variable up to date without an event; false when it was refused.
bool updateFocusedEntry(Lock& lock, Window& window);
enum class ReadOutcome : std::uint8_t { Unneeded, Read, Refused };
// Reads an entry whose text was modified or not yet read.
ReadOutcome readEntry(Lock& lock, Window& window, Control& control);
// Shows the variable of a value control again (for an entry: replaces its text).
void displayControl(Lock& lock, Window& window, Control& control);
// Each changes the control's state and tells the toolkit, only when the state differs.
void setShownLocked(Model& m, Window& window, Control& control, std::string text);
void setHiddenLocked(Model& m, Window& window, Control& control, bool hidden);
void setDisabledLocked(Model& m, Window& window, Control& control, bool disabled);
void setCheckedLocked(Model& m, Window& window, Control& control, bool checked);
std::unique_ptr<EntryReader> makeEntryReader(Model& m);

// --- Timers ---------------------------------------------------------------------------------
void setTimerLocked(Model& m, Window& window, std::int64_t hundredths);
// Queues EVENT:Timer for every timer that fell due (one at a time per window).
void fireDueTimersLocked(Model& m);
// The earliest moment one of the thread's timers falls due; -1 when it has none.
std::int64_t nextTimerDueLocked(const RuntimeThread& thread);
// The same over every window of the process.
std::int64_t nextTimerDueLocked(const Model& m);
void installClockObserver();

// --- Threads --------------------------------------------------------------------------------
void giveGoLocked(RuntimeThread& thread);
bool systemModalLocked(const Model& m);
// Joins and frees threads that have ended.
void reapEndedThreads();
// True while the thread waits and nothing it waits for has arrived.
bool idleLocked(const RuntimeThread& thread);

// --- Input (owner thread) -------------------------------------------------------------------
void carryOutInput(Lock& lock, Window& window, const Message& input,
                   std::vector<Message>& generated);

} // namespace detail
} // namespace tamberlo
