#include "runtime/window/Threads.h"

#include "runtime/window/ThreadGlobal.h"
#include "runtime/window/WindowModel.h"

#include <algorithm>

namespace tamberlo {

using namespace detail;

namespace {

std::size_t platformDefaultStack() {
    pthread_attr_t attributes;
    std::size_t size = 0;
    if (pthread_attr_init(&attributes) == 0) {
        pthread_attr_getstacksize(&attributes, &size);
        pthread_attr_destroy(&attributes);
    }
    return size;
}

std::int32_t takeSlotLocked(Model& m, RuntimeThread* thread) {
    for (std::size_t i = 0; i < m.slots.size(); ++i)
        if (!m.slots[i]) {
            m.slots[i] = thread;
            return static_cast<std::int32_t>(i + 1);
        }
    m.slots.push_back(thread);
    return static_cast<std::int32_t>(m.slots.size());
}

void runHooks(bool atStart) {
    Model& m = model();
    std::vector<std::pair<void (*)(), void (*)()>> hooks;
    {
        std::lock_guard lock(m.mutex);
        hooks = m.threadHooks;
    }
    if (atStart) {
        for (auto& hook : hooks)
            if (hook.first)
                hook.first();
    } else {
        for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
            if (it->second)
                it->second();
    }
}

// The end of a runtime thread's life: its windows close, procedures it started get their go
// signal, its per-thread state is released and its slot is free again.
void finishThread(RuntimeThread* self) {
    Model& m = model();
    {
        Lock lock(m.mutex);
        while (!self->windows.empty()) {
            Window* window = self->windows.back();
            closeWindow(lock, *window);
            std::erase(self->windows, window);
        }
    }
    self->procedure = nullptr;
    runHooks(false);
    releaseThreadGlobals();

    Lock lock(m.mutex);
    giveGoLocked(*self);
    self->state = ThreadState::Ended;
    if (self->number >= 1 && static_cast<std::size_t>(self->number) <= m.slots.size())
        m.slots[self->number - 1] = nullptr;
    bool first = self->number == 1;
    if (!self->adopted)
        m.ended.push_back(self);
    setCurrentThread(nullptr);
    // The program's first thread ending ends the program.
    if (first)
        toolkitOf(m).quit();
    stateChangedLocked(m);
    if (self->adopted) {
        lock.unlock();
        delete self;
    }
}

void* threadMain(void* argument) {
    auto* self = static_cast<RuntimeThread*>(argument);
    setCurrentThread(self);
    Model& m = model();
    {
        Lock lock(m.mutex);
        self->state = ThreadState::WaitingGo;
        --m.starting;
        stateChangedLocked(m);
        self->wake.wait(lock, [self] { return self->go; });
        self->state = ThreadState::Running;
    }
    runHooks(true);
    if (self->procedure)
        self->procedure();
    finishThread(self);
    return nullptr;
}

} // namespace

namespace detail {

void giveGoLocked(RuntimeThread& thread) {
    for (RuntimeThread* started : thread.awaitingGo) {
        started->go = true;
        wakeThreadLocked(*started);
    }
    thread.awaitingGo.clear();
}

bool systemModalLocked(const Model& m) {
    return std::any_of(m.boxes.begin(), m.boxes.end(),
                       [](const Box* box) { return box->data.systemModal; });
}

void reapEndedThreads() {
    Model& m = model();
    std::vector<RuntimeThread*> finished;
    {
        std::lock_guard lock(m.mutex);
        finished.swap(m.ended);
    }
    for (RuntimeThread* thread : finished) {
        pthread_join(thread->handle, nullptr);
        delete thread;
    }
}

} // namespace detail

int StartProcedure(Procedure procedure, std::size_t stackSize) {
    reapEndedThreads();
    Model& m = model();
    auto* thread = new RuntimeThread;
    thread->stackSize = std::max(stackSize, minimumProcedureStack);
    thread->procedure = std::move(procedure);
    // The recorded size is what was asked for; the stack itself may grow up to the platform's
    // default, as runtime code needs far more than the smallest request.
    std::size_t reserve = std::max(thread->stackSize, platformDefaultStack());

    Lock lock(m.mutex);
    if (systemModalLocked(m)) {
        lock.unlock();
        delete thread;
        return 0;
    }
    thread->number = takeSlotLocked(m, thread);
    ++m.starting;

    pthread_attr_t attributes;
    int created = pthread_attr_init(&attributes);
    if (created == 0) {
        if (pthread_attr_setstacksize(&attributes, reserve) != 0)
            pthread_attr_setstacksize(&attributes, platformDefaultStack());
        created = pthread_create(&thread->handle, &attributes, &threadMain, thread);
        pthread_attr_destroy(&attributes);
    }
    if (created != 0) {
        m.slots[thread->number - 1] = nullptr;
        --m.starting;
        lock.unlock();
        delete thread;
        return 0;
    }
    // Wait until the thread has registered itself.
    m.changed.wait(lock, [thread] { return thread->state != ThreadState::Starting; });
    std::int32_t number = thread->number;
    RuntimeThread* self = currentThread();
    if (self) {
        self->awaitingGo.push_back(thread);
    } else {
        thread->go = true;
        wakeThreadLocked(*thread);
    }
    return number;
}

std::int32_t ThreadNumber() {
    RuntimeThread* self = currentThread();
    return self ? self->number : 0;
}

std::size_t ThreadStackSize() {
    RuntimeThread* self = currentThread();
    return self ? self->stackSize : 0;
}

int AdoptThread() {
    if (RuntimeThread* self = currentThread())
        return self->number;
    Model& m = model();
    auto* thread = new RuntimeThread;
    thread->adopted = true;
    thread->go = true;
    thread->state = ThreadState::Running;
    thread->handle = pthread_self();
    {
        std::lock_guard lock(m.mutex);
        thread->number = takeSlotLocked(m, thread);
    }
    setCurrentThread(thread);
    runHooks(true);
    return thread->number;
}

void ReleaseThread() {
    if (RuntimeThread* self = currentThread(); self && self->adopted)
        finishThread(self);
}

void addThreadHooks(void (*atStart)(), void (*atEnd)()) {
    Model& m = model();
    std::lock_guard lock(m.mutex);
    m.threadHooks.emplace_back(atStart, atEnd);
}

} // namespace tamberlo
