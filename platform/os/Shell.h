#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace tamberlo::os {

// Hands a web address (or a file) to the desktop, which opens it with the user's default
// program. Returns at once, without waiting for that program.
class Shell {
public:
    virtual ~Shell() = default;
    // False when nothing could be started.
    virtual bool open(std::string_view address) = 0;
};

// The Linux desktop's: runs `xdg-open ADDRESS` directly, with no shell in between, so the
// address reaches it as one argument whatever characters it holds. The child is reaped in the
// background. Addresses that are empty, hold a NUL byte or start with "-" (which the opener
// would take for an option) are refused.
class XdgOpenShell final : public Shell {
public:
    // `program` is looked up in PATH unless it holds a "/".
    explicit XdgOpenShell(std::string program = "xdg-open") : m_program(std::move(program)) {}
    bool open(std::string_view address) override;

private:
    std::string m_program;
};

// Records the addresses instead of opening them (tests, the drive tool).
class RecordingShell final : public Shell {
public:
    bool open(std::string_view address) override;
    // The addresses recorded since the last call, oldest first.
    std::vector<std::string> take();

private:
    std::mutex m_mutex;
    std::vector<std::string> m_addresses;
};

// The process's shell: the Linux desktop's unless replaced.
Shell& shell();
// Replaces it (nullptr restores the Linux desktop's). The caller keeps the object alive while
// it is installed.
void setShell(Shell* replacement);

inline constexpr int SW_SHOWNORMAL = 1;

// The shell-execute call as the program makes it: opens `file` with the process's shell. Only
// the default operation (null, empty or "open") without parameters is supported; the owner,
// directory and show command do not apply here. Returns a value above 32 when the address was
// handed on, 2 when nothing could be started and 31 for a call it cannot carry out.
std::intptr_t ShellExecuteA(std::intptr_t owner, const char* operation, const char* file,
                            const char* parameters, const char* directory, int showCommand);

} // namespace tamberlo::os
