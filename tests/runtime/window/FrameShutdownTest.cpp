#include "runtime/window/ModalBox.h"
#include "tests/runtime/window/WindowTestSupport.h"

#include <algorithm>
#include <atomic>

namespace tamberlo::testing {
namespace {

// A frame whose "Window" menu opens a child window "one" (-3), a child window "two" (-4) or a
// plain window "about" (-5), each on a thread of its own, so the test decides the order in
// which they open.
class FrameShutdownTest : public WindowTest {
protected:
    void startFrame() {
        WindowDescription frame = plainWindow("frame");
        frame.width = 360;
        frame.height = 220;
        frame.menuBar = {{"&Window",
                          "?WINDOW",
                          "",
                          0,
                          {{"One", "?ONE", "", 0, {}},
                           {"Two", "?TWO", "", 0, {}},
                           {"About", "?ABOUT", "", 0, {}}}}};
        StartProcedure(
            [this, frame] {
                runRecordingWindow(frame, WindowKind::Frame, log, [this](int code, int control) {
                    if (code == EVENT::Accepted && control == -3)
                        startWindow("one", WindowKind::Child);
                    if (code == EVENT::Accepted && control == -4)
                        startWindow("two", WindowKind::Child);
                    if (code == EVENT::Accepted && control == -5)
                        startWindow("about", WindowKind::Plain);
                    return LoopAnswer::CarryOn;
                });
                log.add("frame ends");
            },
            25000);
        settle();
        frameId = windowTitled("frame");
    }

    void startWindow(std::string title, WindowKind kind) {
        StartProcedure(
            [this, title, kind] {
                WindowDescription description = plainWindow(title);
                ControlDescription button;
                button.type = ControlType::Button;
                button.text = "Ask";
                description.controls = {button};
                runRecordingWindow(description, kind, log, [this, title](int code, int) {
                    if (code == EVENT::Accepted) {
                        toolkit::BoxData box;
                        box.text = "question";
                        box.buttons = {{1, "OK"}};
                        RunModalBox(box);
                    }
                    if (code == EVENT::CloseDown && refuseCloseDown > 0) {
                        --refuseCloseDown;
                        return LoopAnswer::SkipDefault;
                    }
                    return LoopAnswer::CarryOn;
                });
                log.add(title + " ends");
            },
            25000);
    }

    void open(int menuItem) {
        windowInput().userChoosesMenu(frameId, menuItem);
        settle();
    }

    std::ptrdiff_t position(const std::string& line) {
        std::vector<std::string> seen = log.entries();
        auto it = std::find(seen.begin(), seen.end(), line);
        EXPECT_NE(it, seen.end()) << line;
        return it - seen.begin();
    }

    std::vector<std::string> titles() {
        std::vector<std::string> result;
        for (const OpenWindowInfo& window : openWindows())
            result.push_back(window.title);
        return result;
    }

    std::uint32_t frameId = 0;
    std::atomic<int> refuseCloseDown{0};
};

TEST_F(FrameShutdownTest, ChildrenCloseFirstMostRecentFirstAndPlainWindowsStayOpen) {
    startFrame();
    open(-3);
    open(-4);
    open(-5);
    EXPECT_EQ((std::vector<std::string>{"frame", "one", "two", "about"}), titles());
    EXPECT_EQ(4, liveThreadCount());

    windowInput().userCloses(frameId);
    settle();
    EXPECT_LT(position("two " + eventText(EVENT::CloseDown, 0)),
              position("one " + eventText(EVENT::CloseDown, 0)));
    EXPECT_LT(position("two " + eventText(EVENT::CloseDown, 0)), position("two ends"));
    EXPECT_LT(position("one " + eventText(EVENT::CloseDown, 0)), position("frame ends"));
    std::vector<std::string> seen = log.entries();
    EXPECT_EQ(0, std::count(seen.begin(), seen.end(), "frame " + eventText(EVENT::CloseDown, 0)));
    EXPECT_EQ(0, std::count(seen.begin(), seen.end(), "about " + eventText(EVENT::CloseDown, 0)));

    // Only the plain window's thread is left.
    EXPECT_EQ((std::vector<std::string>{"about"}), titles());
    EXPECT_EQ(1, liveThreadCount());
    EXPECT_TRUE(screen.quitRequested()) << "the program's first thread has ended";
    closeAndFinish({windowTitled("about")});
}

TEST_F(FrameShutdownTest, TheFrameBeepsAndStaysOpenWhileEveryChildIsDisabled) {
    startFrame();
    open(-3);
    std::uint32_t child = windowTitled("one");
    windowInput().userPresses(child, 1); // the child asks a question and waits for the answer
    settle();
    ASSERT_TRUE(screen.box());
    EXPECT_FALSE(screen.windowEnabled(child));

    windowInput().userCloses(frameId);
    settle();
    EXPECT_EQ(1, screen.beeps());
    EXPECT_EQ((std::vector<std::string>{"frame", "one"}), titles());

    windowInput().userAnswersBox(1);
    settle();
    EXPECT_TRUE(screen.windowEnabled(child));
    closeAndFinish({frameId});
    EXPECT_TRUE(titles().empty());
}

// A child that keeps itself open stops the shutdown instead of leaving the frame waiting for
// ever.
TEST_F(FrameShutdownTest, AChildThatRefusesToCloseKeepsTheFrameOpen) {
    startFrame();
    open(-3);
    refuseCloseDown = 1;
    windowInput().userCloses(frameId);
    settle();
    EXPECT_EQ((std::vector<std::string>{"frame", "one"}), titles());
    closeAndFinish({frameId});
    EXPECT_TRUE(titles().empty());
}

} // namespace
} // namespace tamberlo::testing
