#include "tools/rtcalc/PictureCommands.h"

#include "runtime/decimal/DecimalStack.h"
#include "runtime/picture/Format.h"

#include <cstdio>
#include <limits>
#include <vector>

namespace tamberlo::rtcalc {

namespace {

// "kind=0 type=3 blank=0 len=15 century=0 number=0 5:2D 4:20 ...": the compiled picture's
// fields, then each position's role and fill byte.
std::string describe(const CompiledPicture& picture) {
    if (!picture.valid())
        return "invalid";
    char text[96];
    std::snprintf(text, sizeof text, "kind=%d type=%d blank=%d len=%d century=%d number=%d",
                  static_cast<int>(picture.kind), static_cast<int>(picture.valueType),
                  picture.blankWhenZero ? 1 : 0, picture.length, picture.centuryWindow,
                  picture.pictureNumber);
    std::string line = text;
    for (int i = 0; i < picture.length; ++i) {
        const auto& position = picture.positions[i];
        std::snprintf(text, sizeof text, " %d:%02X", static_cast<int>(position.role),
                      static_cast<unsigned char>(position.fill));
        line += text;
    }
    return line;
}

std::string bracketed(const std::string& text) {
    return "[" + text + "]";
}

} // namespace

void registerPictureCommands(CommandTable& commands) {
    using Arguments = const CommandArguments&;
    constexpr std::int64_t int32Min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();

    commands.add("compile", 1, 1,
                 [](Arguments arguments) { return describe(compilePicture(arguments.text(0))); });
    commands.add("formatLong", 2, 2, [](Arguments arguments) {
        auto value = static_cast<std::int32_t>(arguments.integer(1, int32Min, int32Max));
        return bracketed(FORMAT(value, arguments.text(0)));
    });
    commands.add("formatDecimal", 2, 2, [](Arguments arguments) {
        pushText(arguments.text(1));
        return bracketed(FORMAT(popWorkingDecimal(), arguments.text(0)));
    });
    commands.add("formatText", 2, 2, [](Arguments arguments) {
        return bracketed(FORMAT(std::string_view(arguments.text(1)), arguments.text(0)));
    });
    commands.add("formatReal", 2, 2, [](Arguments arguments) {
        return bracketed(FORMAT(arguments.real(1), arguments.text(0)));
    });
    // An optional buffer size (default: room for any picture) shows the rule for text that
    // does not fit.
    commands.add("popFormatted", 1, 2, [](Arguments arguments) {
        const auto size = arguments.size() > 1
                              ? static_cast<std::size_t>(arguments.integer(1, 0, 65536))
                              : static_cast<std::size_t>(maxPictureLength + 1);
        std::vector<char> buffer(size + 1, '\0');
        popFormatted(buffer.data(), size, arguments.text(0));
        return bracketed(buffer.data());
    });
}

} // namespace tamberlo::rtcalc
