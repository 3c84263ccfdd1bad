#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <sys/types.h>

namespace tamberlo::os {

// Replaces `target` with `contents` so that any reader, and the disk after a crash, sees either
// the old file whole or the new one whole: the bytes go to a temporary file in the same folder,
// are flushed to the disk, and the temporary file is renamed over the target; then the folder
// itself is flushed so that the rename persists. `mode` gives the new file's permission bits
// (the old file's, to keep them); without it a new file gets 0666 less the umask.
//
// Returns false when any step before the rename fails; the target is then untouched and the
// temporary file removed. A failure to flush the folder after the rename is not reported, since
// the new contents are in place by then.
bool replaceFileAtomically(const std::filesystem::path& target, std::string_view contents,
                           std::optional<mode_t> mode = std::nullopt);

// The steps a replacement can fail at, for tests that simulate a failure.
enum class AtomicWriteStep { CreateTemporary, Write, Sync, Rename };

// Installs a hook asked before each step; when it returns true, the step fails as if the system
// had refused it. An empty hook removes it.
void setAtomicWriteFaultHook(std::function<bool(AtomicWriteStep)> hook);

} // namespace tamberlo::os
