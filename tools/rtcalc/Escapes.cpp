#include "tools/rtcalc/Escapes.h"

namespace tamberlo::rtcalc {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<std::string> unescapeField(std::string_view field) {
    std::string result;
    result.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            result += field[i];
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field[i]) {
        case 't':
            result += '\t';
            break;
        case 'n':
            result += '\n';
            break;
        case '\\':
            result += '\\';
            break;
        case 'x': {
            if (i + 2 >= field.size())
                return std::nullopt;
            const int high = hexValue(field[i + 1]);
            const int low = hexValue(field[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            result += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return result;
}

std::string escapeLine(std::string_view line) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(line.size());
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            result += "\\\\";
        } else if (c == '\t') {
            result += "\\t";
        } else if (c == '\n') {
            result += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            result += "\\x";
            result += hex[byte >> 4];
            result += hex[byte & 0x0F];
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace tamberlo::rtcalc
