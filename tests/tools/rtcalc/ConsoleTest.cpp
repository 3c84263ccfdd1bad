#include "tools/rtcalc/Console.h"
#include "tools/rtcalc/Escapes.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace tamberlo::rtcalc {
namespace {

TEST(RtcalcEscapes, FieldsAndLines) {
    struct Case {
        std::string field;
        std::string bytes;
    } cases[] = {
        {"plain", "plain"},
        {"a\\tb", "a\tb"},
        {"\\n", "\n"},
        {"\\\\", "\\"},
        {"\\x00\\x7f\\xFF", std::string("\0\x7f\xff", 3)},
        {"", ""},
    };
    for (const auto& [field, bytes] : cases) {
        EXPECT_EQ(unescapeField(field), bytes) << field;
        EXPECT_EQ(unescapeField(escapeLine(bytes)), bytes) << field;
    }
    for (const char* bad : {"\\", "x\\q", "\\x", "\\x4", "\\xG0", "\\t\\"})
        EXPECT_FALSE(unescapeField(bad)) << bad;
    EXPECT_EQ(escapeLine(std::string("a\tb\nc\\d\re\x01\x7f \xe9", 13)),
              "a\\tb\\nc\\\\d\\x0De\\x01\\x7F \xe9");
}

TEST(RtcalcConsole, DispatchesFieldsAndReportsMalformedLines) {
    CommandTable commands;
    commands.add("echo", 1, 2, [](const CommandArguments& arguments) {
        std::string line = "[" + arguments.text(0) + "]";
        if (arguments.size() > 1)
            line += " " + std::to_string(arguments.integer(1, -5, 5));
        return line;
    });
    commands.add("hex", 1, 1, [](const CommandArguments& arguments) {
        return std::to_string(arguments.hexBytes(0, 2)[1]);
    });
    commands.add("throws", 0, 0, [](const CommandArguments&) -> std::string {
        throw std::length_error("too long");
    });
    const Console console(commands);
    struct Case {
        std::string line;
        std::string printed;
    } cases[] = {
        {"echo\ta b", "[a b]"},
        {"echo\t\\ttab\\x0A", "[\\ttab\\n]"},
        {"echo\t\t-5", "[] -5"},
        {"echo\tx\t6", "error number out of range"},
        {"echo\tx\t1.5", "error not a number"},
        {"echo", "error wrong number of fields"},
        {"echo\ta\t1\t2", "error wrong number of fields"},
        {"echo\t\\z", "error bad escape"},
        {"hex\t0aFf", "255"},
        {"hex\t0aF", "error hex needs 4 digits"},
        {"hex\t-1ff", "error not hex"},
        {"throws", "error too long"},
        {"nothing", "error unknown command"},
        {"", "error empty line"},
    };
    for (const auto& [line, printed] : cases)
        EXPECT_EQ(console.execute(line), printed) << line;
}

} // namespace
} // namespace tamberlo::rtcalc
