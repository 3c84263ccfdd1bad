#include "runtime/window/ThreadGlobal.h"

#include <vector>

namespace tamberlo {
namespace {

struct Slot {
    const void* global;
    void* instance;
    detail::ThreadSlotDestroy destroy;
};

// A thread uses a handful of per-thread globals, so a short list beats a hash map.
class ThreadStore {
public:
    ~ThreadStore() { release(); }

    void* find(const void* global) const {
        for (const Slot& slot : m_slots)
            if (slot.global == global)
                return slot.instance;
        return nullptr;
    }

    void* add(const void* global, detail::ThreadSlotCreate create,
              detail::ThreadSlotDestroy destroy) {
        void* instance = create(global);
        m_slots.push_back({global, instance, destroy});
        return instance;
    }

    void release() {
        while (!m_slots.empty()) {
            Slot slot = m_slots.back();
            m_slots.pop_back();
            slot.destroy(slot.instance);
        }
    }

private:
    std::vector<Slot> m_slots;
};

thread_local ThreadStore t_store;

} // namespace

void* detail::threadSlot(const void* global, ThreadSlotCreate create, ThreadSlotDestroy destroy) {
    if (void* instance = t_store.find(global))
        return instance;
    return t_store.add(global, create, destroy);
}

void releaseThreadGlobals() {
    t_store.release();
}

} // namespace tamberlo
