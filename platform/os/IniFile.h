#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamberlo::os {

// An INI file held as its lines, so that a change touches only the line it targets and every
// other byte (comments, blank and unknown lines, keys before the first section, duplicate
// sections, line endings, a UTF-8 byte-order mark) is written back exactly as it was read.
//
// Reading rules: a line whose first non-blank character is "[" and that holds a "]" later is a
// section header, named by the text between them; a line starting with ";" is a comment; any
// other line holding "=" is a key, named by the text before the first "=". Names and values
// lose surrounding blanks (space, tab). Names match without regard to ASCII case and the first
// match wins: only the first section of a name is seen, and the first key of a name in it.
// Keys before the first section belong to no section and are never matched. Lines end at LF,
// CR LF or a lone CR; NUL and other bytes are kept as they are.
class IniFile {
public:
    enum class LineKind { Section, Key, Other };

    struct Line {
        std::string text;   // the line without its ending
        std::string ending; // "\r\n", "\n", "\r", or empty for a last line that has none
        LineKind kind = LineKind::Other;
        std::string name;           // section or key name, blanks trimmed
        std::size_t valueStart = 0; // Key: where the value starts in `text`
    };

    static IniFile parse(std::string_view bytes);
    // parse(bytes).serialize() == bytes for any input.
    std::string serialize() const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The key names of the section in file order (duplicates included).
    std::vector<std::string> keyNames(std::string_view section) const;

    // Sets the key's value, adding the section at the end of the file and the key after the
    // section's last key as needed. Returns false and changes nothing when the names or the
    // value would not read back as written (a line break anywhere, "]" in a section name, "="
    // in a key name, an empty key name, a key name starting with "[" or ";").
    bool set(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key's line; false when there was none.
    bool remove(std::string_view section, std::string_view key);

    const std::vector<Line>& lines() const { return m_lines; }
    bool hasByteOrderMark() const { return m_hasByteOrderMark; }

private:
    std::optional<std::size_t> findSection(std::string_view name) const;
    std::size_t sectionEnd(std::size_t header) const;
    std::optional<std::size_t> findKey(std::string_view section, std::string_view key) const;
    void insertLine(std::size_t at, std::string text);
    std::string defaultEnding() const;

    bool m_hasByteOrderMark = false;
    std::vector<Line> m_lines;
};

} // namespace tamberlo::os
