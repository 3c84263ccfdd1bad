#include "runtime/datetime/RegionalPictures.h"

#include "runtime/datetime/EnvironmentFile.h"
#include "runtime/datetime/RegionalSettings.h"
#include "runtime/datetime/RegionalTemplates.h"

#include <atomic>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

namespace tamberlo {
namespace {

const DateTimeTables builtInTables;

// Readers load the published tables without a lock. Every build gets tables of its own that are
// never freed, not even at exit, so a reader that still holds earlier ones (or a thread still
// formatting while the process ends) is never left with a dangling reference.
std::atomic<const DateTimeTables*> published{&builtInTables};
std::mutex buildLock;
bool built = false;                                    // guarded by buildLock
auto* const builds = new std::deque<DateTimeTables>(); // guarded by buildLock

void build(const os::IntlSettings& source, std::optional<std::string> environmentText) {
    RegionalSettings settings = readRegionalSettings(source);
    DateTimeTables& tables = builds->emplace_back();
    tables.shortTime = timeTemplate(settings, false);
    tables.longTime = timeTemplate(settings, true);
    tables.shortDate = shortDateTemplate(settings.sShortDate);
    tables.longDate = longDateTemplate(settings.sLongDate);
    if (environmentText)
        applyEnvironment(*environmentText, tables.names, settings.s1159, settings.s2359);
    published.store(&tables, std::memory_order_release);
    built = true;
}

} // namespace

const DateTimeTables& dateTimeTables() {
    return *published.load(std::memory_order_acquire);
}

void buildRegionalPictures(const os::IntlSettings& settings,
                           const std::filesystem::path& environmentFile) {
    std::lock_guard lock(buildLock);
    if (built)
        return;
    build(settings, environmentFile.empty() ? std::nullopt : readEnvironmentFile(environmentFile));
}

void rebuildRegionalPictures(const os::IntlSettings& settings, std::string_view environmentText) {
    std::lock_guard lock(buildLock);
    build(settings, std::string(environmentText));
}

} // namespace tamberlo
