// A frame, a child window and a plain window, each run by its own window procedure on its own
// thread, the way the program's windows are.

#include "framework/WindowProcedure.h"
#include "framework/ControllerGlobals.h"
#include "framework/ProcedureNames.h"
#include "framework/ToolbarDispatcher.h"
#include "framework/WindowController.h"
#include "runtime/window/Controls.h"
#include "runtime/window/Properties.h"
#include "tests/runtime/window/WindowTestSupport.h"

#include <algorithm>
#include <map>

namespace tamberlo::testing {
namespace {

Log* journal = nullptr; // what the procedures did, in order

std::map<std::string, int>& responses() {
    static std::map<std::string, int> byProcedure;
    return byProcedure;
}
std::mutex responsesMutex;

struct Locals {
    Window* window = nullptr;
    ToolbarDispatcher toolbar;
    std::string name;
};

void Child();
void Plain();

class Controller : public ProcedureController<Locals> {
public:
    using ProcedureController::ProcedureController;

    Severity SetUp() override {
        journal->add(ProcedureLocals->name + " SetUp");
        if (Severity result = SetUpProcedure(ProcedureLocals->name, &ProcedureLocals->toolbar);
            result != SeverityNone)
            return result;
        AttachWindow(ProcedureLocals->window);
        InstallAlerts();
        // The frame starts its child as the program's frame starts the calculator.
        if (ProcedureLocals->name == "Frame")
            StartProcedure(&Child, 25000);
        return SeverityNone;
    }

    void RunEventLoop() override {
        journal->add(ProcedureLocals->name + " loop");
        WindowController::RunEventLoop();
    }

    Severity TearDown() override { return TearDownProcedure(); }

    Severity OnAccepted() override {
        if (AcceptedControl() == -5)
            StartProcedure(&Plain, 25000);
        Severity result = WindowController::OnAccepted();
        if (AcceptedControl() == 1 && ProcedureLocals->name == "Plain")
            PostEvent(EVENT::CloseWindow);
        return result;
    }

    Severity OnWindowEvent() override {
        if (CurrentEvent() == EVENT::CloseDown)
            journal->add(ProcedureLocals->name + " CloseDown");
        return WindowController::OnWindowEvent();
    }
};

WindowDescription describe(std::string title) {
    WindowDescription description = plainWindow(std::move(title));
    ControlDescription button;
    button.type = ControlType::Button;
    button.label = "?CLOSE";
    button.text = "&Close";
    button.defaultButton = true;
    description.controls = {button};
    return description;
}

void run(std::string name, WindowKind kind, WindowDescription description) {
    Locals locals;
    locals.name = std::move(name);
    locals.window = DeclareWindow(description, kind);
    std::uint8_t response =
        ExecuteWindowProcedure(std::make_unique<Controller>(&locals), locals.window);
    std::lock_guard lock(responsesMutex);
    responses()[locals.name] = *ThreadInstance(LastResponse);
    EXPECT_EQ(response, *ThreadInstance(LastResponse));
    EXPECT_EQ("", procedureNames().CurrentProcedureName());
}

void Frame() {
    WindowDescription frame = describe("Frame");
    frame.controls.clear();
    frame.menuBar = {{"&File", "?FILE", "", 0, {{"E&xit", "?EXIT", "", closeFrameAction, {}}}},
                     {"&Help", "?HELP", "", 0, {{"About", "?ABOUT", "", 0, {}}}}};
    run("Frame", WindowKind::Frame, frame);
}

void Child() {
    run("Child", WindowKind::Child, describe("Child"));
}

void Plain() {
    run("Plain", WindowKind::Plain, describe("Plain"));
}

using WindowProcedureTest = WindowTest;

TEST_F(WindowProcedureTest, AFrameWithAChildAndAPlainWindowRunsAndShutsDownInOrder) {
    journal = &log;
    responses().clear();
    StartProcedure(&Frame, 25000);
    settle();
    std::uint32_t frame = windowTitled("Frame");
    std::uint32_t child = windowTitled("Child");
    ASSERT_NE(0u, child);
    EXPECT_EQ(frame, screen.window(child)->parent) << "the child opens in the frame";

    // The child started in the frame's SetUp runs only once the frame's loop waits.
    std::vector<std::string> seen = log.entries();
    EXPECT_EQ((std::vector<std::string>{"Frame SetUp", "Frame loop", "Child SetUp", "Child loop"}),
              seen);

    windowInput().userChoosesMenu(frame, -5);
    settle();
    std::uint32_t plain = windowTitled("Plain");
    ASSERT_NE(0u, plain);
    EXPECT_EQ(3, liveThreadCount());

    windowInput().userChoosesMenu(frame, -3); // E&xit
    settle();
    seen = log.entries();
    EXPECT_EQ("Child CloseDown", seen.back());
    EXPECT_EQ(0u, windowTitled("Frame"));
    EXPECT_EQ(0u, windowTitled("Child"));
    EXPECT_EQ(plain, windowTitled("Plain")) << "plain windows are not closed by the frame";
    EXPECT_EQ(1, liveThreadCount());
    {
        std::lock_guard lock(responsesMutex);
        EXPECT_EQ(2, responses()["Frame"]);
        EXPECT_EQ(2, responses()["Child"]);
    }

    windowInput().userKey(plain, toolkit::Key::Enter); // the default button closes it
    ASSERT_TRUE(waitUntilThreadsEnded());
    EXPECT_TRUE(openWindows().empty());
    std::lock_guard lock(responsesMutex);
    EXPECT_EQ(2, responses()["Plain"]);
}

} // namespace
} // namespace tamberlo::testing
