#pragma once

#include <filesystem>

namespace tamberlo::os {

// The running program's full file name (on Linux, what /proc/self/exe points at); empty when
// it cannot be found.
std::filesystem::path programFileName();

} // namespace tamberlo::os
