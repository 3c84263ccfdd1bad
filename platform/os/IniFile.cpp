#include "platform/os/IniFile.h"

#include "platform/os/IniText.h"

#include <utility>

namespace tamberlo::os {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

void classify(IniFile::Line& line) {
    std::string_view text = line.text;
    std::size_t first = 0;
    while (first < text.size() && isIniBlank(text[first]))
        ++first;
    if (first == text.size())
        return;
    if (text[first] == '[') {
        auto close = text.find(']', first + 1);
        if (close != std::string_view::npos) {
            line.kind = IniFile::LineKind::Section;
            line.name = trimIniBlanks(text.substr(first + 1, close - first - 1));
        }
        return; // a "[" without "]" is neither a header nor a key
    }
    if (text[first] == ';')
        return;
    auto equals = text.find('=', first);
    if (equals == std::string_view::npos)
        return;
    line.kind = IniFile::LineKind::Key;
    line.name = trimIniBlanks(text.substr(first, equals - first));
    std::size_t value = equals + 1;
    while (value < text.size() && isIniBlank(text[value]))
        ++value;
    line.valueStart = value;
}

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool storableSection(std::string_view name) {
    return !hasLineBreak(name) && name.find(']') == std::string_view::npos;
}

bool storableKey(std::string_view name) {
    return !name.empty() && !hasLineBreak(name) && name.find('=') == std::string_view::npos &&
           name.front() != '[' && name.front() != ';';
}

} // namespace

IniFile IniFile::parse(std::string_view bytes) {
    IniFile file;
    if (bytes.starts_with(byteOrderMark)) {
        file.m_hasByteOrderMark = true;
        bytes.remove_prefix(byteOrderMark.size());
    }
    std::size_t at = 0;
    while (at < bytes.size()) {
        auto end = bytes.find_first_of("\r\n", at);
        Line line;
        if (end == std::string_view::npos) {
            line.text = bytes.substr(at);
            at = bytes.size();
        } else {
            line.text = bytes.substr(at, end - at);
            std::size_t endingLength = bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
            line.ending = bytes.substr(end, endingLength);
            at = end + endingLength;
        }
        classify(line);
        file.m_lines.push_back(std::move(line));
    }
    return file;
}

std::string IniFile::serialize() const {
    std::size_t size = m_hasByteOrderMark ? byteOrderMark.size() : 0;
    for (const auto& line : m_lines)
        size += line.text.size() + line.ending.size();
    std::string bytes;
    bytes.reserve(size);
    if (m_hasByteOrderMark)
        bytes += byteOrderMark;
    for (const auto& line : m_lines) {
        bytes += line.text;
        bytes += line.ending;
    }
    return bytes;
}

std::optional<std::size_t> IniFile::findSection(std::string_view name) const {
    name = trimIniBlanks(name);
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind == LineKind::Section && equalsIgnoringAsciiCase(m_lines[i].name, name))
            return i;
    return std::nullopt;
}

std::size_t IniFile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != LineKind::Section)
        ++i;
    return i;
}

std::optional<std::size_t> IniFile::findKey(std::string_view section, std::string_view key) const {
    key = trimIniBlanks(key);
    if (key.empty())
        return std::nullopt;
    auto header = findSection(section);
    if (!header)
        return std::nullopt;
    for (std::size_t i = *header + 1, end = sectionEnd(*header); i < end; ++i)
        if (m_lines[i].kind == LineKind::Key && equalsIgnoringAsciiCase(m_lines[i].name, key))
            return i;
    return std::nullopt;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    auto at = findKey(section, key);
    if (!at)
        return std::nullopt;
    const Line& line = m_lines[*at];
    return std::string(trimIniBlanks(std::string_view(line.text).substr(line.valueStart)));
}

std::vector<std::string> IniFile::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    auto header = findSection(section);
    if (!header)
        return names;
    for (std::size_t i = *header + 1, end = sectionEnd(*header); i < end; ++i)
        if (m_lines[i].kind == LineKind::Key)
            names.push_back(m_lines[i].name);
    return names;
}

std::string IniFile::defaultEnding() const {
    for (const auto& line : m_lines)
        if (!line.ending.empty())
            return line.ending;
    return "\n";
}

// Inserts a new line before index `at`. It takes the ending of the line before it, so that a
// file with mixed endings stays consistent where it changes. When that line was the last one and
// had no ending, it gets one and the new line becomes the unterminated last line instead.
void IniFile::insertLine(std::size_t at, std::string text) {
    Line line;
    line.text = std::move(text);
    line.ending = defaultEnding();
    if (at > 0) {
        Line& before = m_lines[at - 1];
        if (before.ending.empty())
            before.ending = std::exchange(line.ending, std::string());
        else
            line.ending = before.ending;
    }
    classify(line);
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

bool IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    section = trimIniBlanks(section);
    key = trimIniBlanks(key);
    if (!storableSection(section) || !storableKey(key) || hasLineBreak(value))
        return false;

    if (auto at = findKey(section, key)) {
        Line& line = m_lines[*at];
        line.text.resize(line.valueStart);
        line.text += value;
        return true;
    }
    std::string entry;
    entry.reserve(key.size() + 1 + value.size());
    entry.append(key).append("=").append(value);

    if (auto header = findSection(section)) {
        std::size_t insertAt = *header + 1;
        for (std::size_t i = *header + 1, end = sectionEnd(*header); i < end; ++i)
            if (m_lines[i].kind == LineKind::Key)
                insertAt = i + 1;
        insertLine(insertAt, std::move(entry));
        return true;
    }
    std::string header;
    header.append("[").append(section).append("]");
    insertLine(m_lines.size(), std::move(header));
    insertLine(m_lines.size(), std::move(entry));
    return true;
}

bool IniFile::remove(std::string_view section, std::string_view key) {
    auto at = findKey(section, key);
    if (!at)
        return false;
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*at));
    return true;
}

} // namespace tamberlo::os
