#include "framework/ProcedureNames.h"

#include "runtime/window/Threads.h"

#include <atomic>
#include <mutex>
#include <utility>
#include <vector>

namespace tamberlo {
namespace {

class NameKeeper final : public ProcedureNameRegistry {
public:
    void PushProcedureName(std::string_view name) override {
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
        std::lock_guard lock(m_mutex);
        m_names.emplace_back(ThreadNumber(), std::string(name));
    }

    void PopProcedureName() override {
        std::lock_guard lock(m_mutex);
        std::int32_t thread = ThreadNumber();
        for (auto it = m_names.rbegin(); it != m_names.rend(); ++it)
            if (it->first == thread) {
                if (!it->second.empty())
                    m_names.erase(std::next(it).base());
                return;
            }
    }

    std::string CurrentProcedureName() override {
        std::lock_guard lock(m_mutex);
        std::int32_t thread = ThreadNumber();
        for (auto it = m_names.rbegin(); it != m_names.rend(); ++it)
            if (it->first == thread)
                return it->second;
        return {};
    }

private:
    std::mutex m_mutex;
    std::vector<std::pair<std::int32_t, std::string>> m_names;
};

NameKeeper& keeper() {
    static NameKeeper* instance = new NameKeeper;
    return *instance;
}

std::atomic<ProcedureNameRegistry*> registered{nullptr};
std::atomic<ErrorReporter*> errors{nullptr};

} // namespace

ProcedureNameRegistry& procedureNames() {
    ProcedureNameRegistry* registry = registered.load(std::memory_order_acquire);
    return registry ? *registry : keeper();
}

void setProcedureNames(ProcedureNameRegistry* registry) {
    registered.store(registry, std::memory_order_release);
}

ErrorReporter* programErrors() {
    return errors.load(std::memory_order_acquire);
}

void setProgramErrors(ErrorReporter* reporter) {
    errors.store(reporter, std::memory_order_release);
}

} // namespace tamberlo
