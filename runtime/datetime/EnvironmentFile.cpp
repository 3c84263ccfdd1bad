#include "runtime/datetime/EnvironmentFile.h"

#include "platform/os/FileContents.h"
#include "platform/os/IniText.h"

namespace tamberlo {
namespace {

using os::equalsIgnoringAsciiCase;
using os::isIniBlank;

std::string decodeValue(std::string_view raw) {
    std::string value;
    for (std::size_t at = 0; at < raw.size();) {
        char c = raw[at];
        if (c != '<' || at + 1 >= raw.size()) {
            value += c;
            ++at;
        } else if (raw[at + 1] == '<') {
            value += '<';
            at += 2;
        } else if (raw[at + 1] >= '0' && raw[at + 1] <= '9') {
            int code = 0;
            for (++at; at < raw.size() && raw[at] >= '0' && raw[at] <= '9'; ++at)
                if (code <= 255)
                    code = code * 10 + (raw[at] - '0');
            if (at < raw.size()) // the closing character, normally ">"
                ++at;
            // A code that is no character (0, or beyond one byte) stands for nothing, rather than
            // ending the text early or wrapping round to another character.
            if (code >= 1 && code <= 255)
                value += static_cast<char>(code);
        } else {
            value += c;
            ++at;
        }
    }
    return value;
}

void replaceNames(const std::vector<std::string>& items, auto& table) {
    for (std::size_t i = 0; i < table.size() && i < items.size() && !items[i].empty(); ++i)
        table[i].assign(items[i]);
}

} // namespace

std::filesystem::path environmentFileOf(const std::filesystem::path& program) {
    if (program.empty())
        return {};
    auto file = program;
    file += ".ENV";
    return file;
}

std::optional<std::string> readEnvironmentFile(const std::filesystem::path& file) {
    auto contents = os::readFileContents(file, environmentFileLimit);
    if (contents.state != os::FileContents::State::Read)
        return std::nullopt;
    return std::move(contents.bytes);
}

void readEnvironmentEntries(std::string_view text,
                            const std::function<void(std::string_view, std::string_view)>& entry) {
    if (auto end = text.find('\x1A'); end != std::string_view::npos)
        text = text.substr(0, end);
    while (!text.empty()) {
        auto newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        auto equals = line.find('=');
        if (equals == std::string_view::npos || line.find('\0') != std::string_view::npos)
            continue;
        std::string name;
        bool tooLong = false;
        for (char c : line.substr(0, equals)) {
            if (c == ' ')
                continue;
            if (name.size() == environmentNameLimit) {
                tooLong = true;
                break;
            }
            name += c;
        }
        if (tooLong)
            continue;
        std::string_view raw = line.substr(equals + 1, environmentValueLimit);
        while (!raw.empty() && isIniBlank(raw.back()))
            raw.remove_suffix(1);
        entry(name, decodeValue(raw));
    }
}

std::vector<std::string> environmentItems(std::string_view value) {
    std::vector<std::string> items;
    if (value.empty() || value[0] != '"') {
        for (;;) {
            auto comma = value.find(',');
            items.emplace_back(value.substr(0, comma));
            if (comma == std::string_view::npos)
                break;
            value.remove_prefix(comma + 1);
        }
        return items;
    }
    for (std::size_t at = 0;;) {
        while (at < value.size() && (value[at] == ',' || isIniBlank(value[at])))
            ++at;
        if (at >= value.size())
            break;
        std::string item;
        if (value[at] == '"') {
            for (++at; at < value.size(); ++at) {
                if (value[at] == '"') {
                    if (at + 1 < value.size() && value[at + 1] == '"') {
                        item += '"';
                        ++at;
                        continue;
                    }
                    ++at;
                    break;
                }
                item += value[at];
            }
        } else {
            // Text outside quotes in a quoted list is taken up to the next separator.
            for (; at < value.size() && value[at] != ',' && !isIniBlank(value[at]) &&
                   value[at] != '"';
                 ++at)
                item += value[at];
        }
        items.push_back(std::move(item));
    }
    return items;
}

void applyEnvironment(std::string_view text, MonthNames& names, std::string_view regionalAm,
                      std::string_view regionalPm) {
    readEnvironmentEntries(text, [&](std::string_view name, std::string_view value) {
        if (equalsIgnoringAsciiCase(name, "ZOTMONTH")) {
            replaceNames(environmentItems(value), names.months);
        } else if (equalsIgnoringAsciiCase(name, "ZOTMON")) {
            replaceNames(environmentItems(value), names.abbreviations);
        } else if (equalsIgnoringAsciiCase(name, "ZOTAMPM")) {
            auto items = environmentItems(value);
            if (items.size() == 1 && equalsIgnoringAsciiCase(items[0], "WINDOWS")) {
                names.amText.assign(regionalAm);
                names.pmText.assign(regionalPm);
                return;
            }
            if (!items.empty())
                names.amText.assign(items[0]);
            if (items.size() > 1)
                names.pmText.assign(items[1]);
        }
    });
}

} // namespace tamberlo
