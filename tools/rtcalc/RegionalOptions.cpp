#include "tools/rtcalc/RegionalOptions.h"

#include "platform/os/IntlSettings.h"
#include "runtime/datetime/RegionalPictures.h"

#include <string_view>

namespace tamberlo::rtcalc {

std::optional<RegionalOptions> parseRegionalOptions(int argc, const char* const* argv,
                                                    std::string& error) {
    RegionalOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string_view option = argv[i];
        if (option != "--profile" && option != "--env") {
            error = "unknown option " + std::string(option);
            return std::nullopt;
        }
        if (i + 1 >= argc || *argv[i + 1] == '\0') {
            error = std::string(option) + " needs a FILE";
            return std::nullopt;
        }
        if (option == "--profile")
            options.profile = argv[++i];
        else
            options.environment = argv[++i];
    }
    return options;
}

void applyRegionalOptions(const RegionalOptions& options) {
    if (options.profile)
        buildRegionalPictures(os::ProfileIntlSettings(*options.profile), options.environment);
    else
        buildRegionalPictures(os::FixedIntlSettings{}, options.environment);
}

} // namespace tamberlo::rtcalc
