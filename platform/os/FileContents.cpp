#include "platform/os/FileContents.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tamberlo::os {

FileContents readFileContents(const std::filesystem::path& file, std::size_t maximumSize) {
    FileContents result;
    // Non-blocking, so that a FIFO given as a settings file cannot hang the program.
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.state = errno == ENOENT || errno == ENOTDIR ? FileContents::State::Missing
                                                           : FileContents::State::Unreadable;
        return result;
    }
    result.state = FileContents::State::Unreadable;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::uintmax_t>(info.st_size) <= maximumSize) {
        std::string bytes;
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        bool failed = false;
        // The file may grow while it is read; read on until its end, within the limit.
        for (;;) {
            if (done == bytes.size()) {
                if (bytes.size() >= maximumSize) {
                    char probe;
                    ssize_t more = ::read(fd, &probe, 1);
                    failed = more != 0;
                    break;
                }
                bytes.resize(std::min(maximumSize, bytes.size() + 4096));
            }
            ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                failed = true;
                break;
            }
            if (got == 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        if (!failed) {
            bytes.resize(done);
            result.bytes = std::move(bytes);
            result.state = FileContents::State::Read;
        }
    }
    ::close(fd);
    return result;
}

} // namespace tamberlo::os
