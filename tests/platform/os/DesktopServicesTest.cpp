#include "platform/os/DesktopSettings.h"
#include "platform/os/LocaleInfo.h"
#include "platform/os/Profile.h"
#include "platform/os/ProgramFile.h"
#include "platform/os/Shell.h"
#include "platform/os/SystemDirectory.h"
#include "tests/support/TempDirectory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdlib>
#include <thread>

namespace os = tamberlo::os;
using tamberlo::testing::readBytes;
using tamberlo::testing::TempDirectory;
using tamberlo::testing::writeBytes;

// The C library's newlocale() leaks its copy of the LOCPATH search list each time LOCPATH is
// set, which only the locale test does; the leak is not ours to fix.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:argz_add_sep\n";
}

namespace {

class DesktopServices : public ::testing::Test {
protected:
    DesktopServices() { os::setSystemDirectory(m_temp / "system"); }
    ~DesktopServices() override {
        os::setSystemDirectory({});
        os::setShell(nullptr);
        os::setLocaleSource(nullptr);
        os::setDesktopSettings(nullptr);
    }
    TempDirectory m_temp;
};

std::int32_t dragSetting() {
    std::int32_t value = -1;
    EXPECT_TRUE(os::SystemParametersInfoA(os::SPI_GETDRAGFULLWINDOWS, 0, &value, 0));
    return value;
}

TEST_F(DesktopServices, DragSettingSwitchesAndPersistsOnlyWhenAsked) {
    EXPECT_EQ(dragSetting(), 1); // no win.ini yet: on

    ASSERT_TRUE(os::SystemParametersInfoA(os::SPI_SETDRAGFULLWINDOWS, 0, nullptr,
                                          os::SPIF_UPDATEINIFILE | os::SPIF_SENDCHANGE));
    EXPECT_EQ(dragSetting(), 0);
    EXPECT_EQ(os::getProfileString("Desktop", "DragFullWindows", ""), "0");
    EXPECT_EQ(os::ProfileDesktopSettings().dragFullWindows(), false); // a later run sees it

    // Without the profile flag the change holds for this process only.
    ASSERT_TRUE(os::SystemParametersInfoA(os::SPI_SETDRAGFULLWINDOWS, 1, nullptr, 0));
    EXPECT_EQ(dragSetting(), 1);
    EXPECT_EQ(os::getProfileString("Desktop", "DragFullWindows", ""), "0");

    ASSERT_TRUE(
        os::SystemParametersInfoA(os::SPI_SETDRAGFULLWINDOWS, 1, nullptr, os::SPIF_UPDATEINIFILE));
    EXPECT_EQ(os::getProfileString("Desktop", "DragFullWindows", ""), "1");

    EXPECT_FALSE(os::SystemParametersInfoA(os::SPI_GETDRAGFULLWINDOWS, 0, nullptr, 0));
    EXPECT_FALSE(os::SystemParametersInfoA(0x1234, 0, nullptr, 0));

    os::MemoryDesktopSettings memory(false);
    os::setDesktopSettings(&memory);
    EXPECT_EQ(dragSetting(), 0);
    os::SystemParametersInfoA(os::SPI_SETDRAGFULLWINDOWS, 1, nullptr, os::SPIF_UPDATEINIFILE);
    EXPECT_TRUE(memory.stored());
}

// A stand-in opener that writes the number of its arguments and each argument on a line of
// its own, then moves the result into place so that the test never reads half of it.
std::filesystem::path fakeOpener(const TempDirectory& temp) {
    auto script = temp / "fake-open";
    writeBytes(script, "#!/bin/sh\n"
                       "printf '%s\\n' \"$#\" \"$@\" > \"$0.out.tmp\"\n"
                       "mv \"$0.out.tmp\" \"$0.out\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return script;
}

std::string waitForFile(const std::filesystem::path& file) {
    for (int i = 0; i < 1000 && !std::filesystem::exists(file); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return readBytes(file);
}

TEST_F(DesktopServices, TheOpenerGetsTheAddressAsOneArgumentWithNoShellInBetween) {
    auto script = fakeOpener(m_temp);
    os::XdgOpenShell shell(script.string());
    const std::string address = "http://example.invalid/a b?x=$(touch pwned)&y='\"`;|*";
    ASSERT_TRUE(shell.open(address));
    EXPECT_EQ(waitForFile(script.string() + ".out"), "1\n" + address + "\n");
    EXPECT_FALSE(std::filesystem::exists(m_temp / "pwned"));
    EXPECT_FALSE(std::filesystem::exists("pwned"));

    // Nothing that the opener could take for an option, and no cut-off text.
    for (std::string refused : {std::string(), std::string("--help"), std::string("a\0b", 3)})
        EXPECT_FALSE(shell.open(refused));

    // No opener installed: the call fails quietly.
    EXPECT_FALSE(os::XdgOpenShell((m_temp / "no-such-opener").string()).open("http://x/"));
    EXPECT_FALSE(os::XdgOpenShell("tamberlo-no-such-opener").open("http://x/"));
}

TEST_F(DesktopServices, ShellExecuteHandsTheAddressToTheProcessShell) {
    os::RecordingShell recorder;
    os::setShell(&recorder);
    EXPECT_GT(os::ShellExecuteA(7, nullptr, "https://host/p?cmd=_s-xclick", nullptr, "",
                                os::SW_SHOWNORMAL),
              32);
    EXPECT_GT(os::ShellExecuteA(7, "open", "http://host/", "", nullptr, os::SW_SHOWNORMAL), 32);
    EXPECT_LE(os::ShellExecuteA(7, "print", "http://host/", nullptr, "", 1), 32);
    EXPECT_LE(os::ShellExecuteA(7, nullptr, "http://host/", "--flag", "", 1), 32);
    EXPECT_LE(os::ShellExecuteA(7, nullptr, "", nullptr, "", 1), 32);
    EXPECT_EQ(recorder.take(),
              (std::vector<std::string>{"https://host/p?cmd=_s-xclick", "http://host/"}));
    EXPECT_TRUE(recorder.take().empty());
}

std::string localeItem(os::LCTYPE type) {
    char buffer[256];
    int length = os::GetLocaleInfoA(os::LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length - 1)) : "<fails>";
}

TEST_F(DesktopServices, CurrencyPositionFollowsSymbolPlaceAndSpacing) {
    struct {
        int precedes, separated;
        std::optional<int> code;
    } cases[] = {{1, 0, 0},
                 {0, 0, 1},
                 {1, 1, 2},
                 {0, 1, 3},
                 {1, 2, 0},
                 {0, 2, 1},
                 {CHAR_MAX, 0, std::nullopt},
                 {1, CHAR_MAX, std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(os::currencyPositionCode(c.precedes, c.separated), c.code)
            << c.precedes << "," << c.separated;
}

TEST_F(DesktopServices, LocaleInfoCopiesTheTextTheWayTheCallPromises) {
    os::MemoryLocaleSource memory;
    memory.set(os::CurrencyItem::Symbol, "kr");
    os::setLocaleSource(&memory);
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(os::GetLocaleInfoA(os::LOCALE_USER_DEFAULT, os::LOCALE_SCURRENCY, nullptr, 0), 3);
    EXPECT_EQ(os::GetLocaleInfoA(os::LOCALE_USER_DEFAULT, os::LOCALE_SCURRENCY, buffer, 2), 0);
    EXPECT_EQ(os::GetLocaleInfoA(os::LOCALE_USER_DEFAULT, os::LOCALE_SCURRENCY, buffer, 3), 3);
    EXPECT_STREQ(buffer, "kr");
    EXPECT_EQ(os::GetLocaleInfoA(0x0409, os::LOCALE_SCURRENCY, buffer, 8), 0);
    EXPECT_EQ(os::GetLocaleInfoA(os::LOCALE_USER_DEFAULT, 0x0042, buffer, 8), 0);
    EXPECT_EQ(localeItem(os::LOCALE_SDECIMAL), "<fails>"); // never set
}

TEST_F(DesktopServices, IntlKeysOfTheSystemProfileComeBeforeTheLocale) {
    ::setenv("LC_ALL", "C", 1);
    os::writeProfileString("intl", "sCurrency", "kr");
    os::writeProfileString("intl", "iCurrency", "3");
    os::writeProfileString("intl", "sThousand", "");
    EXPECT_EQ(localeItem(os::LOCALE_SCURRENCY), "kr");
    EXPECT_EQ(localeItem(os::LOCALE_ICURRENCY), "3");
    EXPECT_EQ(localeItem(os::LOCALE_STHOUSAND), "");          // present, so it wins even when empty
    EXPECT_EQ(localeItem(os::LOCALE_SDECIMAL), ".");          // from the C locale
    EXPECT_EQ(localeItem(os::LOCALE_ICURRDIGITS), "<fails>"); // the C locale leaves it open

    // The profile alone, as the drive tool asks for it: a missing key fails.
    os::ProfileLocaleSource profileOnly;
    os::setLocaleSource(&profileOnly);
    EXPECT_EQ(localeItem(os::LOCALE_SDECIMAL), "<fails>");
    EXPECT_EQ(localeItem(os::LOCALE_SCURRENCY), "kr");
}

// Real locales, generated for the test without touching the system: localedef writes them to a
// folder of ours and LOCPATH points the C library there.
TEST_F(DesktopServices, PosixLocalesMapToTheCurrencyItems) {
    auto locales = m_temp / "locales";
    std::filesystem::create_directories(locales);
    const char* names[] = {"en_US", "de_DE", "nl_NL"};
    for (const char* name : names) {
        std::string command = "localedef -i " + std::string(name) + " -f UTF-8 '" +
                              (locales / (std::string(name) + ".UTF-8")).string() +
                              "' >/dev/null 2>&1";
        std::system(command.c_str());
        ASSERT_TRUE(std::filesystem::exists(locales / (std::string(name) + ".UTF-8")))
            << "localedef could not make " << name
            << ".UTF-8; it comes with the Debian package \"locales\"";
    }
    ::setenv("LOCPATH", locales.c_str(), 1);

    struct {
        const char* locale;
        const char* symbol;
        const char* position;
        const char* thousands;
        const char* decimal;
        const char* digits;
    } cases[] = {
        {"en_US.UTF-8", "$", "0", ",", ".", "2"},
        {"de_DE.UTF-8", "\u20AC", "3", ".", ",", "2"},
        {"nl_NL.UTF-8", "\u20AC", "2", ".", ",", "2"},
    };
    for (const auto& c : cases) {
        os::PosixLocaleSource source(c.locale);
        EXPECT_EQ(source.item(os::CurrencyItem::Symbol), c.symbol) << c.locale;
        EXPECT_EQ(source.item(os::CurrencyItem::Position), c.position) << c.locale;
        EXPECT_EQ(source.item(os::CurrencyItem::Thousands), c.thousands) << c.locale;
        EXPECT_EQ(source.item(os::CurrencyItem::Decimal), c.decimal) << c.locale;
        EXPECT_EQ(source.item(os::CurrencyItem::Digits), c.digits) << c.locale;
    }
    EXPECT_EQ(os::PosixLocaleSource("xx_NOWHERE.UTF-8").item(os::CurrencyItem::Symbol),
              std::nullopt);

    // The user's locale comes from the environment, category by category.
    ::setenv("LC_ALL", "", 1);
    ::setenv("LANG", "en_US.UTF-8", 1);
    ::setenv("LC_MONETARY", "de_DE.UTF-8", 1);
    EXPECT_EQ(localeItem(os::LOCALE_SCURRENCY), "\u20AC");
    EXPECT_EQ(localeItem(os::LOCALE_ICURRENCY), "3");
    EXPECT_EQ(localeItem(os::LOCALE_SDECIMAL), ".");
}

TEST_F(DesktopServices, ProgramFileNameIsTheRunningExecutable) {
    auto name = os::programFileName();
    EXPECT_EQ(name.filename(), "os_services_tests");
    EXPECT_TRUE(std::filesystem::is_regular_file(name));
}

} // namespace
