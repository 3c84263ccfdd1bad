// Parses any bytes as an INI file and checks what the settings writer promises: the file is
// written back exactly as read, a set or a delete touches only its own line, and the value set
// is the value read back afterwards.

#include "platform/os/IniFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using tamberlo::os::IniFile;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

// Where two texts differ: the bytes of each between their common beginning and common end.
struct Difference {
    std::string_view removed;
    std::string_view added;
};

Difference difference(std::string_view before, std::string_view after) {
    std::size_t limit = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < limit && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < limit - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {before.substr(head, before.size() - head - tail),
            after.substr(head, after.size() - head - tail)};
}

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Names to aim at: the input's own first section and key when there are any, and names that
// are surely new.
std::vector<std::pair<std::string, std::string>> targets(const IniFile& ini) {
    std::vector<std::pair<std::string, std::string>> result{{"FuzzSection", "FuzzKey"}};
    for (const auto& line : ini.lines()) {
        if (line.kind != IniFile::LineKind::Section)
            continue;
        std::string key = "FuzzKey";
        for (const auto& name : ini.keyNames(line.name))
            if (!name.empty()) {
                key = name;
                break;
            }
        result.emplace_back(line.name, key);
        break;
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto original = IniFile::parse(bytes);
    check(original.serialize() == bytes);

    for (const auto& [section, key] : targets(original)) {
        auto edited = original;
        const std::string value = " fuzz=value ";
        check(edited.set(section, key, value));
        auto written = edited.serialize();
        auto reread = IniFile::parse(written);
        check(reread.serialize() == written);
        check(reread.value(section, key) == std::string("fuzz=value"));
        check(reread.hasByteOrderMark() == original.hasByteOrderMark());
        // Every other byte stays: either text inside one line changed, or new lines went in
        // at one place.
        auto change = difference(bytes, written);
        check(change.removed.empty() || !hasLineBreak(change.removed));

        auto trimmed = original;
        bool removed = trimmed.remove(section, key);
        auto remaining = trimmed.serialize();
        change = difference(bytes, remaining);
        check(change.added.empty());
        check(removed != change.removed.empty());
        if (removed)
            check(IniFile::parse(remaining).lines().size() < original.lines().size());
    }
    return 0;
}
