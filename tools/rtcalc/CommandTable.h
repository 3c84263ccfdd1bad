#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The console's commands: each command file registers its commands into one table.

namespace tamberlo::rtcalc {

// A command line that cannot be carried out; the console prints "error <reason>".
class CommandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The fields after the command name, already unescaped. The readers throw CommandError.
class CommandArguments {
public:
    explicit CommandArguments(std::span<const std::string> fields) : m_fields(fields) {}

    std::size_t size() const { return m_fields.size(); }
    const std::string& text(std::size_t index) const { return m_fields[index]; }
    // A decimal integer from `min` to `max`.
    std::int64_t integer(std::size_t index, std::int64_t min, std::int64_t max) const;
    // A real in C strtod syntax, the whole field.
    double real(std::size_t index) const;
    // Exactly `count` bytes written as 2 * count hex digits.
    std::vector<std::uint8_t> hexBytes(std::size_t index, std::size_t count) const;

private:
    std::span<const std::string> m_fields;
};

// Returns the line to print (unescaped; the console escapes it).
using CommandHandler = std::function<std::string(const CommandArguments&)>;

struct Command {
    std::size_t minFields = 0;
    std::size_t maxFields = 0;
    CommandHandler handler;
};

class CommandTable {
public:
    // A later registration of the same name replaces the earlier one.
    void add(std::string name, std::size_t minFields, std::size_t maxFields,
             CommandHandler handler);
    const Command* find(std::string_view name) const;

private:
    std::map<std::string, Command, std::less<>> m_commands;
};

} // namespace tamberlo::rtcalc
