#include "tools/rtcalc/RegionalOptions.h"

#include <gtest/gtest.h>

#include <vector>

using tamberlo::rtcalc::parseRegionalOptions;

namespace {

std::optional<tamberlo::rtcalc::RegionalOptions> parse(std::vector<const char*> arguments,
                                                       std::string& error) {
    arguments.insert(arguments.begin(), "rtcalc");
    return parseRegionalOptions(static_cast<int>(arguments.size()), arguments.data(), error);
}

} // namespace

TEST(RegionalOptions, ProfileAndEnvironmentFile) {
    std::string error;
    auto none = parse({}, error);
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->profile);
    EXPECT_TRUE(none->environment.empty());

    auto both = parse({"--env", "a.env", "--profile", "p.ini"}, error);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->profile, "p.ini");
    EXPECT_EQ(both->environment, "a.env");

    auto later = parse({"--env", "a.env", "--env", "b.env"}, error);
    ASSERT_TRUE(later);
    EXPECT_EQ(later->environment, "b.env");
}

TEST(RegionalOptions, Mistakes) {
    struct Row {
        std::vector<const char*> arguments;
        const char* error;
    };
    for (const auto& row : {
             Row{{"--bogus"}, "unknown option --bogus"},
             Row{{"--profile"}, "--profile needs a FILE"},
             Row{{"--env", ""}, "--env needs a FILE"},
             Row{{"--profile", "p.ini", "extra"}, "unknown option extra"},
         }) {
        std::string error;
        EXPECT_FALSE(parse(row.arguments, error));
        EXPECT_EQ(error, row.error);
    }
}
