#include "runtime/datetime/EnvironmentFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace tamberlo;
using namespace std::literals;

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries entriesOf(std::string_view text) {
    Entries entries;
    readEnvironmentEntries(text, [&](std::string_view name, std::string_view value) {
        entries.emplace_back(name, value);
    });
    return entries;
}

MonthNames applied(std::string_view text) {
    MonthNames names = MonthNames::builtIn();
    applyEnvironment(text, names, "vm", "nm");
    return names;
}

} // namespace

TEST(EnvironmentFile, Lines) {
    EXPECT_EQ(entriesOf("A=1\r\nno equals sign\n Z OT MON = x y \t\nB=2"),
              (Entries{{"A", "1"}, {"ZOTMON", " x y"}, {"B", "2"}}));
    EXPECT_EQ(entriesOf("A=1\n\x1A"
                        "B=2\n"),
              (Entries{{"A", "1"}})); // Ctrl-Z ends the file
    EXPECT_EQ(entriesOf("A=1\nB=\0x\nC=3"sv), (Entries{{"A", "1"}, {"C", "3"}}));
    EXPECT_EQ(entriesOf("=empty name\nD==\n"), (Entries{{"", "empty name"}, {"D", "="}}));
    EXPECT_EQ(entriesOf(""), Entries{});
    EXPECT_EQ(entriesOf("\n\n\r\n"), Entries{});

    std::string longest(environmentNameLimit, 'N');
    EXPECT_EQ(entriesOf(longest + "=1\n" + longest + "X=2\n"), (Entries{{longest, "1"}}));
    std::string value = std::string(environmentValueLimit, 'v');
    EXPECT_EQ(entriesOf("A=" + value + "cut off"), (Entries{{"A", value}}));
}

TEST(EnvironmentFile, Escapes) {
    EXPECT_EQ(entriesOf("A=M<228>rz"), (Entries{{"A", "M\xE4rz"}}));
    EXPECT_EQ(entriesOf("A=<65>b<<c<66"), (Entries{{"A", "Ab<cB"}}));
    EXPECT_EQ(entriesOf("A=<65)x"), (Entries{{"A", "Ax"}})); // any closing character is dropped
    EXPECT_EQ(entriesOf("A=a<0>b<256>c<99999999999999999999>d"), (Entries{{"A", "abcd"}}));
    EXPECT_EQ(entriesOf("A=<x<"), (Entries{{"A", "<x<"}}));
}

TEST(EnvironmentFile, Items) {
    using Items = std::vector<std::string>;
    EXPECT_EQ(environmentItems("a,b,,c"), (Items{"a", "b", "", "c"}));
    EXPECT_EQ(environmentItems(""), (Items{""}));
    EXPECT_EQ(environmentItems(" a , b"), (Items{" a ", " b"}));
    EXPECT_EQ(environmentItems(R"("a b","c""d" "e",,"")"), (Items{"a b", "c\"d", "e", ""}));
    EXPECT_EQ(environmentItems(R"("open)"), (Items{"open"}));
    EXPECT_EQ(environmentItems(R"("a"x"b" y,)"), (Items{"a", "x", "b", "y"}));
    EXPECT_EQ(environmentItems(R"(a"b")"), (Items{"a\"b\""}));
}

TEST(EnvironmentFile, NameTables) {
    auto names = applied("zotmonth=Januar,Februar,,April\n"
                         "ZOTMON=\"jan\" \"FEBRUARY\"\n"
                         "ZOTAMPM=vorm.,nachm.\n"
                         "OTHER=ignored\n");
    EXPECT_EQ(names.months[0].view(), "Januar");
    EXPECT_EQ(names.months[1].view(), "Februar");
    EXPECT_EQ(names.months[2].view(), "March"); // the empty item ends the replacement
    EXPECT_EQ(names.months[3].view(), "April");
    EXPECT_EQ(names.abbreviations[0].view(), "jan");
    EXPECT_EQ(names.abbreviations[1].view(), "FEB");
    EXPECT_EQ(names.abbreviations[2].view(), "Mar");
    EXPECT_EQ(names.amText.view(), "vo");
    EXPECT_EQ(names.pmText.view(), "na");

    names = applied("ZOTMONTH=1,2,3,4,5,6,7,8,9,10,11,Twelfth month name,13\nZOTAMPM=WiNdOwS");
    EXPECT_EQ(names.months[11].view(), "Twelfth mont");
    EXPECT_EQ(names.months[0].view(), "1");
    EXPECT_EQ(names.amText.view(), "vm");
    EXPECT_EQ(names.pmText.view(), "nm");

    names = applied("ZOTAMPM=WINDOWS,x\n");
    EXPECT_EQ(names.amText.view(), "WI");
    EXPECT_EQ(names.pmText.view(), "x");

    names = applied("ZOTAMPM=am\n");
    EXPECT_EQ(names.amText.view(), "am");
    EXPECT_EQ(names.pmText.view(), "PM");

    // A later line wins; a line cut off by the value limit loses what lies beyond it.
    names = applied("ZOTAMPM=x,y\nZOTAMPM=" + std::string(environmentValueLimit, 'a') + ",pm\n");
    EXPECT_EQ(names.amText.view(), "aa");
    EXPECT_EQ(names.pmText.view(), "y");
}

TEST(EnvironmentFile, FileBesideTheProgram) {
    EXPECT_EQ(environmentFileOf("/opt/tamberlo/bin/tamberlo"), "/opt/tamberlo/bin/tamberlo.ENV");
    EXPECT_EQ(environmentFileOf("/opt/calc.exe"), "/opt/calc.exe.ENV");
    EXPECT_EQ(environmentFileOf(""), "");

    auto file = std::filesystem::temp_directory_path() /
                ("tamberlo-env-test-" + std::to_string(::getpid()) + ".ENV");
    EXPECT_EQ(readEnvironmentFile(file), std::nullopt);
    {
        std::ofstream out(file, std::ios::binary);
        out << "ZOTMON=a\r\n";
    }
    EXPECT_EQ(readEnvironmentFile(file), "ZOTMON=a\r\n");
    std::filesystem::remove(file);
    EXPECT_EQ(readEnvironmentFile(std::filesystem::temp_directory_path()), std::nullopt);
}

// Only a regular file of at most environmentFileLimit bytes is read: a FIFO without a writer
// would block the program at start, and a huge file is no settings file.
TEST(EnvironmentFile, RefusesWhatIsNoSmallRegularFile) {
    const auto base = std::filesystem::temp_directory_path() /
                      ("tamberlo-env-refuse-" + std::to_string(::getpid()));
    const auto fifo = base.string() + ".fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readEnvironmentFile(fifo), std::nullopt);
    std::filesystem::remove(fifo);

    const auto large = base.string() + ".ENV";
    {
        std::ofstream out(large, std::ios::binary);
        out << "ZOTMON=a\n" << std::string(environmentFileLimit, '\n');
    }
    EXPECT_EQ(readEnvironmentFile(large), std::nullopt);
    std::filesystem::remove(large);
}
