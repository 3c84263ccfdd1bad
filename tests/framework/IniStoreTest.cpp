#include "framework/IniStore.h"
#include "platform/os/Profile.h"
#include "platform/os/SystemDirectory.h"
#include "tests/support/TempDirectory.h"

#include <gtest/gtest.h>

#include <limits>
#include <thread>

using tamberlo::IniStore;
using tamberlo::ListField;
using tamberlo::SectorEntry;
using tamberlo::testing::readBytes;
using tamberlo::testing::TempDirectory;
using tamberlo::testing::writeBytes;

namespace os = tamberlo::os;

namespace {

const std::string unknown = "---Unknown---";

class IniStoreTest : public ::testing::Test {
protected:
    IniStoreTest() { os::setSystemDirectory(m_system); }
    ~IniStoreTest() override { os::setSystemDirectory({}); }

    std::filesystem::path storeFile() const { return m_system / "tamberlo.INI"; }
    void writeStoreFile(std::string_view bytes) {
        std::filesystem::create_directories(m_system);
        writeBytes(storeFile(), bytes);
    }

    TempDirectory m_temp;
    std::filesystem::path m_system = m_temp / "system";
    IniStore m_store;
};

TEST_F(IniStoreTest, AFirstRunLeavesOnlyTheEmptySectorList) {
    m_store.Open("tamberlo.INI", IniStore::StorageIniFile, 0);
    ASSERT_TRUE(m_store.SECTORS);
    EXPECT_TRUE(m_store.SECTORS->empty());
    m_store.BeforeClose();
    m_store.Close();
    EXPECT_FALSE(m_store.SECTORS);
    EXPECT_EQ(readBytes(storeFile()), "[__Dont_Touch_Me__]\nSectors=0\n");
    m_store.Close(); // a second close has nothing left to write
}

TEST_F(IniStoreTest, TheSectorListIsReadAndWrittenBackEntryByEntry) {
    writeStoreFile("; the user's own notes\r\n"
                   "[Other]\r\nx=1\r\n"
                   "[__Dont_Touch_Me__]\r\nSectors=2\r\nSectors_1=a,b,c\r\nSectors_2=d,e\r\n"
                   "Sectors_3=stale\r\n");
    m_store.Open("tamberlo.INI", IniStore::StorageIniFile, 0);
    EXPECT_EQ(*m_store.SECTORS, (std::vector<SectorEntry>{{"a", "b", "c"}, {"d", "e", "d"}}));
    m_store.Close();
    EXPECT_EQ(readBytes(storeFile()),
              "; the user's own notes\r\n"
              "[Other]\r\nx=1\r\n"
              "[__Dont_Touch_Me__]\r\nSectors=2\r\nSectors_1=a,b,c\r\nSectors_2=d,e,d\r\n"
              "Sectors_3=stale\r\n");
}

TEST_F(IniStoreTest, TheCountIsReadAsANumberAndOnlyStoredEntriesBecomeElements) {
    struct {
        const char* count;
        std::size_t elements;
    } cases[] = {
        {"abc", 0}, {"", 0},     {"-2", 0},    {"+2", 0}, {"0.9", 0},        {"1", 1},
        {"2.9", 2}, {"2xyz", 2}, {"0.3e1", 3}, {"3", 3},  {"1000000000", 3}, {"1e40", 0},
    };
    for (const auto& c : cases) {
        // The list ends where its entries stop: entry 4 is missing, so entry 5 is never read,
        // and neither are keys that are not written the way entries are.
        writeStoreFile(std::string("[__Dont_Touch_Me__]\nSectors=") + c.count +
                       "\nSectors_1=a\nsectors_2=b\nSectors_3=c\nSectors_5=e\nSectors_04=x\n"
                       "Sectors_x=y\n");
        m_store.Open("tamberlo.INI", IniStore::StorageIniFile, 0);
        ASSERT_EQ(m_store.SECTORS->size(), c.elements) << c.count;
        if (c.elements == 3) {
            EXPECT_EQ((*m_store.SECTORS)[2], (SectorEntry{"c", "c", "c"}));
        }
    }
}

TEST_F(IniStoreTest, ReadFieldWrapsAroundAndMissingKeysAreUnknown) {
    writeStoreFile("[S]\nabc=a,b,c\ntrail=a,\nempty=\nlone=x\n");
    m_store.Open("tamberlo.INI", IniStore::StorageIniFile, 0);
    struct {
        const char* key;
        long index;
        std::string field;
    } cases[] = {
        {"abc", 1, "a"},         {"abc", 2, "b"},          {"abc", 3, "c"},
        {"abc", 4, "a"},         {"abc", 5, "b"},          {"abc", 0, "a"},
        {"abc", -3, "a"},        {"abc", 3000000002, "b"}, {"trail", 2, ""},
        {"trail", 3, "a"},       {"empty", 1, ""},         {"lone", 7, "x"},
        {"missing", 1, unknown}, {"missing", 2, unknown},  {"missing", 9, unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_store.ReadField("S", c.key, c.index), c.field) << c.key << " " << c.index;
}

TEST_F(IniStoreTest, TextsAreCutToTheirLengths) {
    writeStoreFile("[__Dont_Touch_Me__]\nSectors=1\nSectors_1=" + std::string(150, 'f') +
                   ",i,t\n[S]\nlong=" + std::string(2000, 'v') + "\n");
    m_store.Open("tamberlo.INI", IniStore::StorageIniFile, 0);
    EXPECT_EQ((*m_store.SECTORS)[0].dFAMILY, std::string(99, 'f'));
    EXPECT_EQ((*m_store.SECTORS)[0].dITEM, "i");
    EXPECT_EQ(m_store.ReadValue("S", "long", "", "tamberlo.INI").size(), 1023u);
    EXPECT_EQ(m_store.ReadOrUnknown("S", "long").size(), 999u);
    EXPECT_EQ(m_store.ReadValue("S", "none", std::string(1500, 'd'), "tamberlo.INI").size(), 1023u);

    // Trailing spaces go from every name and value; a value is stored with at most 1023.
    m_store.WriteOwn("S  ", "k  ", "v  ");
    m_store.WriteOwn("S", "big", std::string(3000, 'b'));
    m_store.WriteOwn("S", "blank", "");
    EXPECT_EQ(os::readProfileValue("S", "k", "tamberlo.INI"), "v");
    EXPECT_EQ(os::readProfileValue("S", "big", "tamberlo.INI")->size(), 1023u);
    EXPECT_EQ(os::readProfileValue("S", "blank", "tamberlo.INI"), "");
    m_store.DeleteValue("S ", "k ");
    EXPECT_EQ(os::readProfileValue("S", "k", "tamberlo.INI"), std::nullopt);

    m_store.Open(std::string(300, 'n'), IniStore::StorageIniFile, 0);
    EXPECT_EQ(m_store.FILENAME.size(), 259u);
}

TEST_F(IniStoreTest, AnEmptyFileNameAddressesTheSystemProfile) {
    m_store.Open("", IniStore::StorageIniFile, 0);
    m_store.WriteOwn("intl", "sCurrency", "kr");
    EXPECT_EQ(os::getProfileString("intl", "sCurrency", ""), "kr");
    EXPECT_EQ(m_store.ReadOrUnknown("INTL", "SCURRENCY"), "kr");
    m_store.Close();
    EXPECT_EQ(readBytes(m_system / "win.ini"),
              "[intl]\nsCurrency=kr\n[__Dont_Touch_Me__]\nSectors=0\n");
}

struct Row {
    std::string one, two, three, four;
};

TEST_F(IniStoreTest, ListsJoinTheGivenFieldsInOrder) {
    m_store.Open("tamberlo.INI", IniStore::StorageIniFile, 0);
    std::vector<Row> rows{{"1", "2", "3", "4"}, {"5", "6", "7", "8"}};
    ListField<Row> one{&Row::one, 9}, two{&Row::two, 9}, three{&Row::three, 9}, four{&Row::four, 9};
    m_store.WriteList("L", "Row", rows, one, {}, three, four);
    EXPECT_EQ(os::readProfileValue("L", "Row", "tamberlo.INI"), "2");
    EXPECT_EQ(os::readProfileValue("L", "Row_2", "tamberlo.INI"), "5,7,8");

    std::vector<Row> read{{"kept", "", "", ""}};
    m_store.ReadList("L", "Row", read, four, two, one);
    ASSERT_EQ(read.size(), 3u); // the list is added to, not replaced
    EXPECT_EQ(read[0].one, "kept");
    EXPECT_EQ(read[2].four, "5");
    EXPECT_EQ(read[2].two, "7");
    EXPECT_EQ(read[2].one, "8");
    EXPECT_EQ(read[2].three, "");
}

TEST_F(IniStoreTest, RegistryModeKeepsOneSectionPerKeyPath) {
    m_store.Open("Software\\Tamberlo", IniStore::StorageRegistry, 0);
    m_store.WriteOwn("Window", "Pos", "1,2");
    EXPECT_EQ(m_store.ReadOrUnknown("window", "pos"), "1,2");
    EXPECT_EQ(m_store.ReadField("Window", "Pos", 2), "2");
    // Registry values have no 1023 limit of their own, so a list entry shows its 4999 cut.
    std::vector<Row> rows{{std::string(6000, 'r'), "", "", ""}};
    m_store.WriteList("Big", "Row", rows, ListField<Row>{&Row::one, 9});
    EXPECT_EQ(
        os::readProfileValue("HKEY_CLASSES_ROOT\\Software\\Tamberlo\\Big", "Row_1", "registry.ini")
            ->size(),
        4999u);
    m_store.DeleteValue("Big", "Row_1");
    m_store.DeleteValue("Big", "Row");
    m_store.Close();
    EXPECT_EQ(readBytes(m_system / "registry.ini"),
              "[HKEY_CLASSES_ROOT\\Software\\Tamberlo\\Window]\nPos=1,2\n"
              "[HKEY_CLASSES_ROOT\\Software\\Tamberlo\\Big]\n"
              "[HKEY_CLASSES_ROOT\\Software\\Tamberlo\\__Dont_Touch_Me__]\nSectors=0\n");

    m_store.Open("Software\\Tamberlo", IniStore::StorageRegistry, 0);
    m_store.WriteOwn("Window", "Pos", ""); // an empty value deletes it
    EXPECT_EQ(m_store.ReadValue("Window", "Pos", "dflt", ""), "dflt");

    // Another root key is another tree; a root key that does not exist holds nothing.
    const std::int32_t currentUser = std::numeric_limits<std::int32_t>::min() + 1;
    m_store.Open("", IniStore::StorageRegistry, currentUser);
    m_store.WriteOwn("Software\\X", "v", "u");
    EXPECT_EQ(os::readProfileValue("HKEY_CURRENT_USER\\Software\\X", "v", "registry.ini"), "u");
    m_store.DeleteValue("Software\\X", "v");
    EXPECT_EQ(os::readProfileValue("HKEY_CURRENT_USER\\Software\\X", "v", "registry.ini"),
              std::nullopt);
    m_store.Open("", IniStore::StorageRegistry, 12345);
    m_store.WriteOwn("Software\\X", "v", "u");
    EXPECT_EQ(m_store.ReadValue("Software\\X", "v", "dflt", ""), "dflt");
}

TEST_F(IniStoreTest, StorageNoneReadsEmptyAndWritesNothing) {
    m_store.Open("tamberlo.INI", IniStore::StorageNone, 0);
    m_store.WriteOwn("S", "k", "v");
    EXPECT_EQ(m_store.ReadOrUnknown("S", "k"), "");
    EXPECT_EQ(m_store.ReadField("S", "k", 2), "");
    m_store.Close();
    EXPECT_FALSE(std::filesystem::exists(m_system));
}

TEST_F(IniStoreTest, AStoreThatCannotWriteGoesOnSilently) {
    writeBytes(m_temp / "blocked", "");
    os::setSystemDirectory(m_temp / "blocked" / "tamberlo");
    m_store.Open("tamberlo.INI", IniStore::StorageIniFile, 0);
    m_store.WriteOwn("S", "k", "v");
    EXPECT_EQ(m_store.ReadOrUnknown("S", "k"), unknown);
    m_store.Close();
    EXPECT_FALSE(m_store.SECTORS);
}

// The hooks and the reads are virtual: a derived store sees the sector list created before it
// is read, and every list read passes through its ReadValue.
class WatchingStore : public IniStore {
public:
    void AfterSectorListCreated() override {
        sawEmptyList = SECTORS && SECTORS->empty() && !readsSoFar;
    }
    std::string ReadValue(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::string_view file) override {
        ++readsSoFar;
        return IniStore::ReadValue(section, key, defaultValue, file);
    }
    bool sawEmptyList = false;
    int readsSoFar = 0;
};

TEST_F(IniStoreTest, DerivedStoresSeeTheHooksAndTheReads) {
    writeStoreFile("[__Dont_Touch_Me__]\nSectors=1\nSectors_1=a,b,c\n");
    WatchingStore store;
    store.Open("tamberlo.INI", IniStore::StorageIniFile, 0);
    EXPECT_TRUE(store.sawEmptyList);
    EXPECT_EQ(store.readsSoFar, 2); // the count and the one entry
    EXPECT_EQ(store.SECTORS->size(), 1u);
}

TEST_F(IniStoreTest, ThreadsShareTheStoreSafely) {
    m_store.Open("tamberlo.INI", IniStore::StorageIniFile, 0);
    ListField<Row> one{&Row::one, 9}, two{&Row::two, 9};
    auto worker = [&](std::string section) {
        for (int round = 0; round < 10; ++round) {
            std::vector<Row> rows{{section, std::to_string(round), "", ""}};
            m_store.WriteList(section, "R", rows, one, two);
            std::vector<Row> read;
            m_store.ReadList(section, "R", read, one, two);
            ASSERT_EQ(read.size(), 1u);
            EXPECT_EQ(read[0].two, std::to_string(round));
        }
    };
    std::thread a(worker, "A"), b(worker, "B");
    a.join();
    b.join();
    m_store.Close();
}

} // namespace
