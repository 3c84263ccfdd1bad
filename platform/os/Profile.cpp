#include "platform/os/Profile.h"

#include "platform/os/AtomicFile.h"
#include "platform/os/FileContents.h"
#include "platform/os/IniFile.h"
#include "platform/os/SystemDirectory.h"

#include <climits>
#include <functional>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace tamberlo::os {
namespace {

// Every write is read, change, replace; one lock for all files keeps two threads of this
// process from losing each other's changes to the same file.
std::mutex writeMutex;

bool isBareName(std::string_view file) {
    return file.find('/') == std::string_view::npos;
}

std::optional<IniFile> loadForReading(std::string_view file) {
    auto path = profilePath(file);
    if (path.empty())
        return std::nullopt;
    auto contents = readFileContents(path);
    if (contents.state != FileContents::State::Read)
        return std::nullopt;
    return IniFile::parse(contents.bytes);
}

// The file a write replaces: a symbolic link is followed, so that the link stays and the file
// it points at changes.
std::filesystem::path writeTarget(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    auto resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved;
}

bool isWritable(const std::filesystem::path& path, const struct stat& info) {
    // The mode bits are checked as well as access(), since access() grants root everything and
    // a file marked read-only must stay as it is for every user.
    return (info.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

bool updateProfile(std::string_view file, const std::function<bool(IniFile&)>& edit) {
    auto path = profilePath(file);
    if (path.empty())
        return false;
    std::lock_guard lock(writeMutex);
    auto target = writeTarget(path);
    auto contents = readFileContents(target);
    if (contents.state == FileContents::State::Unreadable)
        return false;
    auto ini = IniFile::parse(contents.bytes);
    if (!edit(ini))
        return false;
    auto bytes = ini.serialize();
    if (bytes == contents.bytes && (contents.state == FileContents::State::Read || bytes.empty()))
        return true; // nothing changes: no need to touch the disk

    std::optional<mode_t> mode;
    if (contents.state == FileContents::State::Read) {
        struct stat info {};
        if (::stat(target.c_str(), &info) != 0 || !isWritable(target, info))
            return false;
        mode = info.st_mode;
    } else if (isBareName(file)) {
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        if (error)
            return false;
    }
    return replaceFileAtomically(target, bytes, mode);
}

} // namespace

int profileNumber(std::string_view text) {
    long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        number = number * 10 + (c - '0');
        if (number > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(number);
}

std::optional<std::string> readProfileValue(std::string_view section, std::string_view key,
                                            std::string_view file) {
    auto ini = loadForReading(file);
    if (!ini)
        return std::nullopt;
    return ini->value(section, key);
}

std::string getPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::string_view file) {
    auto value = readProfileValue(section, key, file);
    return value ? std::move(*value) : std::string(defaultValue);
}

int getPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         std::string_view file) {
    auto value = readProfileValue(section, key, file);
    return value ? profileNumber(*value) : defaultValue;
}

bool writePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, std::string_view file) {
    return updateProfile(file, [&](IniFile& ini) { return ini.set(section, key, value); });
}

bool deletePrivateProfileKey(std::string_view section, std::string_view key,
                             std::string_view file) {
    return updateProfile(file, [&](IniFile& ini) {
        ini.remove(section, key);
        return true;
    });
}

std::string getProfileString(std::string_view section, std::string_view key,
                             std::string_view defaultValue) {
    return getPrivateProfileString(section, key, defaultValue, {});
}

int getProfileInt(std::string_view section, std::string_view key, int defaultValue) {
    return getPrivateProfileInt(section, key, defaultValue, {});
}

bool writeProfileString(std::string_view section, std::string_view key, std::string_view value) {
    return writePrivateProfileString(section, key, value, {});
}

} // namespace tamberlo::os
