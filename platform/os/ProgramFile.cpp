#include "platform/os/ProgramFile.h"

namespace tamberlo::os {

std::filesystem::path programFileName() {
    std::error_code error;
    auto name = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : name;
}

} // namespace tamberlo::os
