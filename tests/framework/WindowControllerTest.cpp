#include "framework/WindowController.h"
#include "framework/ControllerGlobals.h"
#include "framework/ProcedureNames.h"
#include "framework/ToolbarDispatcher.h"
#include "framework/WindowComponent.h"
#include "framework/WindowProcedure.h"
#include "runtime/window/Controls.h"
#include "runtime/window/Properties.h"
#include "tests/runtime/window/WindowTestSupport.h"

#include <atomic>
#include <future>

namespace tamberlo::testing {
namespace {

// Records what the controller asks of it; answers HandleCurrentEvent as told.
class RecordingComponent final : public WINDOWCOMPONENT {
public:
    explicit RecordingComponent(Log& log) : m_log(log) {}
    void TearDown() override { m_log.add("component TearDown"); }
    void Reset(std::uint8_t force) override {
        m_log.add("component Reset " + std::to_string(force));
    }
    bool NeedsRefresh() override { return needsRefresh; }
    void RegisterAlerts() override { m_log.add("component RegisterAlerts"); }
    Severity HandleCurrentEvent() override {
        if (CurrentEvent() == EVENT::Accepted)
            m_log.add("component HandleCurrentEvent");
        return answer;
    }
    void Update() override { m_log.add("component Update"); }
    void Redisplay() override { m_log.add("component Redisplay"); }

    std::atomic<Severity> answer{SeverityNone};
    std::atomic<bool> needsRefresh{false};

private:
    Log& m_log;
};

// The data of the test window procedure: its window, toolbar and variable, and what the test
// wants the controller to do.
struct TestLocals {
    Window* window = nullptr;
    ToolbarDispatcher toolbar;
    char value[4] = "1  ";
    Log* log = nullptr;
    RecordingComponent* component = nullptr;
    bool failSetUp = false;
    bool gainFocusFirst = false;
    std::atomic<std::uint8_t> requestSeen{0};
    std::atomic<std::uint8_t> pendingRequestAfterSetUp{9};
    std::string nameDuringRun;
};

// Controls: 1 prompt, 2 entry (the variable), 3 "Done" (closes with response 1), 4 "All"
// (accept-all mode), 5 "Close" (posts EVENT:CloseWindow), 6 "Plain" (nothing of its own).
WindowDescription testWindow() {
    WindowDescription description = plainWindow("test");
    auto add = [&](ControlType type, std::string label, std::string text) {
        ControlDescription control;
        control.type = type;
        control.label = std::move(label);
        control.text = std::move(text);
        description.controls.push_back(control);
    };
    add(ControlType::Prompt, "?PROMPT", "Value:");
    add(ControlType::Entry, "?VALUE", "");
    add(ControlType::Button, "?DONE", "Done");
    add(ControlType::Button, "?ALL", "All");
    add(ControlType::Button, "?CLOSE", "Close");
    add(ControlType::Button, "?PLAIN", "Plain");
    return description;
}

class TestController final : public ProcedureController<TestLocals> {
public:
    using ProcedureController::ProcedureController;

    Severity SetUp() override {
        if (Severity result = SetUpProcedure("Test", &ProcedureLocals->toolbar);
            result != SeverityNone)
            return result;
        ProcedureLocals->requestSeen = REQUEST;
        ProcedureLocals->pendingRequestAfterSetUp = *ThreadInstance(PendingRequest);
        if (ProcedureLocals->failSetUp)
            return SeverityInternal;
        if (ProcedureLocals->component)
            AddComponent(*ProcedureLocals->component);
        AttachWindow(ProcedureLocals->window);
        if (ProcedureLocals->gainFocusFirst)
            PostEventFirst(EVENT::GainFocus);
        InstallAlerts();
        ProcedureLocals->nameDuringRun = procedureNames().CurrentProcedureName();
        return SeverityNone;
    }

    Severity TearDown() override {
        log("TearDown");
        return TearDownProcedure();
    }

    void OnFirstOpen() override {
        log("OnFirstOpen");
        WindowController::OnFirstOpen();
    }

    void Refresh(std::uint8_t force) override {
        log("Refresh");
        WindowController::Refresh(force);
    }

    Severity OnEvent() override {
        log(eventText(CurrentEvent(), EventControl()));
        return WindowController::OnEvent();
    }

