#include "tools/rtcalc/Console.h"

#include "tools/rtcalc/Escapes.h"

#include <cstdlib>
#include <exception>
#include <vector>

namespace tamberlo::rtcalc {

std::string Console::execute(std::string_view line) const {
    if (line.empty())
        return "error empty line";
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        const auto field = unescapeField(line.substr(start, tab - start));
        if (!field)
            return "error bad escape";
        fields.push_back(*field);
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    const Command* command = m_commands.find(fields.front());
    if (!command)
        return "error unknown command";
    const std::span<const std::string> arguments(fields.data() + 1, fields.size() - 1);
    if (arguments.size() < command->minFields || arguments.size() > command->maxFields)
        return "error wrong number of fields";
    try {
        return escapeLine(command->handler(CommandArguments(arguments)));
    } catch (const std::exception& error) { // CommandError and the library's own alike
        return escapeLine(std::string("error ") + error.what());
    }
}

void Console::run(std::istream& in, std::FILE* out) const {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') // a script saved with CR LF line ends
            line.pop_back();
        const std::string result = execute(line);
        std::fwrite(result.data(), 1, result.size(), out);
        std::fputc('\n', out);
        std::fflush(out);
    }
}

void reportFatalAndExit(const char* reason) {
    const std::string line = "fatal " + escapeLine(reason ? reason : "");
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    std::_Exit(3);
}

} // namespace tamberlo::rtcalc
