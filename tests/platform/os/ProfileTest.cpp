#include "platform/os/Profile.h"
#include "platform/os/AtomicFile.h"
#include "platform/os/SystemDirectory.h"
#include "tests/support/TempDirectory.h"

#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace os = tamberlo::os;
using tamberlo::testing::readBytes;
using tamberlo::testing::TempDirectory;
using tamberlo::testing::writeBytes;

namespace {

class Profile : public ::testing::Test {
protected:
    Profile() { os::setSystemDirectory(m_system); }
    ~Profile() override {
        os::setSystemDirectory({});
        os::setAtomicWriteFaultHook({});
    }

    // The names in the folder, so that tests see a stray temporary file.
    static std::vector<std::string> listing(const std::filesystem::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDirectory m_temp;
    std::filesystem::path m_system = m_temp / "config" / "tamberlo";
};

TEST_F(Profile, ReadsGiveTheDefaultForWhatIsMissing) {
    EXPECT_EQ(os::getPrivateProfileString("S", "k", "dflt", "absent.INI"), "dflt");
    writeBytes(m_temp / "p.ini", "[S]\nnum=12abc\nempty=\nword=abc\nbig=99999999999\n");
    auto file = (m_temp / "p.ini").string();
    EXPECT_EQ(os::getPrivateProfileString("T", "k", "dflt", file), "dflt");
    EXPECT_EQ(os::getPrivateProfileString("S", "k", "dflt", file), "dflt");
    EXPECT_EQ(os::getPrivateProfileString("S", "empty", "dflt", file), "");
    struct {
        const char* key;
        int expected;
    } numbers[] = {{"num", 12}, {"empty", 0}, {"word", 0}, {"big", INT_MAX}, {"missing", -7}};
    for (const auto& n : numbers)
        EXPECT_EQ(os::getPrivateProfileInt("S", n.key, -7, file), n.expected) << n.key;
}

TEST_F(Profile, BareNamesAndTheSystemProfileLiveInTheSystemDirectory) {
    ASSERT_FALSE(std::filesystem::exists(m_system));
    EXPECT_TRUE(os::writePrivateProfileString("S", "k", "v", "tamberlo.INI"));
    EXPECT_EQ(readBytes(m_system / "tamberlo.INI"), "[S]\nk=v\n");

    EXPECT_TRUE(os::writePrivateProfileString("intl", "sCurrency", "kr", ""));
    EXPECT_EQ(readBytes(m_system / "win.ini"), "[intl]\nsCurrency=kr\n");
    EXPECT_EQ(os::getProfileString("INTL", "scurrency", ""), "kr");
    EXPECT_TRUE(os::writeProfileString("intl", "iCurrDigits", "2"));
    EXPECT_EQ(os::getProfileInt("intl", "iCurrDigits", 0), 2);

    // A path is taken as it is, and its folder is not made up.
    EXPECT_FALSE(os::writePrivateProfileString("S", "k", "v", (m_temp / "no/such.ini").string()));
    EXPECT_FALSE(std::filesystem::exists(m_temp / "no"));
}

TEST_F(Profile, DeleteRemovesTheKeyAndCreatesNothing) {
    EXPECT_TRUE(os::deletePrivateProfileKey("S", "k", "never.ini"));
    EXPECT_FALSE(std::filesystem::exists(m_system / "never.ini"));
    writeBytes(m_temp / "d.ini", "[S]\nk=1\nj=2\n");
    auto file = (m_temp / "d.ini").string();
    EXPECT_TRUE(os::deletePrivateProfileKey("s", "K", file));
    EXPECT_EQ(readBytes(file), "[S]\nj=2\n");
}

TEST_F(Profile, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryBehind) {
    const std::string before = "; keep me\r\n[S]\r\nk=old\r\n";
    for (auto step : {os::AtomicWriteStep::CreateTemporary, os::AtomicWriteStep::Write,
                      os::AtomicWriteStep::Sync, os::AtomicWriteStep::Rename}) {
        writeBytes(m_temp / "a.ini", before);
        os::setAtomicWriteFaultHook([step](os::AtomicWriteStep at) { return at == step; });
        EXPECT_FALSE(os::writePrivateProfileString("S", "k", "new", (m_temp / "a.ini").string()))
            << static_cast<int>(step);
        EXPECT_EQ(readBytes(m_temp / "a.ini"), before);
        EXPECT_EQ(listing(m_temp.path()), (std::vector<std::string>{"a.ini"}));
    }
    os::setAtomicWriteFaultHook({});
    EXPECT_TRUE(os::writePrivateProfileString("S", "k", "new", (m_temp / "a.ini").string()));
    EXPECT_EQ(readBytes(m_temp / "a.ini"), "; keep me\r\n[S]\r\nk=new\r\n");
}

TEST_F(Profile, FilesThatMayNotBeChangedAreLeftAlone) {
    // A read-only file, for every user.
    writeBytes(m_temp / "ro.ini", "[S]\nk=1\n");
    std::filesystem::permissions(m_temp / "ro.ini", std::filesystem::perms::owner_read);
    EXPECT_FALSE(os::writePrivateProfileString("S", "k", "2", (m_temp / "ro.ini").string()));
    EXPECT_FALSE(os::deletePrivateProfileKey("S", "k", (m_temp / "ro.ini").string()));
    EXPECT_EQ(readBytes(m_temp / "ro.ini"), "[S]\nk=1\n");

    // A file too large to be a settings file is not read, and so never replaced.
    {
        writeBytes(m_temp / "huge.ini", "[S]\nk=1\n");
        std::filesystem::resize_file(m_temp / "huge.ini", 65u * 1024 * 1024);
        EXPECT_EQ(os::readProfileValue("S", "k", (m_temp / "huge.ini").string()), std::nullopt);
        EXPECT_FALSE(os::writePrivateProfileString("S", "k", "2", (m_temp / "huge.ini").string()));
        EXPECT_EQ(std::filesystem::file_size(m_temp / "huge.ini"), 65u * 1024 * 1024);
    }

    // A system directory that cannot be created: a file stands where a folder should be.
    writeBytes(m_temp / "blocked", "");
    os::setSystemDirectory(m_temp / "blocked" / "tamberlo");
    EXPECT_FALSE(os::writePrivateProfileString("S", "k", "v", "tamberlo.INI"));
    EXPECT_EQ(os::getPrivateProfileString("S", "k", "dflt", "tamberlo.INI"), "dflt");
}

TEST_F(Profile, AFullDiskLeavesTheOldFileWhole) {
    const std::string before = "[S]\nk=1\n";
    writeBytes(m_temp / "full.ini", before);
    // A file-size limit makes writes past it fail as on a full disk, without needing one.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = os::writePrivateProfileString("S", "k", std::string(8192, 'x'),
                                                 (m_temp / "full.ini").string());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(m_temp / "full.ini"), before);
    EXPECT_EQ(listing(m_temp.path()), (std::vector<std::string>{"full.ini"}));
}

