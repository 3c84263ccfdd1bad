#include "platform/os/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tamberlo::os {
namespace {

std::mutex hookMutex;
std::function<bool(AtomicWriteStep)> faultHook;

bool simulatedFault(AtomicWriteStep step) {
    std::function<bool(AtomicWriteStep)> hook;
    {
        std::lock_guard lock(hookMutex);
        hook = faultHook;
    }
    if (hook && hook(step)) {
        errno = EIO;
        return true;
    }
    return false;
}

std::atomic<unsigned> temporaryCounter{0};

// A hidden name beside the target. O_EXCL makes a name taken by another writer (this process or
// another) fail, and the next number is tried.
int createTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
    std::string base = target.filename().string();
    if (base.size() > 200) // stay below the file-name limit with the suffix added
        base.resize(200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target.parent_path() /
                    ("." + base + ".tmp." + std::to_string(::getpid()) + "." +
                     std::to_string(temporaryCounter.fetch_add(1, std::memory_order_relaxed)));
        int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void syncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool replaceFileAtomically(const std::filesystem::path& target, std::string_view contents,
                           std::optional<mode_t> mode) {
    std::filesystem::path temporary;
    if (simulatedFault(AtomicWriteStep::CreateTemporary))
        return false;
    int fd = createTemporary(target, temporary);
    if (fd < 0)
        return false;
    auto fail = [&](bool open) {
        if (open)
            ::close(fd);
        ::unlink(temporary.c_str());
        return false;
    };
    if (mode)
        ::fchmod(fd, *mode & 07777); // best effort: the contents matter more than the bits
    if (simulatedFault(AtomicWriteStep::Write) || !writeAll(fd, contents))
        return fail(true);
    if (simulatedFault(AtomicWriteStep::Sync) || ::fsync(fd) != 0)
        return fail(true);
    if (::close(fd) != 0)
        return fail(false);
    if (simulatedFault(AtomicWriteStep::Rename) || ::rename(temporary.c_str(), target.c_str()) != 0)
        return fail(false);
    syncFolder(target.parent_path());
    return true;
}

void setAtomicWriteFaultHook(std::function<bool(AtomicWriteStep)> hook) {
    std::lock_guard lock(hookMutex);
    faultHook = std::move(hook);
}

} // namespace tamberlo::os
