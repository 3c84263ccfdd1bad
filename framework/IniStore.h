#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamberlo {

// One entry of the store's own sector list.
struct SectorEntry {
    std::string dFAMILY; // each at most 99 characters
    std::string dITEM;
    std::string dTYPE;

    bool operator==(const SectorEntry&) const = default;
};

inline constexpr std::size_t SectorFieldLength = 99;

// A text field of a list's record, for ReadList and WriteList: which member, and how many
// characters it holds (longer texts read from the store are cut). A field without a member is
// absent.
template <typename Record>
struct ListField {
    std::string Record::*member = nullptr;
    std::size_t length = 0;
};

// Named values in sections, kept in an INI file, under a registry key, or nowhere. On top of
// single values it keeps lists: a count under one key and one comma-separated entry per element
// under numbered keys ("Name_1", "Name_2", ...). Nothing is cached: every read and write goes to
// the file at once. No operation reports a failure: a read that finds nothing gives its
// default, and a write that the system refuses has no effect.
//
// Registry mode is kept in "registry.ini" in the system directory, one section per key path:
// the root key's name, a backslash, then the path, e.g. [HKEY_CLASSES_ROOT\Software\X]. All
// values are texts there. A root key other than the predefined ones reads as missing and takes
// no writes.
class IniStore {
public:
    enum : std::int32_t { StorageIniFile = 0, StorageRegistry = 1, StorageNone = 2 };

    static constexpr std::string_view BookkeepingSection = "__Dont_Touch_Me__";
    static constexpr std::string_view SectorsKey = "Sectors";
    static constexpr std::string_view UnknownText = "---Unknown---";
    static constexpr std::string_view RegistryFileName = "registry.ini";

    IniStore() = default;
    IniStore(const IniStore&) = delete;
    IniStore& operator=(const IniStore&) = delete;

    virtual ~IniStore();
    // At most 1023 characters.
    virtual std::string ReadValue(std::string_view section, std::string_view key,
                                  std::string_view defaultValue, std::string_view file);
    virtual void WriteValue(std::string_view section, std::string_view key, std::string_view value,
                            std::string_view file);
    virtual void AfterSectorListCreated();
    virtual void BeforeClose();

    // Remembers the file (or registry path prefix), the storage kind and the root key, and
    // reads the sector list.
    void Open(std::string_view fileName, std::int32_t storageKind, std::int32_t rootKey);
    // Writes the sector list back and drops it.
    void Close();
    void WriteOwn(std::string_view section, std::string_view key, std::string_view value);
    void DeleteValue(std::string_view section, std::string_view key);
    // The value, or "---Unknown---" when it is missing; at most 999 characters.
    std::string ReadOrUnknown(std::string_view section, std::string_view key);
    // The index-th comma-separated field of ReadOrUnknown, counted from 1; asking past the last
    // field starts again from the first.
    std::string ReadField(std::string_view section, std::string_view key, long index);

    // Appends one record per stored entry (the list is not emptied first). The list ends at the
    // count or at the first entry that is missing, whichever comes first, so that a count that
    // overstates the list makes up no elements and costs nothing.
    template <typename Record>
    void ReadList(std::string_view section, std::string_view name, std::vector<Record>& list,
                  ListField<Record> first, ListField<Record> second = {},
                  ListField<Record> third = {}, ListField<Record> fourth = {});
    // Stores the count and one entry per element. Entries of an earlier, longer list stay.
    template <typename Record>
    void WriteList(std::string_view section, std::string_view name, const std::vector<Record>& list,
                   ListField<Record> first, ListField<Record> second = {},
                   ListField<Record> third = {}, ListField<Record> fourth = {});

    std::string FILENAME; // at most 259 characters
    std::optional<std::vector<SectorEntry>> SECTORS;
    std::int32_t NVTYPE = StorageIniFile;
    std::int32_t EXTRADATA = 0;
    std::recursive_mutex CRITSECT;

private:
    static std::string FieldOf(std::string_view text, long index);
    std::size_t ListCount(std::string_view section, std::string_view name);
    // The stored entry at `position`, as ReadOrUnknown reads it, or nothing when it is missing.
    std::optional<std::string> ListEntry(std::string_view section, std::string_view name,
                                         std::size_t position);
    static std::string ListKey(std::string_view name, std::size_t position);
};

template <typename Record>
void IniStore::ReadList(std::string_view section, std::string_view name, std::vector<Record>& list,
                        ListField<Record> first, ListField<Record> second, ListField<Record> third,
                        ListField<Record> fourth) {
    std::lock_guard lock(CRITSECT);
    std::size_t count = ListCount(section, name);
    const ListField<Record>* fields[] = {&first, &second, &third, &fourth};
    for (std::size_t i = 1; i <= count; ++i) {
        // One read per entry: all its fields come from the same text.
        auto entry = ListEntry(section, name, i);
        if (!entry)
            break;
        Record record{};
        for (long index = 1; index <= 4; ++index) {
            const auto& field = *fields[index - 1];
            if (!field.member)
                continue;
            auto text = FieldOf(*entry, index);
            if (text.size() > field.length)
                text.resize(field.length);
            record.*field.member = std::move(text);
        }
        list.push_back(std::move(record));
    }
}

template <typename Record>
void IniStore::WriteList(std::string_view section, std::string_view name,
                         const std::vector<Record>& list, ListField<Record> first,
                         ListField<Record> second, ListField<Record> third,
                         ListField<Record> fourth) {
    constexpr std::size_t entryLength = 4999;
    std::lock_guard lock(CRITSECT);
    WriteOwn(section, name, std::to_string(list.size()));
    const ListField<Record>* rest[] = {&second, &third, &fourth};
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::string value = first.member ? list[i].*first.member : std::string();
        for (const auto* field : rest)
            if (field->member)
                value.append(",").append(list[i].*field->member);
        if (value.size() > entryLength)
            value.resize(entryLength);
        WriteOwn(section, ListKey(name, i + 1), value);
    }
}

} // namespace tamberlo