TEST_F(Profile, AWriteKeepsTheFilesPermissionsAndSymbolicLinks) {
    std::filesystem::create_directories(m_temp / "real");
    writeBytes(m_temp / "real" / "x.ini", "[S]\nk=1\n");
    std::filesystem::permissions(m_temp / "real" / "x.ini",
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_read);
    std::filesystem::create_symlink(m_temp / "real" / "x.ini", m_temp / "link.ini");

    EXPECT_TRUE(os::writePrivateProfileString("S", "k", "2", (m_temp / "link.ini").string()));
    EXPECT_TRUE(std::filesystem::is_symlink(m_temp / "link.ini"));
    EXPECT_EQ(readBytes(m_temp / "real" / "x.ini"), "[S]\nk=2\n");
    struct stat info {};
    ASSERT_EQ(::stat((m_temp / "real" / "x.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(Profile, WritersOnSeveralThreadsLoseNoChange) {
    constexpr int threads = 4, keysEach = 20;
    std::vector<std::thread> writers;
    for (int t = 0; t < threads; ++t)
        writers.emplace_back([t] {
            for (int k = 0; k < keysEach; ++k)
                os::writePrivateProfileString("S" + std::to_string(t % 2),
                                              "k" + std::to_string(t) + "_" + std::to_string(k),
                                              std::to_string(k), "shared.ini");
        });
    for (auto& writer : writers)
        writer.join();
    for (int t = 0; t < threads; ++t)
        for (int k = 0; k < keysEach; ++k)
            EXPECT_EQ(os::readProfileValue("S" + std::to_string(t % 2),
                                           "k" + std::to_string(t) + "_" + std::to_string(k),
                                           "shared.ini"),
                      std::to_string(k));
}

} // namespace
