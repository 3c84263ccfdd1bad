#include "framework/IniStore.h"

#include "platform/os/IniText.h"
#include "platform/os/Profile.h"

#include <algorithm>
#include <limits>

namespace tamberlo {
namespace {

constexpr std::size_t valueLength = 1023;
constexpr std::size_t fileNameLength = 259;
constexpr std::size_t unknownLength = 999;

std::string_view withoutTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string_view cut(std::string_view text, std::size_t length) {
    return text.substr(0, std::min(text.size(), length));
}

// The predefined root keys by their handle values as signed 32-bit numbers; 0 stands for the
// first of them.
std::optional<std::string_view> rootKeyName(std::int32_t rootKey) {
    constexpr std::int32_t classesRoot = std::numeric_limits<std::int32_t>::min();
    switch (rootKey) {
    case 0:
    case classesRoot:
        return "HKEY_CLASSES_ROOT";
    case classesRoot + 1:
        return "HKEY_CURRENT_USER";
    case classesRoot + 2:
        return "HKEY_LOCAL_MACHINE";
    case classesRoot + 3:
        return "HKEY_USERS";
    case classesRoot + 5:
        return "HKEY_CURRENT_CONFIG";
    default:
        return std::nullopt;
    }
}

// The numeric value of a stored count, read the way the decimal engine reads text: leading
// white space, an optional "-", digits with "." or "," as the decimal point, an optional
// exponent, the rest ignored. Only the whole part counts; below 1 or not a number is 0, and a
// value of more than 32 integer digits reads as 0 like any other overflowing text.
std::size_t countOf(std::string_view text) {
    std::size_t at = 0;
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    while (at < text.size() && os::isAsciiSpace(text[at]))
        ++at;
    if (at < text.size() && text[at] == '-')
        return 0;
    while (at < text.size() && text[at] == '0')
        ++at;
    std::string digits;
    long integerDigits = 0;
    for (; at < text.size() && isDigit(text[at]); ++at, ++integerDigits)
        digits += text[at];
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        for (++at; at < text.size() && isDigit(text[at]); ++at)
            digits += text[at];
    }
    long exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool negative = at < text.size() && text[at] == '-';
        if (at < text.size() && (text[at] == '-' || text[at] == '+'))
            ++at;
        for (; at < text.size() && isDigit(text[at]); ++at)
            exponent = std::min(exponent * 10 + (text[at] - '0'), 1000L);
        if (negative)
            exponent = -exponent;
    }
    if (integerDigits == 0) {
        // Only fraction digits: the value is below 1 unless the exponent lifts it; leading
        // zeros of the fraction shift the first significant digit down.
        auto first = digits.find_first_not_of('0');
        if (first == std::string::npos)
            return 0;
        integerDigits = -static_cast<long>(first);
        digits.erase(0, first);
    }
    long wholeDigits = integerDigits + exponent;
    if (wholeDigits <= 0 || wholeDigits > 32)
        return 0;
    std::size_t count = 0;
    constexpr std::size_t saturated = std::numeric_limits<std::size_t>::max();
    for (long i = 0; i < wholeDigits; ++i) {
        int digit =
            i < static_cast<long>(digits.size()) ? digits[static_cast<std::size_t>(i)] - '0' : 0;
        if (count > (saturated - static_cast<std::size_t>(digit)) / 10)
            return saturated;
        count = count * 10 + static_cast<std::size_t>(digit);
    }
    return count;
}

// A default that no stored value can equal, since values never hold a line break: a read that
// returns it found nothing.
constexpr std::string_view missingMarker = "\n";

// Where registry mode keeps a key path: its section in registry.ini, or nothing for a root key
// that does not exist.
std::optional<std::string> registrySection(std::int32_t rootKey, std::string_view fileName,
                                           std::string_view section) {
    auto root = rootKeyName(rootKey);
    if (!root)
        return std::nullopt;
    std::string path(*root);
    path += '\\';
    if (!fileName.empty()) {
        path += fileName;
        path += '\\';
    }
    path += section;
    return path;
}

// The fields of the store's own sector list, as Open reads them and Close writes them back.
constexpr ListField<SectorEntry> sectorFamily{&SectorEntry::dFAMILY, SectorFieldLength};
constexpr ListField<SectorEntry> sectorItem{&SectorEntry::dITEM, SectorFieldLength};
constexpr ListField<SectorEntry> sectorType{&SectorEntry::dTYPE, SectorFieldLength};

} // namespace

IniStore::~IniStore() = default;

void IniStore::AfterSectorListCreated() {}

void IniStore::BeforeClose() {}

std::string IniStore::ListKey(std::string_view name, std::size_t position) {
    std::string key(name);
    key += '_';
    key += std::to_string(position);
    return key;
}

