#include "platform/os/IniFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using tamberlo::os::IniFile;
using namespace std::string_literals;

namespace {

// Files a settings store may meet in the wild; each must come back byte for byte.
std::vector<std::string> oddFiles() {
    return {
        "",
        "\xEF\xBB\xBF[a]\r\nk=v\r\n",
        "[a]\rk=v\rother\r",
        "[a]\r\nk=v\nx\ry\r\n\r\n",
        "no sections at all\nk=v",
        "k=before\n[a]\nk=in a\n[a]\nk=second a\nk=dup\n",
        "[a]\nk=1\0\0k2=2\n\0[b]\n"s,
        "[a]\nlong=" + std::string(70 * 1024, 'x') + "\nend=1\n",
        "\xFF\xFE\x00\x01[\x80]\n=\n==\n[\n]\n[]]\n\t; c\n"s,
        "[a]\nk=v", // no final line ending
        "\r\n\r\n\n",
    };
}

TEST(IniFile, SerialisesEveryFileExactlyAsRead) {
    for (const auto& bytes : oddFiles())
        EXPECT_EQ(IniFile::parse(bytes).serialize(), bytes);
}

TEST(IniFile, LooksUpNamesByTheProfileRules) {
    auto ini = IniFile::parse("orphan=before any section\n"
                              "[Intl]\n"
                              "  sCurrency  =  kr  \n"
                              "; sDecimal=,\n"
                              "[broken\n"
                              "sDecimal=\n"
                              "url=a=b\n"
                              "sCurrency=second\n"
                              "\t[ INTL ]\t\n"
                              "sThousand=.\n");
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    } cases[] = {
        {"intl", "SCURRENCY", "kr"},         // case and blanks do not matter; first key wins
        {" Intl\t", " sCurrency ", "kr"},    // the caller's blanks do not either
        {"intl", "sDecimal", ""},            // present but empty; a comment is not a key
        {"intl", "url", "a=b"},              // the value starts after the first "="
        {"intl", "sThousand", std::nullopt}, // only the first section of a name is read
        {"", "orphan", std::nullopt},        // keys before any section belong to none
        {"intl", "", std::nullopt},
        {"missing", "sCurrency", std::nullopt},
        {"[broken", "sDecimal", std::nullopt}, // "[" without "]" is no header
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.value(c.section, c.key), c.value) << c.section << " / " << c.key;
    EXPECT_EQ(ini.keyNames("INTL"),
              (std::vector<std::string>{"sCurrency", "sDecimal", "url", "sCurrency"}));
}

TEST(IniFile, SetChangesOnlyTheLineItTargets) {
    struct Case {
        std::string before;
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    } cases[] = {
        // an existing key keeps its spelling and spacing; only the value changes
        {"; top\n[S]\r\n  Key = old\r\n\n[T]\nKey=t\n", "s", "KEY", "new",
         "; top\n[S]\r\n  Key = new\r\n\n[T]\nKey=t\n"},
        // a new key goes after the section's last key, before its trailing blank and comment
        {"[S]\na=1\nnoise\nb=2\n\n; about T\n[T]\n", "S", "c", "3",
         "[S]\na=1\nnoise\nb=2\nc=3\n\n; about T\n[T]\n"},
        // a section without keys gets it right after its header
        {"[S]\n\n[T]\n", "S", "c", "", "[S]\nc=\n\n[T]\n"},
        // a new section goes at the end, in the file's line endings, keeping its BOM
        {"\xEF\xBB\xBF[S]\r\na=1\r\n", "New", "k", "v",
         "\xEF\xBB\xBF[S]\r\na=1\r\n[New]\r\nk=v\r\n"},
        {"[S]\ra=1\r", "S", "b", "2", "[S]\ra=1\rb=2\r"},
        // a file without a final line ending stays without one
        {"[S]\na=1", "S", "b", "2", "[S]\na=1\nb=2"},
        {"x", "S", "k", "v", "x\n[S]\nk=v"},
        {"", "S", "k", "v", "[S]\nk=v\n"},
        // a new line takes the ending of the line it follows
        {"[S]\r\na=1\n", "S", "b", "2", "[S]\r\na=1\nb=2\n"},
        // duplicates: the first section and the first key are the ones changed
        {"[S]\nk=1\nk=2\n[s]\nk=3\n", "S", "k", "9", "[S]\nk=9\nk=2\n[s]\nk=3\n"},
        // other bytes, however odd, are left alone
        {"\0junk\xFF\n[S]\nk=1\n"s, "S", "k", "2", "\0junk\xFF\n[S]\nk=2\n"s},
    };
    for (auto& c : cases) {
        auto ini = IniFile::parse(c.before);
        ASSERT_TRUE(ini.set(c.section, c.key, c.value)) << c.before;
        EXPECT_EQ(ini.serialize(), c.after) << c.before;
        EXPECT_EQ(IniFile::parse(ini.serialize()).value(c.section, c.key), c.value);
    }
}

TEST(IniFile, RefusesWritesThatWouldNotReadBack) {
    const std::string before = "[S]\nk=1\n";
    struct Case {
        std::string section, key, value;
    } cases[] = {
        {"S", "k", "two\nlines"}, {"S", "k", "cr\r"}, {"S\n[T]", "k", "v"},
        {"a]b", "k", "v"},        {"S", "a=b", "v"},  {"S", "  ", "v"},
        {"S", "[k", "v"},         {"S", ";k", "v"},   {"S", "k\r", "v"},
    };
    for (const auto& c : cases) {
        auto ini = IniFile::parse(before);
        EXPECT_FALSE(ini.set(c.section, c.key, c.value)) << c.section << "/" << c.key;
        EXPECT_EQ(ini.serialize(), before);
    }
}

TEST(IniFile, RemoveTakesOutOnlyTheFirstMatchingLine) {
    auto ini = IniFile::parse("[S]\r\nk=1\r\nK=2\r\n; k=3\r\n[T]\r\nk=4");
    EXPECT_TRUE(ini.remove("s", "K"));
    EXPECT_EQ(ini.serialize(), "[S]\r\nK=2\r\n; k=3\r\n[T]\r\nk=4");
    EXPECT_EQ(ini.value("S", "k"), "2"); // a later duplicate comes to light, as it should
    EXPECT_FALSE(ini.remove("S", "missing"));
    EXPECT_FALSE(ini.remove("missing", "k"));
    EXPECT_TRUE(ini.remove("T", "k"));
    EXPECT_EQ(ini.serialize(), "[S]\r\nK=2\r\n; k=3\r\n[T]\r\n");
}

} // namespace
