#include "platform/os/SystemDirectory.h"

#include <cstdlib>
#include <mutex>
#include <pwd.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace tamberlo::os {
namespace {

std::mutex directoryMutex;
std::filesystem::path replacedDirectory;

std::filesystem::path homeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && *found->pw_dir)
        return found->pw_dir;
    return {};
}

} // namespace

std::filesystem::path systemDirectory() {
    {
        std::lock_guard lock(directoryMutex);
        if (!replacedDirectory.empty())
            return replacedDirectory;
    }
    // A relative XDG_CONFIG_HOME is invalid by its own rules and is ignored.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return std::filesystem::path(config) / "tamberlo";
    auto home = homeDirectory();
    if (home.empty())
        return {};
    return home / ".config" / "tamberlo";
}

void setSystemDirectory(const std::filesystem::path& directory) {
    std::lock_guard lock(directoryMutex);
    replacedDirectory = directory;
}

std::filesystem::path profilePath(std::string_view file) {
    if (file.find('/') != std::string_view::npos)
        return std::filesystem::path(file);
    auto directory = systemDirectory();
    if (directory.empty())
        return {}; // no home to keep settings in: reads give defaults, writes fail
    return directory / (file.empty() ? std::string_view("win.ini") : file);
}

} // namespace tamberlo::os
