#pragma once

#include "framework/ControllerEntries.h"
#include "framework/RecordForms.h"
#include "framework/Severity.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

namespace tamberlo {

class ErrorReporter;
class ToolbarDispatcher;
class Window;
class WINDOWCOMPONENT;

// Runs one window procedure: prepares itself, opens the window, hands every event of the
// window to overridable handlers, lets components and a toolbar take part, and tears down,
// giving back a response. Each window procedure derives its own class and replaces the
// operations it needs. A controller is created, used and disposed on its procedure's thread.
class WindowController {
public:
    WindowController();
    virtual ~WindowController();
    WindowController(const WindowController&) = delete;
    WindowController& operator=(const WindowController&) = delete;

    std::uint8_t AUTOREFRESH = 0;
    std::uint8_t AUTOTOOLBAR = 0;
    std::unique_ptr<ButtonQueue> BUTTONS;
    std::unique_ptr<ComponentQueue> CL;
    std::uint8_t CANCELACTION = 0;
    std::uint8_t CHANGEACTION = 0;
    std::uint8_t DEAD = 0;
    std::uint8_t DELETEACTION = 0;
    std::uint8_t BATCHPROCESSING = 0;
    ErrorReporter* ERRORS = nullptr;
    SavedFileQueue* FILES = nullptr;
    std::uint8_t FILESOPENED = 0;
    std::int32_t FIRSTFIELD = 0;
    std::uint8_t FORCEDRESET = 0;
    std::unique_ptr<FieldHistoryQueue> HISTORY;
    std::int32_t HISTORYKEY = 0;
    std::uint8_t INITED = 0; // bit 0: first opening done; bit 1: first EVENT:Sized seen
    std::uint8_t INSERTACTION = 0;
    std::array<char, 1024> LASTINSERTEDPOSITION;
    std::int32_t OKCONTROL = 0;
    std::int32_t SAVECONTROL = 0;
    std::uint8_t DISABLECANCELBUTTON = 0;
    std::uint8_t OPENED = 0;
    std::uint8_t ORIGINALREQUEST = 0;
    std::uint8_t RECORDSAVED = 0;
    std::uint8_t BEFORESAVEREQUEST = 0;
    RecordManager* PRIMARY = nullptr;
    std::uint8_t REQUEST = 0;
    std::uint8_t RESETONGAINFOCUS = 0;
    std::unique_ptr<WindowResizer> RESIZE;
    std::uint8_t RESPONSE = 0;
    std::uint16_t SAVED = 0;
    FormNavigator* FORMVCR = nullptr;
    ToolbarDispatcher* TOOLBAR = nullptr;
    Translator* TRANSLATOR = nullptr;
    std::int32_t* VCRREQUEST = nullptr;
    Window* MYWINDOW = nullptr;
    Window* OWNERWINDOW = nullptr;

    virtual void RunEventLoop();
    virtual Severity SetUp();
    virtual Severity TearDown();
    virtual void OnFirstOpen();
    virtual void AttachWindow(Window* window, Window* owner = nullptr);
    virtual void PrimeNewRecord();
    virtual Severity PrepareRecordRequest();
    virtual void Refresh(std::uint8_t force);
    virtual void RestoreFromHistory(std::int32_t control);
    virtual std::uint8_t Execute();
    virtual std::uint8_t CancelledResponse();
    virtual void InstallAlerts();
    virtual void CloseWithResponse(std::uint8_t response);
    virtual Severity OnAccepted();
    virtual Severity OnCompleted();
    virtual Severity OnCloseRequest();
    virtual Severity OnEvent();
    virtual Severity OnFieldEvent();
    virtual Severity OnNewSelection();
    virtual Severity OnNotify(std::int32_t code, std::int32_t thread, std::int32_t parameter);
    virtual Severity OnRejected();
    virtual Severity OnSelected();
    virtual Severity OnWindowEvent();
    virtual void UpdateComponents();
    virtual void EnableControl(std::int32_t control, std::uint8_t enable);
    virtual Severity CompleteInsert();
    virtual Severity CompleteChange();
    virtual Severity CompleteDelete();
    virtual Severity SaveChange();
    virtual Severity SaveInsert();

    void AddComponent(WINDOWCOMPONENT& component);
    void AttachToolbar(ToolbarDispatcher* toolbar);
    void RequestCompletion();
    void EnableCancelButtons();
    void DisableCancelButtons();

protected:
    // The steps every window procedure's SetUp starts with: registers the procedure's name,
    // takes the thread's PendingRequest into REQUEST, runs the base SetUp (returning its result
    // when it fails), sets FIRSTFIELD to 1, VCRREQUEST, ERRORS, attaches the toolbar, and
    // clears the thread's PendingRequest and LastResponse.
    Severity SetUpProcedure(std::string_view procedureName, ToolbarDispatcher* toolbar);
    // Every window procedure's TearDown: the base TearDown, then, when that did its work, the
    // thread's newest procedure name is withdrawn.
    Severity TearDownProcedure();
};

// A procedure's controller: the controller's fields, then the reference to the procedure's own
// data through which its handlers reach the procedure's variables.
template <class Locals>
class ProcedureController : public WindowController {
public:
    explicit ProcedureController(Locals* locals) : ProcedureLocals(locals) {}

protected:
    Locals* ProcedureLocals;
};

} // namespace tamberlo
