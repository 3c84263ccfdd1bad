#include "runtime/window/VariableDisplay.h"

#include "runtime/decimal/DecimalStack.h"
#include "runtime/picture/Format.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tamberlo {
namespace {

std::string_view textOf(const UseVariable& variable) {
    return {static_cast<const char*>(variable.address), variable.size};
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

} // namespace

std::string formatVariable(const UseVariable& variable, std::string_view picture) {
    if (!variable.bound())
        return {};
    if (variable.type == VariableType::Text) {
        if (picture.empty())
            return std::string(textOf(variable));
        return FORMAT(textOf(variable), picture);
    }
    pushVariable(variable);
    std::array<char, maxPictureLength + 1> buffer{};
    popFormatted(buffer.data(), buffer.size(), picture);
    return std::string(buffer.data());
}

std::string formatVariableTrimmed(const UseVariable& variable, std::string_view picture) {
    std::string shown = formatVariable(variable, picture);
    return std::string(trimBlanks(shown));
}

bool variableEquals(const UseVariable& variable, std::string_view value) {
    if (!variable.bound())
        return false;
    if (variable.type == VariableType::Text) {
        std::string_view held = textOf(variable);
        while (!held.empty() && held.back() == ' ')
            held.remove_suffix(1);
        while (!value.empty() && value.back() == ' ')
            value.remove_suffix(1);
        return held == value;
    }
    pushVariable(variable);
    pushText(value);
    return compareDecimals() == 0;
}

void assignVariable(const UseVariable& variable, std::string_view value) {
    if (!variable.bound())
        return;
    if (variable.type == VariableType::Text) {
        auto* target = static_cast<char*>(variable.address);
        std::size_t length = std::min<std::size_t>(value.size(), variable.size);
        std::memcpy(target, value.data(), length);
        std::memset(target + length, ' ', variable.size - length);
        return;
    }
    pushText(value);
    storeVariable(variable);
}

} // namespace tamberlo
