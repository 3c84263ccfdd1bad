#include "platform/os/Shell.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace tamberlo::os {
namespace {

XdgOpenShell linuxShell;
std::atomic<Shell*> installed{nullptr};

// Waits for the child in the background so that it leaves no zombie behind; nobody waits for
// the browser itself, which the opener usually leaves running on its own.
void reapInBackground(pid_t child) {
    try {
        std::thread([child] {
            while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        // No thread to spare: the child is reaped when the process ends.
    }
}

} // namespace

bool XdgOpenShell::open(std::string_view address) {
    if (address.empty() || address.front() == '-' || address.find('\0') != std::string_view::npos)
        return false;
    std::string argument(address);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return false;
    if (posix_spawnattr_init(&attributes) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return false;
    }
    // The opener gets no input from us, starts with no signals blocked and the default
    // handlers, and in a process group of its own, so that a Ctrl+C meant for this program
    // does not reach the browser.
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (int signal : {SIGPIPE, SIGCHLD, SIGINT, SIGQUIT, SIGTERM, SIGHUP})
        sigaddset(&defaults, signal);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF |
                                              POSIX_SPAWN_SETPGROUP);

    char* arguments[] = {m_program.data(), argument.data(), nullptr};
    pid_t child = 0;
    int error = posix_spawnp(&child, m_program.c_str(), &actions, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        return false; // no opener installed: nothing opens, quietly
    reapInBackground(child);
    return true;
}

bool RecordingShell::open(std::string_view address) {
    std::lock_guard lock(m_mutex);
    m_addresses.emplace_back(address);
    return true;
}

std::vector<std::string> RecordingShell::take() {
    std::lock_guard lock(m_mutex);
    return std::exchange(m_addresses, {});
}

Shell& shell() {
    Shell* replacement = installed.load(std::memory_order_acquire);
    return replacement ? *replacement : linuxShell;
}

void setShell(Shell* replacement) {
    installed.store(replacement, std::memory_order_release);
}

std::intptr_t ShellExecuteA(std::intptr_t, const char* operation, const char* file,
                            const char* parameters, const char*, int) {
    constexpr std::intptr_t handedOn = 42, notFound = 2, notSupported = 31;
    if (operation && *operation && std::strcmp(operation, "open") != 0)
        return notSupported;
    if (parameters && *parameters)
        return notSupported;
    if (!file || !*file)
        return notFound;
    return shell().open(file) ? handedOn : notFound;
}

} // namespace tamberlo::os
