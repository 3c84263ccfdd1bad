#pragma once

#include <utility>

// Globals declared per thread: each thread that uses one gets its own instance, created on its
// first use with the global's declared initial value (never the value another thread holds)
// and released when the thread ends.

namespace tamberlo {

namespace detail {
using ThreadSlotCreate = void* (*)(const void* global);
using ThreadSlotDestroy = void (*)(void* instance);
// The calling thread's instance of `global`, created by `create` on first use.
void* threadSlot(const void* global, ThreadSlotCreate create, ThreadSlotDestroy destroy);
} // namespace detail

template <class T>
class ThreadGlobal {
public:
    constexpr ThreadGlobal() = default;
    constexpr explicit ThreadGlobal(T initial) : m_initial(std::move(initial)) {}
    ThreadGlobal(const ThreadGlobal&) = delete;
    ThreadGlobal& operator=(const ThreadGlobal&) = delete;

    const T& initial() const { return m_initial; }

    // The calling thread's instance.
    T* instance() const { return static_cast<T*>(detail::threadSlot(this, &create, &destroy)); }

private:
    static void* create(const void* global) {
        return new T(static_cast<const ThreadGlobal*>(global)->m_initial);
    }
    static void destroy(void* instance) { delete static_cast<T*>(instance); }

    T m_initial{};
};

// The address of the calling thread's instance of a per-thread global.
template <class T>
T* ThreadInstance(const ThreadGlobal<T>& global) {
    return global.instance();
}

// Releases every per-thread instance of the calling thread, newest first. Runtime threads do
// this when their procedure returns; other threads when they end.
void releaseThreadGlobals();

} // namespace tamberlo
