#include "framework/WindowController.h"

#include "framework/ControllerGlobals.h"
#include "framework/ProcedureNames.h"
#include "framework/ToolbarDispatcher.h"
#include "framework/WindowComponent.h"
#include "runtime/window/Controls.h"
#include "runtime/window/EventLoop.h"
#include "runtime/window/Events.h"
#include "runtime/window/Properties.h"
#include "runtime/window/VariableDisplay.h"
#include "runtime/window/Window.h"

namespace tamberlo {

namespace {

// The accepted control number that restores the focused field from its history.
constexpr std::int32_t restoreFromHistoryControl = 3012;

// Record requests.
constexpr std::uint8_t insertRecord = 1;
constexpr std::uint8_t changeRecord = 2;
constexpr std::uint8_t deleteRecord = 3;
constexpr std::uint8_t viewRecord = 6;
constexpr std::uint8_t saveAndContinue = 7;

// Calls `action` on each component in list order until it returns true; true when one did.
// Indexes rather than iterators: a component may add another to the list while it is called.
template <typename Action>
bool anyComponent(ComponentQueue* list, Action action) {
    if (list)
        for (std::size_t i = 0; i < list->size(); ++i)
            if (WINDOWCOMPONENT* component = (*list)[i].component; component && action(*component))
                return true;
    return false;
}

template <typename Action>
void forEachComponent(ComponentQueue* list, Action action) {
    anyComponent(list, [&](WINDOWCOMPONENT& component) {
        action(component);
        return false;
    });
}

LoopAnswer answerFor(Severity result) {
    if (result == SeverityStop)
        return LoopAnswer::Leave;
    if (result == SeverityNotice)
        return LoopAnswer::SkipDefault;
    return LoopAnswer::CarryOn;
}

// The record operation of a completed form; when it succeeds the form closes as completed.
Severity completeRecord(WindowController& controller, Severity (RecordManager::*operation)()) {
    if (!controller.PRIMARY)
        return SeverityNone;
    Severity result = (controller.PRIMARY->*operation)();
    if (result == SeverityNone)
        controller.CloseWithResponse(ResponseCompleted);
    return result;
}

bool blank(const std::array<char, 1024>& text) {
    for (char c : text)
        if (c != ' ' && c != '\0')
            return false;
    return true;
}

} // namespace

WindowController::WindowController() {
    LASTINSERTEDPOSITION.fill(' ');
}

WindowController::~WindowController() = default;

void WindowController::RunEventLoop() {
    if (DEAD)
        return;
    LASTINSERTEDPOSITION.fill(' ');
    EventLoop(MYWINDOW, [this] { return answerFor(OnEvent()); });
}

Severity WindowController::SetUp() {
    ORIGINALREQUEST = REQUEST;
    CL = std::make_unique<ComponentQueue>();
    BUTTONS = std::make_unique<ButtonQueue>();
    // The runtime has no expression evaluator, so there is no name-binding scope to open.
    int key = PendingKeyCode();
    if (key == 2 || key == 130)
        SetPendingKeyCode(0);
    INSERTACTION = 2;
    DELETEACTION = 2;
    CHANGEACTION = 2;
    CANCELACTION = 3;
    AUTOTOOLBAR = 1;
    AUTOREFRESH = 1;
    OWNERWINDOW = nullptr;
    return SeverityNone;
}

Severity WindowController::TearDown() {
    if (DEAD || !CL)
        return SeverityNotice;
    while (!CL->empty()) {
        ComponentEntry entry = CL->front();
        CL->pop_front();
        if (entry.component)
            entry.component->TearDown();
    }
    CL.reset();
    BUTTONS.reset();
    HISTORY.reset();
    if (FILES)
        for (SavedFileState* file : *FILES)
            if (file)
                file->Restore();
    if (PRIMARY)
        PRIMARY->RestoreFiles();
    if (TOOLBAR)
        TOOLBAR->ToolbarTearDown();
    RESIZE.reset();
    DEAD = 1;
    return SeverityNone;
}

void WindowController::OnFirstOpen() {
    if (TRANSLATOR)
        TRANSLATOR->TranslateWindow(MYWINDOW);
    Refresh(0);
    INITED |= 1;
}

void WindowController::AttachWindow(Window* window, Window* owner) {
    MYWINDOW = window;
    if (owner)
        OWNERWINDOW = owner;
    OpenWindow(window, OWNERWINDOW);
    OPENED = 1;
}

void WindowController::PrimeNewRecord() {}

Severity WindowController::PrepareRecordRequest() {
    return PRIMARY ? PRIMARY->PrepareRequest(REQUEST) : SeverityNone;
}

void WindowController::Refresh(std::uint8_t force) {
    if (GetProperty(0, PROP::AcceptAll).toLong() != 0)
        return;
    force = static_cast<std::uint8_t>(force + FORCEDRESET);
    FORCEDRESET = 0;
    // A record-browsing component resets the same way; no window here has one.
    forEachComponent(CL.get(), [&](WINDOWCOMPONENT& component) { component.Reset(force); });
    forEachComponent(CL.get(), [](WINDOWCOMPONENT& component) { component.Redisplay(); });
    tamberlo::Redisplay(0);
}

void WindowController::RestoreFromHistory(std::int32_t control) {
    if (!HISTORY)
        return;
    for (const FieldHistoryEntry& entry : *HISTORY)
        if (entry.control == control) {
            assignVariable(entry.variable, entry.value);
            tamberlo::Redisplay(control);
            return;
        }
}

std::uint8_t WindowController::Execute() {
    if (SetUp() == SeverityNone)
        RunEventLoop();
    TearDown();
    return RESPONSE != 0 ? RESPONSE : ResponseCancelled;
}

std::uint8_t WindowController::CancelledResponse() {
    return ResponseCancelled;
}

void WindowController::InstallAlerts() {
    forEachComponent(CL.get(), [](WINDOWCOMPONENT& component) { component.RegisterAlerts(); });
    if (HISTORY)
        for (const FieldHistoryEntry& entry : *HISTORY)
            SetProperty(entry.control, PROP::Alrt, HISTORYKEY, 255);
}

void WindowController::CloseWithResponse(std::uint8_t response) {
    RESPONSE = response;
    if (MYWINDOW)
        PostWindowEvent(MYWINDOW, EVENT::CloseWindow);
    else
        PostEvent(EVENT::CloseWindow);
    if (response == ResponseCancelled && TOOLBAR && VCRREQUEST)
        *VCRREQUEST = 0;
}

Severity WindowController::OnAccepted() {
    std::int32_t accepted = AcceptedControl();
    if (TOOLBAR) {
        TOOLBAR->ToolbarForward(VCRREQUEST, *this);
        if (accepted == restoreFromHistoryControl)
            RestoreFromHistory(FocusedControl());
    }
    if (BUTTONS)
        for (const ButtonEntry& button : *BUTTONS)
            if (button.control == accepted) {
                CloseWithResponse(button.action);
                return SeverityNotice;
            }
    if (OKCONTROL != 0 && OKCONTROL == accepted)
        RequestCompletion();
    if (SAVECONTROL != 0 && SAVECONTROL == accepted) {
        if (REQUEST == viewRecord)
            return SeverityNotice;
        BEFORESAVEREQUEST = REQUEST;
        REQUEST = saveAndContinue;
        RequestCompletion();
    }
    DisableCancelButtons();
    return SeverityNone;
}

Severity WindowController::OnCompleted() {
    if (HISTORY)
        for (FieldHistoryEntry& entry : *HISTORY)
            entry.value = formatVariable(entry.variable, {});
    switch (REQUEST) {
    case insertRecord:
        return CompleteInsert();
    case changeRecord:
        return CompleteChange();
    case deleteRecord:
        return CompleteDelete();
    case saveAndContinue:
        if (ORIGINALREQUEST == insertRecord)
            return SaveInsert();
        if (ORIGINALREQUEST == changeRecord)
            return SaveChange();
        return SeverityNone;
    case viewRecord:
        Refresh(1);
        return SeverityNone;
    default:
        return SeverityNone;
    }
}

Severity WindowController::OnCloseRequest() {
    if (RESPONSE == ResponseCompleted)
        return SeverityNone;
    if (!PRIMARY)
        return SeverityNone;
    // A record inserted during the form's life counts as its completion.
    if (!blank(LASTINSERTEDPOSITION))
        RESPONSE = ResponseCompleted;
    return SeverityNone;
}

Severity WindowController::OnEvent() {
    int event = CurrentEvent();
    int control = EventControl();
    Severity result = SeverityNone;
    if (control == 0) {
        result = OnWindowEvent();
        if (result != SeverityNone)
            return result;
    }
    switch (event) {
    case EVENT::Sized:
        PostEvent(EVENT::ForResizers);
        break;
    case EVENT::Accepted:
        result = OnAccepted();
        break;
    case EVENT::Rejected:
        result = OnRejected();
        break;
    case EVENT::Selected:
        result = OnSelected();
        break;
    case EVENT::NewSelection:
        result = OnNewSelection();
        break;
    case EVENT::AlertKey:
        if (HISTORYKEY != 0 && HISTORYKEY == PendingKeyCode())
            RestoreFromHistory(FocusedControl());
        break;
    default:
        break;
    }
    if (result != SeverityNone)
        return result;
    if (control != 0) {
        result = OnFieldEvent();
        if (result != SeverityNone)
            return result;
    }
    if (anyComponent(CL.get(), [&](WINDOWCOMPONENT& component) {
            result = component.HandleCurrentEvent();
            return result != SeverityNone;
        }))
        return result;
    if (AUTOREFRESH &&
        anyComponent(CL.get(), [](WINDOWCOMPONENT& component) { return component.NeedsRefresh(); }))
        Refresh(0);
    return SeverityNone;
}

Severity WindowController::OnFieldEvent() {
    return SeverityNone;
}

Severity WindowController::OnNewSelection() {
    std::int32_t control = EventControl();
    if (GetProperty(control, PROP::Type).toLong() == static_cast<int>(ControlType::Sheet)) {
        Refresh(0);
        if (AUTOTOOLBAR && TOOLBAR)
            TOOLBAR->ToolbarSelectTarget(0);
    }
    return SeverityNone;
}

Severity WindowController::OnNotify(std::int32_t, std::int32_t, std::int32_t) {
    return SeverityNone;
}

Severity WindowController::OnRejected() {
    Beep();
    std::int32_t control = EventControl();
    tamberlo::Redisplay(control);
    SelectControl(control);
    return SeverityNone;
}

Severity WindowController::OnSelected() {
    return SeverityNone;
}

Severity WindowController::OnWindowEvent() {
    switch (CurrentEvent()) {
    case EVENT::OpenWindow:
        if (!(INITED & 1))
            OnFirstOpen();
        if (FIRSTFIELD != 0)
            SelectControl(FIRSTFIELD);
        return SeverityNone;
    case EVENT::Notify: {
        std::int32_t code = 0;
        std::int32_t thread = 0;
        std::int32_t parameter = 0;
        if (CurrentNotification(code, thread, parameter))
            return OnNotify(code, thread, parameter);
        return SeverityNone;
    }
    case EVENT::LoseFocus:
        if (RESETONGAINFOCUS)
            FORCEDRESET = 1;
        return SeverityNone;
    case EVENT::GainFocus:
        if (INITED & 1)
            Refresh(0);
        else
            OnFirstOpen();
        return SeverityNone;
    case EVENT::Sized:
        // The first one, which may follow the opening at once, does not refresh.
        if (INITED & 2)
            Refresh(0);
        else
            INITED |= 2;
        return SeverityNone;
    case EVENT::Completed:
        return OnCompleted();
    case EVENT::CloseWindow:
    case EVENT::CloseDown:
        return OnCloseRequest();
    default:
        return SeverityNone;
    }
}

void WindowController::UpdateComponents() {
    forEachComponent(CL.get(), [](WINDOWCOMPONENT& component) { component.Update(); });
}

void WindowController::EnableControl(std::int32_t control, std::uint8_t enable) {
    if (control == 0)
        return;
    if (enable)
        EnableControls(control);
    else
        DisableControls(control);
}

Severity WindowController::CompleteInsert() {
    return completeRecord(*this, &RecordManager::Insert);
}

Severity WindowController::CompleteChange() {
    return completeRecord(*this, &RecordManager::Change);
}

Severity WindowController::CompleteDelete() {
    return completeRecord(*this, &RecordManager::Delete);
}

Severity WindowController::SaveChange() {
    if (!PRIMARY)
        return SeverityNone;
    Severity result = PRIMARY->Change();
    REQUEST = BEFORESAVEREQUEST; // the form stays open for more changes
    return result;
}

Severity WindowController::SaveInsert() {
    if (!PRIMARY)
        return SeverityNone;
    Severity result = PRIMARY->Insert();
    REQUEST = BEFORESAVEREQUEST;
    return result;
}

void WindowController::AddComponent(WINDOWCOMPONENT& component) {
    if (CL)
        CL->push_back({ordinaryComponent, &component});
}

void WindowController::AttachToolbar(ToolbarDispatcher* toolbar) {
    TOOLBAR = toolbar;
    if (TOOLBAR)
        TOOLBAR->ToolbarSetUp();
}

void WindowController::RequestCompletion() {
    if (ORIGINALREQUEST == insertRecord || ORIGINALREQUEST == changeRecord ||
        ORIGINALREQUEST == viewRecord) {
        if (ORIGINALREQUEST == viewRecord && !BATCHPROCESSING)
            PostEvent(EVENT::Completed);
        SelectControl(0);
        return;
    }
    if (!BATCHPROCESSING)
        PostEvent(EVENT::Completed);
    else
        SelectControl(0);
}

void WindowController::EnableCancelButtons() {
    if (DISABLECANCELBUTTON && BUTTONS)
        for (const ButtonEntry& button : *BUTTONS)
            if (button.action == ResponseCancelled)
                EnableControl(button.control, 1);
}

void WindowController::DisableCancelButtons() {
    if (DISABLECANCELBUTTON && BUTTONS)
        for (const ButtonEntry& button : *BUTTONS)
            if (button.action == ResponseCancelled)
                EnableControl(button.control, 0);
}

Severity WindowController::SetUpProcedure(std::string_view procedureName,
                                          ToolbarDispatcher* toolbar) {
    procedureNames().PushProcedureName(procedureName);
    REQUEST = *ThreadInstance(PendingRequest);
    Severity result = WindowController::SetUp();
    if (result != SeverityNone)
        return result;
    FIRSTFIELD = 1;
    VCRREQUEST = ThreadInstance(PendingVcrRequest);
    ERRORS = programErrors();
    AttachToolbar(toolbar);
    *ThreadInstance(PendingRequest) = 0;
    *ThreadInstance(LastResponse) = 0;
    return SeverityNone;
}

Severity WindowController::TearDownProcedure() {
    Severity result = WindowController::TearDown();
    if (result == SeverityNone)
        procedureNames().PopProcedureName();
    return result;
}

} // namespace tamberlo
