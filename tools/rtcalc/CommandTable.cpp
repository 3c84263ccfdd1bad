#include "tools/rtcalc/CommandTable.h"

#include <charconv>
#include <cstdlib>

namespace tamberlo::rtcalc {

std::int64_t CommandArguments::integer(std::size_t index, std::int64_t min,
                                       std::int64_t max) const {
    const std::string& field = m_fields[index];
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error == std::errc::result_out_of_range)
        throw CommandError("number out of range");
    if (error != std::errc{} || end != field.data() + field.size())
        throw CommandError("not a number");
    if (value < min || value > max)
        throw CommandError("number out of range");
    return value;
}

double CommandArguments::real(std::size_t index) const {
    const std::string& field = m_fields[index];
    char* end = nullptr;
    const double value = std::strtod(field.c_str(), &end);
    if (field.empty() || end != field.c_str() + field.size())
        throw CommandError("not a number");
    return value;
}

std::vector<std::uint8_t> CommandArguments::hexBytes(std::size_t index, std::size_t count) const {
    const std::string& field = m_fields[index];
    if (field.size() != 2 * count)
        throw CommandError("hex needs " + std::to_string(2 * count) + " digits");
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        unsigned value = 0;
        const char* from = field.data() + 2 * i;
        const auto [end, error] = std::from_chars(from, from + 2, value, 16);
        if (error != std::errc{} || end != from + 2)
            throw CommandError("not hex");
        bytes[i] = static_cast<std::uint8_t>(value);
    }
    return bytes;
}

void CommandTable::add(std::string name, std::size_t minFields, std::size_t maxFields,
                       CommandHandler handler) {
    m_commands[std::move(name)] = Command{minFields, maxFields, std::move(handler)};
}

const Command* CommandTable::find(std::string_view name) const {
    const auto found = m_commands.find(name);
    return found == m_commands.end() ? nullptr : &found->second;
}

} // namespace tamberlo::rtcalc