std::string IniStore::ReadValue(std::string_view section, std::string_view key,
                                std::string_view defaultValue, std::string_view file) {
    std::lock_guard lock(CRITSECT);
    switch (NVTYPE) {
    case StorageIniFile: {
        auto value =
            os::getPrivateProfileString(withoutTrailingSpaces(section), withoutTrailingSpaces(key),
                                        cut(withoutTrailingSpaces(defaultValue), valueLength),
                                        cut(withoutTrailingSpaces(file), fileNameLength));
        return std::string(cut(value, valueLength));
    }
    case StorageRegistry: {
        auto path = registrySection(EXTRADATA, FILENAME, section);
        auto value = path ? os::readProfileValue(*path, key, RegistryFileName) : std::nullopt;
        if (!value || value->empty())
            return std::string(defaultValue);
        return std::string(cut(*value, valueLength));
    }
    default:
        return {};
    }
}

void IniStore::WriteValue(std::string_view section, std::string_view key, std::string_view value,
                          std::string_view file) {
    std::lock_guard lock(CRITSECT);
    switch (NVTYPE) {
    case StorageIniFile:
        os::writePrivateProfileString(withoutTrailingSpaces(section), withoutTrailingSpaces(key),
                                      cut(withoutTrailingSpaces(value), valueLength),
                                      withoutTrailingSpaces(file));
        break;
    case StorageRegistry:
        if (value.empty()) {
            DeleteValue(section, key);
        } else if (auto path = registrySection(EXTRADATA, FILENAME, section)) {
            os::writePrivateProfileString(*path, key, value, RegistryFileName);
        }
        break;
    default:
        break;
    }
}

void IniStore::Open(std::string_view fileName, std::int32_t storageKind, std::int32_t rootKey) {
    // Taken here too, although nothing else should run before the store is open: a store
    // reopened while another thread uses it must not race on its fields.
    std::lock_guard lock(CRITSECT);
    FILENAME = cut(fileName, fileNameLength);
    NVTYPE = storageKind;
    EXTRADATA = rootKey;
    SECTORS.emplace();
    AfterSectorListCreated();
    ReadList(BookkeepingSection, SectorsKey, *SECTORS, sectorFamily, sectorItem, sectorType);
}

void IniStore::Close() {
    std::lock_guard lock(CRITSECT);
    if (!SECTORS)
        return;
    WriteList(BookkeepingSection, SectorsKey, *SECTORS, sectorFamily, sectorItem, sectorType);
    SECTORS.reset();
}

void IniStore::WriteOwn(std::string_view section, std::string_view key, std::string_view value) {
    std::lock_guard lock(CRITSECT);
    WriteValue(section, key, value, FILENAME);
}

void IniStore::DeleteValue(std::string_view section, std::string_view key) {
    std::lock_guard lock(CRITSECT);
    switch (NVTYPE) {
    case StorageIniFile:
        os::deletePrivateProfileKey(withoutTrailingSpaces(section), withoutTrailingSpaces(key),
                                    withoutTrailingSpaces(FILENAME));
        break;
    case StorageRegistry:
        if (auto path = registrySection(EXTRADATA, FILENAME, section))
            os::deletePrivateProfileKey(*path, key, RegistryFileName);
        break;
    default:
        break;
    }
}

std::string IniStore::ReadOrUnknown(std::string_view section, std::string_view key) {
    std::lock_guard lock(CRITSECT);
    auto text = ReadValue(section, key, UnknownText, FILENAME);
    if (text.size() > unknownLength)
        text.resize(unknownLength);
    return text;
}

std::string IniStore::ReadField(std::string_view section, std::string_view key, long index) {
    std::lock_guard lock(CRITSECT);
    return FieldOf(ReadOrUnknown(section, key), index);
}

std::string IniStore::FieldOf(std::string_view text, long index) {
    // Positions as the rule counts them: from 1, with 0 for "no comma".
    auto commaFrom = [&](std::size_t start) -> std::size_t {
        auto found = text.find(',', start - 1);
        return found == std::string_view::npos ? 0 : found + 1;
    };
    // The walk returns to the first field after the last one, so only the steps within one
    // round matter, however large the index.
    std::size_t start = 1;
    if (index > 1) {
        auto fields = static_cast<unsigned long>(std::count(text.begin(), text.end(), ',')) + 1;
        for (auto steps = static_cast<unsigned long>(index - 1) % fields; steps > 0; --steps)
            start = commaFrom(start) + 1;
    }
    std::size_t comma = commaFrom(start);
    std::size_t end = comma ? comma - 1 : text.size();
    if (end < start)
        return {};
    return std::string(text.substr(start - 1, end - start + 1));
}

std::size_t IniStore::ListCount(std::string_view section, std::string_view name) {
    return countOf(ReadValue(section, name, {}, FILENAME));
}

std::optional<std::string> IniStore::ListEntry(std::string_view section, std::string_view name,
                                               std::size_t position) {
    auto text = ReadValue(section, ListKey(name, position), missingMarker, FILENAME);
    if (text == missingMarker)
        return std::nullopt;
    if (text.size() > unknownLength)
        text.resize(unknownLength);
    return text;
}

} // namespace tamberlo
