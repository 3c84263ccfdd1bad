#include "platform/os/IntlSettings.h"
#include "platform/os/PosixTimeFormat.h"
#include "platform/os/SystemDirectory.h"
#include "tests/support/TempDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace os = tamberlo::os;
using tamberlo::testing::TempDirectory;
using tamberlo::testing::writeBytes;

// The C library's newlocale() leaks its copy of the LOCPATH search list each time LOCPATH is
// set; the leak is not ours to fix.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:argz_add_sep\n";
}

namespace {

class IntlSettings : public ::testing::Test {
protected:
    IntlSettings() {
        os::setSystemDirectory(m_temp / "system");
        std::filesystem::create_directories(m_temp / "system");
    }
    ~IntlSettings() override {
        os::setSystemDirectory({});
        ::unsetenv("LC_ALL");
    }

    // A real locale, made by localedef in a folder of ours that LOCPATH points to.
    void useLocale(const char* name) {
        auto locales = m_temp / "locales";
        std::filesystem::create_directories(locales);
        auto target = locales / (std::string(name) + ".UTF-8");
        std::string command = "localedef -i " + std::string(name) + " -f UTF-8 '" +
                              target.string() + "' >/dev/null 2>&1";
        std::system(command.c_str());
        ASSERT_TRUE(std::filesystem::exists(target))
            << "localedef could not make " << name
            << ".UTF-8; it comes with the Debian package \"locales\"";
        ::setenv("LOCPATH", locales.c_str(), 1);
        ::setenv("LC_ALL", (std::string(name) + ".UTF-8").c_str(), 1);
    }

    TempDirectory m_temp;
};

std::string valueOf(const os::IntlSettings& settings, const char* key) {
    return settings.value(key).value_or("<missing>");
}

} // namespace

TEST_F(IntlSettings, WinIniFirstThenTheLocale) {
    useLocale("de_DE");
    writeBytes(m_temp / "system" / "win.ini",
               "[intl]\nsShortDate=yyyy/MM/dd\nsTime=\n[other]\niTime=0\n");
    const auto& desktop = os::desktopIntlSettings();
    EXPECT_EQ(valueOf(desktop, "sShortDate"), "yyyy/MM/dd");
    EXPECT_EQ(valueOf(desktop, "sTime"), ""); // present, so it wins even when empty
    EXPECT_EQ(valueOf(desktop, "iTime"), "1");
    EXPECT_EQ(valueOf(desktop, "iTLzero"), "1");
    EXPECT_EQ(valueOf(desktop, "sLongDate"), "dddd, d. MMMM yyyy");
    EXPECT_EQ(valueOf(desktop, "s1159"), "<missing>"); // de_DE has no AM text

    ::setenv("LC_ALL", "C", 1);
    EXPECT_EQ(valueOf(desktop, "iTime"), "<missing>");
    EXPECT_EQ(valueOf(desktop, "sShortDate"), "yyyy/MM/dd");
}

TEST_F(IntlSettings, TheUsLocale) {
    useLocale("en_US");
    auto items = os::userPosixTimeItems();
    ASSERT_TRUE(items);
    EXPECT_EQ(os::intlValueFromPosix("sShortDate", *items), "MM/dd/yyyy");
    EXPECT_EQ(os::intlValueFromPosix("iTime", *items), "0");
    EXPECT_EQ(os::intlValueFromPosix("s1159", *items), "AM");
    EXPECT_EQ(os::intlValueFromPosix("s2359", *items), "PM");
    EXPECT_EQ(os::intlValueFromPosix("sLongDate", *items), "dddd, MMMM d, yyyy");
}

TEST_F(IntlSettings, AProfileFileAlone) {
    useLocale("de_DE");
    writeBytes(m_temp / "system" / "win.ini", "[intl]\nsLongDate=from win.ini\n");
    writeBytes(m_temp / "us.ini", "[INTL]\nsshortdate=M/d/yyyy\n");
    os::ProfileIntlSettings profile(m_temp / "us.ini");
    EXPECT_EQ(valueOf(profile, "sShortDate"), "M/d/yyyy");
    EXPECT_EQ(valueOf(profile, "sLongDate"), "<missing>");
    EXPECT_EQ(valueOf(profile, "iTime"), "<missing>");

    // A bare name is a file in the current folder, not in the system directory.
    writeBytes(m_temp / "system" / "bare.ini", "[intl]\niTime=1\n");
    EXPECT_EQ(valueOf(os::ProfileIntlSettings("bare.ini"), "iTime"), "<missing>");
    EXPECT_EQ(valueOf(os::ProfileIntlSettings(m_temp / "absent.ini"), "iTime"), "<missing>");
}

TEST(FixedIntlSettings, KeysMatchWithoutRegardToCase) {
    os::FixedIntlSettings settings{{"sTime", "."}};
    settings.set("ITIME", "1");
    EXPECT_EQ(valueOf(settings, "stime"), ".");
    EXPECT_EQ(valueOf(settings, "iTime"), "1");
    EXPECT_EQ(valueOf(settings, "iTLzero"), "<missing>");
}
