#pragma once

#include "platform/headless/HeadlessToolkit.h"
#include "platform/os/ManualClock.h"
#include "runtime/window/EntryReader.h"
#include "runtime/window/EventLoop.h"
#include "runtime/window/Events.h"
#include "runtime/window/Input.h"
#include "runtime/window/Quiescence.h"
#include "runtime/window/Threads.h"
#include "runtime/window/ToolkitBinding.h"
#include "runtime/window/Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tamberlo::testing {

// A thread-safe record of what procedures saw, read by the test once the runtime is quiescent.
class Log {
public:
    void add(std::string entry) {
        std::lock_guard lock(m_mutex);
        m_entries.push_back(std::move(entry));
    }
    std::vector<std::string> entries() const {
        std::lock_guard lock(m_mutex);
        return m_entries;
    }
    void clear() {
        std::lock_guard lock(m_mutex);
        m_entries.clear();
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_entries;
};

// Events as "code:control", the form the logs use.
inline std::string eventText(int code, int control) {
    return std::to_string(code) + ":" + std::to_string(control);
}

// Reads only digits (an optional leading "-") into a Text variable; refuses anything else.
// Enough to see when and how the runtime reads entries, apart from any picture.
class DigitsReader final : public EntryReader {
public:
    void setPicture(std::string_view) override {}
    std::string display(const UseVariable& variable) override { return held(variable); }
    std::optional<std::string> read(std::string_view text, const UseVariable& variable) override {
        std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
        for (std::size_t i = start; i < text.size(); ++i)
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
        if (variable.bound()) {
            auto* target = static_cast<char*>(variable.address);
            std::string value(text.substr(0, variable.size));
            value.resize(variable.size, ' ');
            value.copy(target, variable.size);
        }
        return "[" + std::string(text) + "]";
    }

    static std::string held(const UseVariable& variable) {
        if (!variable.bound())
            return {};
        std::string value(static_cast<const char*>(variable.address), variable.size);
        while (!value.empty() && value.back() == ' ')
            value.pop_back();
        return value;
    }

    static std::unique_ptr<EntryReader> make() { return std::make_unique<DigitsReader>(); }
};

inline UseVariable textVariable(char* buffer, std::uint16_t size) {
    return {VariableType::Text, buffer, size, 0};
}

inline WindowDescription plainWindow(std::string title) {
    WindowDescription description;
    description.title = std::move(title);
    description.width = 120;
    description.height = 60;
    description.systemMenu = true;
    return description;
}

using Answer = std::function<LoopAnswer(int code, int control)>;

inline LoopAnswer carryOn(int, int) {
    return LoopAnswer::CarryOn;
}

// A window procedure for tests: declares and opens the window on the calling thread, runs its
// loop logging "title code:control" for every event, and releases it when the loop ends.
inline void runRecordingWindow(const WindowDescription& description, WindowKind kind, Log& log,
                               Answer answer = carryOn, std::vector<UseVariable> uses = {}) {
    Window* window = DeclareWindow(description, kind, uses);
    OpenWindow(window);
    EventLoop(window, [&] {
        log.add(description.title + " " + eventText(CurrentEvent(), EventControl()));
        return answer(CurrentEvent(), EventControl());
    });
    ReleaseWindow(window);
}

// Each test gets a headless screen and a clock that moves only when the test moves it; at the
// end every thread the test started must have ended.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        os::setClock(&clock);
        setToolkit(&screen);
        setEntryReaderFactory(&DigitsReader::make);
    }

    void TearDown() override {
        EXPECT_TRUE(waitUntilThreadsEnded()) << "a runtime thread was left running";
        setEntryReaderFactory(nullptr);
        setToolkit(nullptr);
        os::setClock(nullptr);
    }

    // Runs `body` on a new runtime thread with the window open, then releases the window and
    // waits until the thread has ended.
    void onWindowThread(const WindowDescription& description, WindowKind kind,
                        const std::function<void(Window*)>& body,
                        std::vector<UseVariable> uses = {}) {
        StartProcedure(
            [&] {
                Window* window = DeclareWindow(description, kind, uses);
                OpenWindow(window);
                body(window);
                ReleaseWindow(window);
            },
            25000);
        ASSERT_TRUE(waitUntilThreadsEnded());
    }

    // Closes the windows with their close command and waits until every thread has ended, so
    // that nothing the test body owns is used after it returns.
    static void closeAndFinish(std::initializer_list<std::uint32_t> windows) {
        for (std::uint32_t window : windows)
            windowInput().userCloses(window);
        ASSERT_TRUE(waitUntilThreadsEnded());
    }

    static void settle() { ASSERT_TRUE(waitUntilQuiescent()) << "the runtime did not settle"; }

    // The open window with this title; 0 when there is none.
    static std::uint32_t windowTitled(std::string_view title) {
        for (const OpenWindowInfo& window : openWindows())
            if (window.title == title)
                return window.id;
        return 0;
    }

    headless::HeadlessToolkit screen;
    os::ManualClock clock;
    // Outlives the test body, so threads still ending may log into it.
    Log log;
};

} // namespace tamberlo::testing
