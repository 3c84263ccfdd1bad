#include "runtime/window/Threads.h"
#include "runtime/window/ModalBox.h"
#include "runtime/window/ThreadGlobal.h"
#include "tests/runtime/window/WindowTestSupport.h"

#include <atomic>
#include <future>
#include <pthread.h>
#include <thread>

namespace tamberlo::testing {
namespace {

using ThreadsTest = WindowTest;

std::size_t platformDefaultStack() {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    std::size_t size = 0;
    pthread_attr_getstacksize(&attributes, &size);
    pthread_attr_destroy(&attributes);
    return size;
}

TEST_F(ThreadsTest, StackIsRaisedToTheMinimumAndNeverCappedBelowThePlatformDefault) {
    struct Case {
        std::size_t requested;
        std::size_t recorded;
    };
    for (Case c :
         {Case{1000, 20000}, Case{20000, 20000}, Case{25000, 25000}, Case{4u << 20, 4u << 20}}) {
        std::promise<std::pair<std::size_t, std::size_t>> seen;
        ASSERT_NE(0, StartProcedure(
                         [&seen] {
                             pthread_attr_t attributes;
                             pthread_getattr_np(pthread_self(), &attributes);
                             std::size_t actual = 0;
                             pthread_attr_getstacksize(&attributes, &actual);
                             pthread_attr_destroy(&attributes);
                             seen.set_value({ThreadStackSize(), actual});
                         },
                         c.requested));
        auto [recorded, actual] = seen.get_future().get();
        EXPECT_EQ(c.recorded, recorded) << "requested " << c.requested;
        EXPECT_GE(actual, std::max(c.requested, platformDefaultStack()))
            << "requested " << c.requested;
        ASSERT_TRUE(waitUntilThreadsEnded());
    }
}

TEST_F(ThreadsTest, ThreadsAreNumberedBySlotAndAFreedSlotIsReused) {
    auto window = [this](std::string title) {
        return [this, title] { runRecordingWindow(plainWindow(title), WindowKind::Plain, log); };
    };
    EXPECT_EQ(0, ThreadNumber());
    EXPECT_EQ(1, StartProcedure(window("one"), 25000));
    EXPECT_EQ(2, StartProcedure(window("two"), 25000));
    settle();
    windowInput().userCloses(windowTitled("one"));
    settle();
    EXPECT_EQ(1, liveThreadCount());
    EXPECT_EQ(1, StartProcedure(window("three"), 25000));
    settle();
    for (const OpenWindowInfo& open : openWindows())
        EXPECT_EQ(open.title == "two" ? 2 : 1, open.thread) << open.title;
    closeAndFinish({windowTitled("two"), windowTitled("three")});
}

// A procedure started by a runtime thread runs only once that thread waits for an event in its
// loop, or ends.
TEST_F(ThreadsTest, GoSignalWaitsForTheStarterToWaitForAnEventOrEnd) {
    StartProcedure(
        [this] {
            Window* window = DeclareWindow(plainWindow("starter"), WindowKind::Plain);
            OpenWindow(window);
            StartProcedure([this] { log.add("started runs"); }, 25000);
            log.add("starter enters its loop");
            EventLoop(window, [] { return LoopAnswer::CarryOn; });
            ReleaseWindow(window);
        },
        25000);
    settle();
    EXPECT_EQ((std::vector<std::string>{"starter enters its loop", "started runs"}), log.entries());
    windowInput().userCloses(windowTitled("starter"));
    ASSERT_TRUE(waitUntilThreadsEnded());

    log.clear();
    StartProcedure(
        [this] {
            StartProcedure([this] { log.add("started runs"); }, 25000);
            log.add("starter ends");
        },
        25000);
    ASSERT_TRUE(waitUntilThreadsEnded());
    EXPECT_EQ((std::vector<std::string>{"starter ends", "started runs"}), log.entries());
}

// The program's first thread may be one the runtime did not start (the process's own).
TEST_F(ThreadsTest, AnAdoptedThreadNumbersLikeOthersAndGivesTheGoSignalWhenReleased) {
    std::int32_t adopted = 0;
    std::thread first([&] {
        adopted = AdoptThread();
        EXPECT_EQ(adopted, AdoptThread()) << "adopting twice keeps the number";
        StartProcedure([this] { log.add("started runs"); }, 25000);
        log.add("adopted thread ends");
        ReleaseThread();
        EXPECT_EQ(0, ThreadNumber());
    });
    first.join();
    ASSERT_TRUE(waitUntilThreadsEnded());
    EXPECT_EQ(1, adopted);
    EXPECT_EQ((std::vector<std::string>{"adopted thread ends", "started runs"}), log.entries());
    EXPECT_EQ(0, liveThreadCount());
}

struct Counted {
    static inline std::atomic<int> live{0};
    int value;
    Counted(int v) : value(v) { ++live; }
    Counted(const Counted& other) : value(other.value) { ++live; }
    ~Counted() { --live; }
};

ThreadGlobal<int> perThread{7};
ThreadGlobal<Counted> perThreadCounted{Counted{3}};

TEST_F(ThreadsTest, PerThreadGlobalsStartAtTheirInitialValueOnEachThreadAndEndWithIt) {
    *ThreadInstance(perThread) = 99; // the starter's value must not leak into new threads
    int baseline = Counted::live;
    std::promise<int> firstSaw;
    std::promise<int> secondSaw;
    StartProcedure(
        [&] {
            firstSaw.set_value(*ThreadInstance(perThread));
            *ThreadInstance(perThread) = 5;
            ThreadInstance(perThreadCounted)->value = 8;
        },
        25000);
    EXPECT_EQ(7, firstSaw.get_future().get());
    ASSERT_TRUE(waitUntilThreadsEnded());
    EXPECT_EQ(baseline, Counted::live) << "the thread's instance was not released";
    StartProcedure(
        [&] {
            secondSaw.set_value(*ThreadInstance(perThread) * 100 +
                                ThreadInstance(perThreadCounted)->value);
        },
        25000);
    EXPECT_EQ(703, secondSaw.get_future().get());
    ASSERT_TRUE(waitUntilThreadsEnded());
    EXPECT_EQ(99, *ThreadInstance(perThread));
}

TEST_F(ThreadsTest, NoProcedureStartsWhileASystemModalBoxIsOnScreen) {
    std::promise<std::int32_t> answer;
    StartProcedure(
        [&answer] {
            toolkit::BoxData box;
            box.text = "system modal";
            box.buttons = {{1, "OK"}};
            box.systemModal = true;
            answer.set_value(RunModalBox(box));
        },
        25000);
    settle();
    ASSERT_TRUE(screen.box());
    EXPECT_EQ(0, StartProcedure([] {}, 25000));
    windowInput().userAnswersBox(1);
    EXPECT_EQ(1, answer.get_future().get());
    ASSERT_TRUE(waitUntilThreadsEnded());
    EXPECT_FALSE(screen.box());
    EXPECT_NE(0, StartProcedure([] {}, 25000));
}

} // namespace
} // namespace tamberlo::testing