    Severity OnAccepted() override {
        log("OnAccepted");
        switch (AcceptedControl()) {
        case 3:
            CloseWithResponse(ResponseCompleted);
            break;
        case 4:
            SelectControl(0);
            break;
        case 5:
            PostEvent(EVENT::CloseWindow);
            break;
        case 2:
            if (GetProperty(0, PROP::AcceptAll).toLong()) {
                // In accept-all mode a refresh must change nothing.
                FORCEDRESET = 1;
                ProcedureLocals->value[0] = '8';
                Refresh(0);
                log("FORCEDRESET " + std::to_string(FORCEDRESET));
            }
            break;
        }
        return WindowController::OnAccepted();
    }

    Severity OnFieldEvent() override {
        if (CurrentEvent() == EVENT::Accepted)
            log("OnFieldEvent");
        return WindowController::OnFieldEvent();
    }

private:
    void log(std::string line) { ProcedureLocals->log->add(std::move(line)); }
};

std::uint8_t TestProcedure(TestLocals& locals) {
    locals.window = DeclareWindow(testWindow(), WindowKind::Plain,
                                  {{UseVariable{VariableType::Text, locals.value, 3, 0}}});
    return ExecuteWindowProcedure(std::make_unique<TestController>(&locals), locals.window);
}

class WindowControllerTest : public WindowTest {
protected:
    // Runs the test procedure on a thread of its own; the thread's LastResponse afterwards and
    // its newest procedure name go to the promises.
    void start(std::uint8_t pendingRequest = 0) {
        locals.log = &log;
        StartProcedure(
            [this, pendingRequest] {
                *ThreadInstance(PendingRequest) = pendingRequest;
                std::uint8_t response = TestProcedure(locals);
                lastResponse.set_value(*ThreadInstance(LastResponse));
                returned = response;
                nameAfter = procedureNames().CurrentProcedureName();
            },
            25000);
        settle();
        id = windowTitled("test");
    }

    std::uint8_t finish() {
        std::uint8_t response = lastResponse.get_future().get();
        EXPECT_TRUE(waitUntilThreadsEnded());
        EXPECT_EQ(response, returned.load());
        EXPECT_EQ("", nameAfter) << "the procedure's name was not withdrawn";
        return response;
    }

    int count(const std::string& line) {
        std::vector<std::string> seen = log.entries();
        return static_cast<int>(std::count(seen.begin(), seen.end(), line));
    }

