#include "runtime/UseVariable.h"

#include "runtime/decimal/DecimalStack.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace tamberlo {

void pushVariable(const UseVariable& variable) {
    const void* address = variable.address;
    if (!address) {
        pushLong(0);
        return;
    }
    switch (variable.type) {
    case VariableType::Decimal:
        pushDecimal(address, variable.size, variable.places);
        return;
    case VariableType::PackedDecimal:
        pushPackedDecimal(address, variable.size, variable.places);
        return;
    case VariableType::Byte:
        pushLong(*static_cast<const std::uint8_t*>(address));
        return;
    case VariableType::Long: {
        std::int32_t value;
        std::memcpy(&value, address, sizeof value);
        pushLong(value);
        return;
    }
    case VariableType::Real: {
        double value;
        std::memcpy(&value, address, sizeof value);
        pushReal(value);
        return;
    }
    case VariableType::Text:
        pushText(std::string_view(static_cast<const char*>(address), variable.size));
        return;
    }
    pushLong(0);
}

void storeVariable(const UseVariable& variable) {
    void* address = variable.address;
    if (!address) {
        popTruth();
        return;
    }
    switch (variable.type) {
    case VariableType::Decimal:
        storeDecimal(address, variable.size, variable.places);
        return;
    case VariableType::PackedDecimal:
        storePackedDecimal(address, variable.size, variable.places);
        return;
    case VariableType::Byte:
        *static_cast<std::uint8_t*>(address) =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(popLong()) & 0xFF);
        return;
    case VariableType::Long: {
        std::int32_t value = popLong();
        std::memcpy(address, &value, sizeof value);
        return;
    }
    case VariableType::Real: {
        double value = popReal();
        std::memcpy(address, &value, sizeof value);
        return;
    }
    case VariableType::Text: {
        char text[80]; // the plain form of any working decimal fits
        popText(text, sizeof text);
        auto length = std::min<std::size_t>(std::strlen(text), variable.size);
        std::memcpy(address, text, length);
        std::memset(static_cast<char*>(address) + length, ' ', variable.size - length);
        return;
    }
    }
    popTruth();
}

} // namespace tamberlo
