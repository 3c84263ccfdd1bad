#include "tools/rtcalc/DecimalCommands.h"

#include "runtime/decimal/DecimalStack.h"

#include <cinttypes>
#include <cstdio>
#include <limits>

namespace tamberlo::rtcalc {

DecimalShape readDecimalShape(const CommandArguments& arguments, std::size_t index) {
    const auto bytes = static_cast<int>(arguments.integer(index, 1, 16));
    const auto places = static_cast<int>(arguments.integer(index + 1, 0, 2 * bytes - 1));
    return {bytes, places};
}

std::string hexText(const std::vector<std::uint8_t>& bytes) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += hex[byte >> 4];
        text += hex[byte & 0x0F];
    }
    return text;
}

namespace {

std::string done(void (*operation)()) {
    operation();
    return "ok";
}

using Push = void (*)(const void*, int, int);
using Store = void (*)(void*, int, int);

CommandHandler pushVariable(Push push) {
    return [push](const CommandArguments& arguments) {
        const DecimalShape shape = readDecimalShape(arguments, 0);
        const auto bytes = arguments.hexBytes(2, static_cast<std::size_t>(shape.bytes));
        push(bytes.data(), shape.bytes, shape.places);
        return std::string("ok");
    };
}

CommandHandler storeVariable(Store store) {
    return [store](const CommandArguments& arguments) {
        const DecimalShape shape = readDecimalShape(arguments, 0);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(shape.bytes));
        store(bytes.data(), shape.bytes, shape.places);
        return hexText(bytes);
    };
}

} // namespace

void registerDecimalCommands(CommandTable& commands) {
    using Arguments = const CommandArguments&;
    constexpr std::int64_t int32Min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t uint32Max = std::numeric_limits<std::uint32_t>::max();

    commands.add("pushText", 1, 1, [](Arguments arguments) {
        pushText(arguments.text(0));
        return std::string("ok");
    });
    commands.add("pushLong", 1, 1, [](Arguments arguments) {
        pushLong(static_cast<std::int32_t>(arguments.integer(0, int32Min, int32Max)));
        return std::string("ok");
    });
    commands.add("pushUnsignedLong", 1, 1, [](Arguments arguments) {
        pushUnsignedLong(static_cast<std::uint32_t>(arguments.integer(0, 0, uint32Max)));
        return std::string("ok");
    });
    commands.add("pushReal", 1, 1, [](Arguments arguments) {
        pushReal(arguments.real(0));
        return std::string("ok");
    });
    commands.add("pushDecimal", 3, 3, pushVariable(pushDecimal));
    commands.add("pushPackedDecimal", 3, 3, pushVariable(pushPackedDecimal));

    commands.add("add", 0, 0, [](Arguments) { return done(decimalAdd); });
    commands.add("sub", 0, 0, [](Arguments) { return done(decimalSubtract); });
    commands.add("mul", 0, 0, [](Arguments) { return done(decimalMultiply); });
    commands.add("div", 0, 0, [](Arguments) { return done(decimalDivide); });
    commands.add("neg", 0, 0, [](Arguments) { return done(decimalNegate); });
    commands.add("abs", 0, 0, [](Arguments) { return done(decimalAbsolute); });

    commands.add("compare", 0, 0, [](Arguments) { return std::to_string(compareDecimals()); });
    commands.add("compareReversed", 0, 0,
                 [](Arguments) { return std::to_string(compareDecimalsReversed()); });
    commands.add("popTruth", 0, 0, [](Arguments) { return std::to_string(popTruth()); });
    commands.add("popLong", 0, 0, [](Arguments) { return std::to_string(popLong()); });
    commands.add("popUnsignedLong", 0, 0,
                 [](Arguments) { return std::to_string(popUnsignedLong()); });
    commands.add("popReal", 0, 0, [](Arguments) {
        char text[64];
        std::snprintf(text, sizeof text, "%.17g", popReal());
        return std::string(text);
    });
    commands.add("popText", 0, 1, [](Arguments arguments) {
        const auto size =
            arguments.size() > 0 ? static_cast<std::size_t>(arguments.integer(0, 0, 65536)) : 80;
        // One byte more than the engine may use, so the text ends even when size is 0.
        std::vector<char> buffer(size + 1, '\0');
        popText(buffer.data(), size);
        return "[" + std::string(buffer.data()) + "]";
    });

    commands.add("storeDecimal", 2, 2, storeVariable(storeDecimal));
    commands.add("storePackedDecimal", 2, 2, storeVariable(storePackedDecimal));
    commands.add("depth", 0, 0, [](Arguments) { return std::to_string(decimalStackDepth()); });
}

} // namespace tamberlo::rtcalc