    TestLocals locals;
    std::promise<std::uint8_t> lastResponse;
    std::atomic<std::uint8_t> returned{0};
    std::string nameAfter = "unset";
    std::uint32_t id = 0;
};

TEST_F(WindowControllerTest, AFailingSetUpStillTearsDownAndTheResponseIsCancelled) {
    locals.failSetUp = true;
    start(4);
    EXPECT_EQ(ResponseCancelled, finish());
    EXPECT_EQ((std::vector<std::string>{"TearDown"}), log.entries());
    EXPECT_TRUE(openWindows().empty());
    EXPECT_EQ(4, locals.requestSeen) << "REQUEST comes from the thread's PendingRequest";
    EXPECT_EQ(0, locals.pendingRequestAfterSetUp);
}

TEST_F(WindowControllerTest, TheResponseIsCompletedOnlyThroughCloseWithResponse) {
    struct Case {
        const char* how;
        std::function<void(std::uint32_t window, std::int32_t thread)> close;
        std::uint8_t response;
    };
    std::vector<Case> cases = {
        {"CloseWithResponse(1)",
         [](std::uint32_t window, std::int32_t) { windowInput().userPresses(window, 3); },
         ResponseCompleted},
        {"close command",
         [](std::uint32_t window, std::int32_t) { windowInput().userCloses(window); },
         ResponseCancelled},
        {"EVENT:CloseDown",
         [](std::uint32_t, std::int32_t thread) { PostEvent(EVENT::CloseDown, 0, thread); },
         ResponseCancelled},
        {"posted EVENT:CloseWindow",
         [](std::uint32_t window, std::int32_t) { windowInput().userPresses(window, 5); },
         ResponseCancelled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        lastResponse = {};
        start();
        c.close(id, openWindows().at(0).thread);
        EXPECT_EQ(c.response, finish());
        EXPECT_EQ("Test", locals.nameDuringRun);
    }
}

TEST_F(WindowControllerTest, TheFirstSizedEventDoesNotRefreshTheSecondDoes) {
    start();
    int refreshes = count("Refresh");
    windowInput().userResizes(id, 200, 100);
    settle();
    EXPECT_EQ(refreshes, count("Refresh"));
    EXPECT_EQ(1, count(eventText(EVENT::ForResizers, 0))) << "posted for window resizers";
    windowInput().userResizes(id, 210, 100);
    settle();
    EXPECT_EQ(refreshes + 1, count("Refresh"));
    windowInput().userCloses(id);
    finish();
}

TEST_F(WindowControllerTest, GainFocusBeforeOpenWindowRunsTheFirstOpeningThenOpenOnlySelects) {
    locals.gainFocusFirst = true;
    start();
    std::vector<std::string> seen = log.entries();
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ((std::vector<std::string>{eventText(EVENT::GainFocus, 0), "OnFirstOpen", "Refresh",
                                        eventText(EVENT::OpenWindow, 0)}),
              std::vector<std::string>(seen.begin(), seen.begin() + 4));
    EXPECT_EQ(1, count("OnFirstOpen"));
    // FIRSTFIELD is the prompt, which passes the focus on to the entry.
    EXPECT_EQ(2, screen.focus(id));
    EXPECT_EQ(1, count(eventText(EVENT::Selected, 2)));
    windowInput().userCloses(id);
    finish();
}

TEST_F(WindowControllerTest, RefreshInAcceptAllModeChangesNothing) {
    RecordingComponent component(log);
    locals.component = &component;
    start();
    windowInput().userPresses(id, 4);
    settle();
    std::vector<std::string> seen = log.entries();
    auto accepted = std::find(seen.begin(), seen.end(), eventText(EVENT::Accepted, 2));
    ASSERT_NE(accepted, seen.end());
    EXPECT_EQ(
        (std::vector<std::string>{eventText(EVENT::Accepted, 2), "OnAccepted", "Refresh",
                                  "FORCEDRESET 1", "OnFieldEvent", "component HandleCurrentEvent"}),
        std::vector<std::string>(accepted, accepted + 6));
    EXPECT_EQ("1", screen.text(id, 2)) << "the entry was redisplayed";

    // Out of accept-all mode the same refresh resets with the pending force and redisplays.
    log.clear();
    windowInput().userResizes(id, 300, 100);
    windowInput().userResizes(id, 310, 100);
    settle();
    EXPECT_EQ(1, count("component Reset 1"));
    EXPECT_EQ("8", screen.text(id, 2));
    windowInput().userCloses(id);
    finish();
}

// A refresh redisplays every entry from its variable; text the user typed into the focused
// entry and has not left yet is read first, not thrown away.
TEST_F(WindowControllerTest, TypedTextInTheFocusedEntrySurvivesARefresh) {
    start();
    windowInput().userTypes(id, 2, "55");
    windowInput().userResizes(id, 200, 100);
    windowInput().userResizes(id, 210, 100); // the second EVENT:Sized refreshes
    settle();
    EXPECT_EQ("55 ", std::string(locals.value, 3));
    EXPECT_EQ("55", screen.text(id, 2));
    EXPECT_EQ(0, count(eventText(EVENT::Accepted, 2))) << "an update posts no event";
    windowInput().userCloses(id);
    finish();
}

TEST_F(WindowControllerTest, OnEventAsksTheHandlersThenTheComponentsWhichMayConsumeTheEvent) {
    RecordingComponent component(log);
    locals.component = &component;
    start();
    EXPECT_EQ(1, count("component RegisterAlerts"));
    log.clear();
    windowInput().userPresses(id, 6);
    settle();
    EXPECT_EQ(
        (std::vector<std::string>{eventText(EVENT::Selected, 6), eventText(EVENT::Accepted, 6),
                                  "OnAccepted", "OnFieldEvent", "component HandleCurrentEvent"}),
        log.entries())
        << "AUTOREFRESH with no component that needs it refreshes nothing";

    component.needsRefresh = true;
    log.clear();
    windowInput().userPresses(id, 6);
    settle();
    EXPECT_EQ(1, count("Refresh"));
    component.needsRefresh = false;

    component.answer = SeverityNotice; // consumed: the close is not carried out
    windowInput().userCloses(id);
    settle();
    EXPECT_EQ(1u, openWindows().size());
    component.answer = SeverityNone;
    windowInput().userCloses(id);
    finish();
    EXPECT_EQ(1, count("component TearDown"));
}

TEST_F(WindowControllerTest, TearDownIsSafeToCallTwice) {
    TestLocals other;
    other.log = &log;
    TestController controller(&other);
    EXPECT_EQ(SeverityNotice, controller.WindowController::TearDown()) << "never set up";
    controller.WindowController::SetUp();
    EXPECT_EQ(SeverityNone, controller.WindowController::TearDown());
    EXPECT_EQ(1, controller.DEAD);
    EXPECT_FALSE(controller.CL);
    EXPECT_EQ(SeverityNotice, controller.WindowController::TearDown());
    controller.RunEventLoop(); // returns at once once dead
}

} // namespace
} // namespace tamberlo::testing
