#include "runtime/window/Controls.h"
#include "runtime/window/Properties.h"
#include "tests/runtime/window/WindowTestSupport.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <future>

namespace tamberlo::testing {
namespace {

using EventLoopTest = WindowTest;
using toolkit::MouseAction;

ControlDescription control(ControlType type, std::string label, std::string text = {}) {
    ControlDescription description;
    description.type = type;
    description.label = std::move(label);
    description.text = std::move(text);
    return description;
}

std::string entry(std::string title, int code, int control) {
    return title + " " + eventText(code, control);
}

TEST_F(EventLoopTest, AWindowOpensGainsTheFocusAndClosesWhenTheProcedureLetsTheCloseThrough) {
    std::atomic<int> closes{0};
    StartProcedure(
        [&] {
            runRecordingWindow(plainWindow("w"), WindowKind::Plain, log, [&](int code, int) {
                // The first close request is refused, the second let through.
                if (code == EVENT::CloseWindow && closes++ == 0)
                    return LoopAnswer::SkipDefault;
                return LoopAnswer::CarryOn;
            });
            log.add("procedure ends");
        },
        25000);
    settle();
    std::uint32_t id = windowTitled("w");
    windowInput().userCloses(id);
    settle();
    EXPECT_EQ(1u, openWindows().size());
    windowInput().userCloses(id);
    ASSERT_TRUE(waitUntilThreadsEnded());
    EXPECT_EQ(
        (std::vector<std::string>{entry("w", EVENT::OpenWindow, 0), entry("w", EVENT::GainFocus, 0),
                                  entry("w", EVENT::CloseWindow, 0),
                                  entry("w", EVENT::CloseWindow, 0), "procedure ends"}),
        log.entries());
    EXPECT_TRUE(screen.windows().empty());
}

TEST_F(EventLoopTest, PostedEventsReachTheCurrentWindowOfTheNamedThread) {
    std::atomic<std::int32_t> receiver{0};
    StartProcedure(
        [&] {
            receiver = ThreadNumber();
            runRecordingWindow(plainWindow("receiver"), WindowKind::Plain, log);
        },
        25000);
    settle();
    StartProcedure(
        [&] {
            PostEvent(EVENT::Notify, 7, receiver); // another thread's window
            PostEvent(EVENT::Timer, 0, 99);        // no such thread: nothing happens
            EXPECT_FALSE(Notify(1, 99, 2));
            EXPECT_TRUE(Notify(40, receiver, 41));
            runRecordingWindow(plainWindow("poster"), WindowKind::Plain, log, [&](int code, int) {
                if (code == EVENT::OpenWindow)
                    PostEvent(EVENT::CloseWindow); // thread 0: its own window
                return LoopAnswer::CarryOn;
            });
        },
        25000);
    settle();
    std::vector<std::string> seen = log.entries();
    std::vector<std::string> receiverSaw;
    for (const std::string& line : seen)
        if (line.rfind("receiver", 0) == 0)
            receiverSaw.push_back(line);
    // The poster's window takes the focus once open, and gives it back when it closes.
    EXPECT_EQ((std::vector<std::string>{
                  entry("receiver", EVENT::OpenWindow, 0), entry("receiver", EVENT::GainFocus, 0),
                  entry("receiver", EVENT::Notify, 7), entry("receiver", EVENT::Notify, 0),
                  entry("receiver", EVENT::LoseFocus, 0), entry("receiver", EVENT::GainFocus, 0)}),
              receiverSaw);
    EXPECT_NE(std::find(seen.begin(), seen.end(), entry("poster", EVENT::CloseWindow, 0)),
              seen.end());
    EXPECT_EQ(1u, openWindows().size()) << "the poster's window closed itself";
    closeAndFinish({windowTitled("receiver")});
}

TEST_F(EventLoopTest, NotificationsCarryCodeSenderAndParameter) {
    std::promise<std::string> seen;
    std::atomic<std::int32_t> receiver{0};
    StartProcedure(
        [&] {
            receiver = ThreadNumber();
            Window* window = DeclareWindow(plainWindow("n"), WindowKind::Plain);
            OpenWindow(window);
            EventLoop(window, [&] {
                std::int32_t code = 0, sender = 0, parameter = 0;
                if (CurrentNotification(code, sender, parameter)) {
                    seen.set_value(std::to_string(code) + "/" + std::to_string(sender) + "/" +
                                   std::to_string(parameter));
                    return LoopAnswer::Leave;
                }
                return LoopAnswer::CarryOn;
            });
            ReleaseWindow(window);
        },
        25000);
    settle();
    std::int32_t sender = 0;
    StartProcedure(
        [&] {
            sender = ThreadNumber();
            Notify(5, receiver, 6);
        },
        25000);
    std::string got = seen.get_future().get();
    ASSERT_TRUE(waitUntilThreadsEnded());
    EXPECT_EQ("5/" + std::to_string(sender) + "/6", got);
}

TEST_F(EventLoopTest, StandardActionFifteenClosesTheFrame) {
    WindowDescription frame = plainWindow("frame");
    frame.menuBar = {{"&File", "?FILE", "", 0, {{"E&xit", "?EXIT", "Exit", closeFrameAction, {}}}}};
    StartProcedure([&] { runRecordingWindow(frame, WindowKind::Frame, log); }, 25000);
    settle();
    windowInput().userChoosesMenu(windowTitled("frame"), -3);
    ASSERT_TRUE(waitUntilThreadsEnded());
    EXPECT_EQ((std::vector<std::string>{
                  entry("frame", EVENT::OpenWindow, 0), entry("frame", EVENT::GainFocus, 0),
                  entry("frame", EVENT::Accepted, -3), entry("frame", EVENT::CloseWindow, 0)}),
              log.entries());
}

TEST_F(EventLoopTest, RegionsWithImmReportTheMouse) {
    WindowDescription description = plainWindow("mouse");
    ControlDescription region = control(ControlType::Region, "?REGION");
    region.imm = true;
    ControlDescription quiet = control(ControlType::Region, "?QUIET");
    description.controls = {region, quiet};
    std::atomic<int> keyCode{-1};
    StartProcedure(
        [&] {
            runRecordingWindow(description, WindowKind::Plain, log, [&](int code, int) {
                if (code == EVENT::MouseUp)
                    keyCode = PendingKeyCode();
                return LoopAnswer::CarryOn;
            });
        },
        25000);
    settle();
    std::uint32_t id = windowTitled("mouse");
    log.clear();
    for (auto [action, x] : {std::pair{MouseAction::In, 0},
                             {MouseAction::Move, 1},
                             {MouseAction::Move, 1},
                             {MouseAction::Move, 2},
                             {MouseAction::DownRight, 0},
                             {MouseAction::UpRight, 0},
                             {MouseAction::DownMiddle, 0},
                             {MouseAction::UpLeft, 0},
                             {MouseAction::Out, 0}})
        windowInput().userMouse(id, 1, action, x, 1);
    windowInput().userMouse(id, 2, MouseAction::UpLeft);
    settle();
    EXPECT_EQ((std::vector<std::string>{
                  entry("mouse", EVENT::MouseIn, 1), entry("mouse", EVENT::MouseMove, 1),
                  entry("mouse", EVENT::MouseMove, 1), entry("mouse", EVENT::Accepted, 1),
                  entry("mouse", EVENT::MouseUp, 1), entry("mouse", EVENT::Accepted, 1),
                  entry("mouse", EVENT::MouseUp, 1), entry("mouse", EVENT::MouseOut, 1)}),
              log.entries());
    EXPECT_EQ(KEY::MouseLeft, keyCode);
    closeAndFinish({id});
}

TEST_F(EventLoopTest, ChoosingARadioButtonAssignsTheOptionsVariableAndAcceptsTheOption) {
    char choice[3] = "a ";
    WindowDescription description = plainWindow("option");
    ControlDescription option = control(ControlType::Option, "?CHOICE", "Choice");
    ControlDescription first = control(ControlType::Radio, "?CHOICE:RADIO1", "A");
    first.value = "a";
    ControlDescription second = control(ControlType::Radio, "?CHOICE:RADIO2", "B");
    second.value = "b";
    option.children = {first, second};
    description.controls = {option};
    StartProcedure(
        [&] {
            runRecordingWindow(description, WindowKind::Plain, log, carryOn,
                               {textVariable(choice, 2)});
        },
        25000);
    settle();
    std::uint32_t id = windowTitled("option");
    EXPECT_TRUE(screen.checked(id, 2));
    log.clear();
    windowInput().userPresses(id, 3);
    settle();
    EXPECT_EQ("b ", std::string(choice, 2));
    EXPECT_FALSE(screen.checked(id, 2));
    EXPECT_TRUE(screen.checked(id, 3));
    EXPECT_EQ((std::vector<std::string>{entry("option", EVENT::Selected, 3),
                                        entry("option", EVENT::Accepted, 1)}),
              log.entries());
    closeAndFinish({id});
}

// A numeric option variable is compared and assigned as a number: "1" chooses the radio
// button of value 1 whether the variable is a byte or a decimal.
TEST_F(EventLoopTest, RadioButtonsCompareAndAssignNumericVariablesAsNumbers) {
    std::uint8_t type = 0;
    std::array<std::uint8_t, 2> decimal{0x00, 0x00}; // 0.00: a 2-byte DECIMAL, 2 places
    WindowDescription description = plainWindow("numeric");
    for (const char* label : {"?BYTE", "?DECIMAL"}) {
        ControlDescription option = control(ControlType::Option, label, "Type");
        ControlDescription zero = control(ControlType::Radio, std::string(label) + ":0", "0");
        zero.value = "0";
        ControlDescription one = control(ControlType::Radio, std::string(label) + ":1", "1");
        one.value = "1";
        option.children = {zero, one};
        description.controls.push_back(option);
    }
    StartProcedure(
        [&] {
            runRecordingWindow(
                description, WindowKind::Plain, log, carryOn,
                {{VariableType::Byte, &type, 1, 0}, {VariableType::Decimal, decimal.data(), 2, 2}});
        },
        25000);
    settle();
    std::uint32_t id = windowTitled("numeric");
    EXPECT_TRUE(screen.checked(id, 2));
    EXPECT_TRUE(screen.checked(id, 5));
    windowInput().userPresses(id, 3);
    windowInput().userPresses(id, 6);
    settle();
    EXPECT_EQ(1, type);
    EXPECT_EQ((std::array<std::uint8_t, 2>{0x01, 0x00}), decimal); // 1.00
    EXPECT_FALSE(screen.checked(id, 2));
    EXPECT_TRUE(screen.checked(id, 3));
    closeAndFinish({id});
}

// Entries are read when they lose the focus, with the reader the runtime was given; these
// tests read digits into text variables.
TEST_F(EventLoopTest, AnEntryIsReadWhenItLosesTheFocus) {
    char first[4] = "1  ";
    char second[4] = "2  ";
    WindowDescription description = plainWindow("entries");
    ControlDescription button = control(ControlType::Button, "?OK", "OK");
    button.defaultButton = true;
    description.controls = {control(ControlType::Entry, "?FIRST"),
                            control(ControlType::Entry, "?SECOND"), button};
    StartProcedure(
        [&] {
            runRecordingWindow(description, WindowKind::Plain, log, carryOn,
                               {textVariable(first, 3), textVariable(second, 3)});
        },
        25000);
    settle();
    std::uint32_t id = windowTitled("entries");
    log.clear();

    // An accepted text is stored, shown again by the reader, and accepts the entry.
    windowInput().userTypes(id, 1, "12");
    windowInput().userTypes(id, 2, "x9");
    settle();
    EXPECT_EQ("12 ", std::string(first, 3));
    EXPECT_EQ("[12]", screen.text(id, 1));
    EXPECT_EQ(0, GetWindowProperty(id, 1, PROP::RejectCode).toLong());

    // A refused text keeps the variable and the typed text; no EVENT:Accepted, code 4.
    windowInput().userKey(id, toolkit::Key::Enter); // presses the default button
    settle();
    EXPECT_EQ("2  ", std::string(second, 3));
    EXPECT_EQ("x9", screen.text(id, 2));
    EXPECT_EQ(4, GetWindowProperty(id, 2, PROP::RejectCode).toLong());
    EXPECT_EQ((std::vector<std::string>{
                  entry("entries", EVENT::Selected, 1), entry("entries", EVENT::Accepted, 1),
                  entry("entries", EVENT::Selected, 2), entry("entries", EVENT::Selected, 3),
                  entry("entries", EVENT::Accepted, 3)}),
              log.entries());

    // The refused text is read again at the next focus loss, untouched or not.
    log.clear();
    windowInput().userFocuses(id, 2);
    windowInput().userFocuses(id, 3);
    settle();
    EXPECT_EQ(4, GetWindowProperty(id, 2, PROP::RejectCode).toLong());
    EXPECT_EQ((std::vector<std::string>{entry("entries", EVENT::Selected, 2),
                                        entry("entries", EVENT::Selected, 3)}),
              log.entries());

    // Closing the window reads the focused entry, without an event.
    log.clear();
    windowInput().userTypes(id, 2, "77");
    windowInput().userCloses(id);
    ASSERT_TRUE(waitUntilThreadsEnded());
    EXPECT_EQ("77 ", std::string(second, 3));
    EXPECT_EQ((std::vector<std::string>{entry("entries", EVENT::Selected, 2),
                                        entry("entries", EVENT::CloseWindow, 0)}),
              log.entries());
}

TEST_F(EventLoopTest, AnAlertKeyOfTheFocusedControlIsReportedInsteadOfItsUsualAction) {
    WindowDescription description = plainWindow("alert");
    ControlDescription button = control(ControlType::Button, "?OK", "OK");
    button.defaultButton = true;
    description.controls = {control(ControlType::Entry, "?E"), button};
    std::atomic<int> keyCode{0};
    StartProcedure(
        [&] {
            runRecordingWindow(description, WindowKind::Plain, log, [&](int code, int) {
                if (code == EVENT::OpenWindow)
                    SetProperty(1, PROP::Alrt, KEY::Enter, 1);
                if (code == EVENT::AlertKey)
                    keyCode = PendingKeyCode();
                return LoopAnswer::CarryOn;
            });
        },
        25000);
    settle();
    std::uint32_t id = windowTitled("alert");
    windowInput().userFocuses(id, 1);
    settle();
    log.clear();
    windowInput().userKey(id, toolkit::Key::Enter);
    settle();
    EXPECT_EQ((std::vector<std::string>{entry("alert", EVENT::AlertKey, 1)}), log.entries());
    EXPECT_EQ(KEY::Enter, keyCode);
    closeAndFinish({id});
}

TEST_F(EventLoopTest, ReadOnlyEntriesTakeTheFocusButNotTheTyping) {
    char value[4] = "5  ";
    WindowDescription description = plainWindow("readonly");
    ControlDescription readOnly = control(ControlType::Entry, "?RESULT");
    readOnly.readOnly = true;
    description.controls = {readOnly};
    StartProcedure(
        [&] {
            runRecordingWindow(description, WindowKind::Plain, log, carryOn,
                               {textVariable(value, 3)});
        },
        25000);
    settle();
    std::uint32_t id = windowTitled("readonly");
    windowInput().userTypes(id, 1, "99");
    settle();
    EXPECT_EQ("5", screen.text(id, 1));
    EXPECT_EQ(1, screen.focus(id));
    closeAndFinish({id});
}

TEST_F(EventLoopTest, TimersTickAtTheirIntervalOnTheClock) {
    std::atomic<int> ticks{0};
    StartProcedure(
        [&] {
            Window* window = DeclareWindow(plainWindow("timer"), WindowKind::Plain);
            OpenWindow(window);
            SetProperty(0, PROP::Timer, 100);
            EventLoop(window, [&] {
                if (CurrentEvent() == EVENT::Timer) {
                    log.add(std::to_string(os::clock().steadyHundredths()));
                    if (++ticks == 3)
                        SetProperty(0, PROP::Timer, 0);
                }
                return LoopAnswer::CarryOn;
            });
            ReleaseWindow(window);
        },
        25000);
    settle();
    ASSERT_TRUE(advanceClock(clock, 99));
    EXPECT_TRUE(log.entries().empty()) << "the first tick comes one interval after setting";
    ASSERT_TRUE(advanceClock(clock, 1000));
    EXPECT_EQ((std::vector<std::string>{"100", "200", "300"}), log.entries());
    closeAndFinish({windowTitled("timer")});
}

TEST_F(EventLoopTest, AcceptAllModeAcceptsEveryValueControlThenCompletes) {
    char a[3] = "1 ";
    char b[3] = "2 ";
    char c[2] = "x";
    WindowDescription description = plainWindow("all");
    ControlDescription option = control(ControlType::Option, "?O", "O");
    ControlDescription radio = control(ControlType::Radio, "?O:R", "R");
    radio.value = "x";
    option.children = {radio};
    description.controls = {
        control(ControlType::Prompt, "?P", "P"), control(ControlType::Entry, "?A"), option,
        control(ControlType::Entry, "?B"), control(ControlType::Button, "?GO", "Go")};
    StartProcedure(
        [&] {
            runRecordingWindow(description, WindowKind::Plain, log,
                               [&](int code, int control) {
                                   if (code == EVENT::Accepted && control == 6)
                                       SelectControl(0);
                                   if (code == EVENT::Accepted || code == EVENT::Completed)
                                       log.add("AcceptAll=" +
                                               GetProperty(0, PROP::AcceptAll).toText());
                                   return LoopAnswer::CarryOn;
                               },
                               {textVariable(a, 2), textVariable(c, 1), textVariable(b, 2)});
        },
        25000);
    settle();
    std::uint32_t id = windowTitled("all");
    windowInput().userTypes(id, 5, "7"); // typed but not read yet: accept-all reads it
    windowInput().userPresses(id, 6);
    settle();
    std::vector<std::string> seen = log.entries();
    std::vector<std::string> tail(seen.end() - 8, seen.end());
    EXPECT_EQ((std::vector<std::string>{entry("all", EVENT::Accepted, 2), "AcceptAll=1",
                                        entry("all", EVENT::Accepted, 3), "AcceptAll=1",
                                        entry("all", EVENT::Accepted, 5), "AcceptAll=1",
                                        entry("all", EVENT::Completed, 0), "AcceptAll=0"}),
              tail);
    EXPECT_EQ("7 ", std::string(b, 2));
    closeAndFinish({id});
}

TEST_F(EventLoopTest, AModalWindowDisablesTheWindowItOpensOverUntilItCloses) {
    WindowDescription main = plainWindow("main");
    main.controls = {control(ControlType::Button, "?ASK", "Ask")};
    WindowDescription modal = plainWindow("modal");
    modal.modal = true;
    StartProcedure(
        [&] {
            runRecordingWindow(main, WindowKind::Plain, log, [&](int code, int) {
                if (code == EVENT::Accepted)
                    runRecordingWindow(modal, WindowKind::Plain, log);
                return LoopAnswer::CarryOn;
            });
        },
        25000);
    settle();
    std::uint32_t id = windowTitled("main");
    windowInput().userPresses(id, 1);
    settle();
    EXPECT_FALSE(screen.windowEnabled(id));
    log.clear();
    windowInput().userPresses(id, 1); // a disabled window takes no input
    windowInput().userCloses(id);
    settle();
    EXPECT_TRUE(log.entries().empty());
    windowInput().userCloses(windowTitled("modal"));
    settle();
    EXPECT_TRUE(screen.windowEnabled(id));
    closeAndFinish({id});
}

TEST_F(EventLoopTest, AMaximisedChildFillsTheFrameAndFollowsItsSize) {
    WindowDescription frame = plainWindow("frame");
    frame.width = 300;
    frame.height = 200;
    StartProcedure(
        [&] {
            Window* window = DeclareWindow(frame, WindowKind::Frame);
            OpenWindow(window);
            StartProcedure(
                [&] {
                    runRecordingWindow(plainWindow("child"), WindowKind::Child, log,
                                       [](int code, int) {
                                           if (code == EVENT::OpenWindow)
                                               SetProperty(0, PROP::Maximize, 1);
                                           return LoopAnswer::CarryOn;
                                       });
                },
                25000);
            EventLoop(window, [] { return LoopAnswer::CarryOn; });
            ReleaseWindow(window);
        },
        25000);
    settle();
    std::uint32_t child = windowTitled("child");
    EXPECT_EQ((std::vector<std::string>{entry("child", EVENT::OpenWindow, 0),
                                        entry("child", EVENT::GainFocus, 0),
                                        entry("child", EVENT::Sized, 0)}),
              log.entries());
    EXPECT_EQ((toolkit::Rect{0, 0, 300, 200}), screen.window(child)->rect);
    EXPECT_TRUE(screen.window(child)->maximized);
    log.clear();
    windowInput().userResizes(windowTitled("frame"), 400, 250);
    settle();
    EXPECT_EQ((std::vector<std::string>{entry("child", EVENT::Sized, 0)}), log.entries());
    EXPECT_EQ(400, GetWindowProperty(child, 0, PROP::Width).toLong());
    closeAndFinish({windowTitled("frame")});
}

TEST_F(EventLoopTest, ActivationMovesBetweenWindowsAsTheUserWorksInThem) {
    WindowDescription first = plainWindow("first");
    first.controls = {control(ControlType::Button, "?B", "B")};
    StartProcedure([&] { runRecordingWindow(first, WindowKind::Plain, log); }, 25000);
    settle();
    StartProcedure([&] { runRecordingWindow(plainWindow("second"), WindowKind::Plain, log); },
                   25000);
    settle();
    log.clear();
    windowInput().userFocuses(windowTitled("first"), 1);
    settle();
    // The two windows run on threads of their own: compare each one's events.
    std::vector<std::string> firstSaw;
    std::vector<std::string> secondSaw;
    for (const std::string& line : log.entries())
        (line.rfind("first", 0) == 0 ? firstSaw : secondSaw).push_back(line);
    EXPECT_EQ((std::vector<std::string>{entry("first", EVENT::GainFocus, 0),
                                        entry("first", EVENT::Selected, 1)}),
              firstSaw);
    EXPECT_EQ((std::vector<std::string>{entry("second", EVENT::LoseFocus, 0)}), secondSaw);
    EXPECT_EQ(windowTitled("first"), screen.activeWindow());
    closeAndFinish({windowTitled("first"), windowTitled("second")});
}

} // namespace
} // namespace tamberlo::testing
