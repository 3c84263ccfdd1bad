#pragma once

#include <cstdint>

namespace tamberlo {

// The types a procedure's variables have, as far as the runtime shows and assigns them.
enum class VariableType : std::uint8_t {
    Decimal,        // DECIMAL layout, `size` bytes, `places` decimal places
    PackedDecimal,  // PDECIMAL layout
    Byte,           // unsigned 8 bits
    Long,           // signed 32 bits
    Real,           // 64-bit real
    Text,           // fixed-length text of `size` bytes, padded with blanks
};

// A reference to a variable that a control shows (its use variable). The variable belongs to
// the procedure that declared the window; the reference does not own it.
struct UseVariable {
    VariableType type = VariableType::Text;
    void* address = nullptr;
    std::uint16_t size = 0;
    std::uint8_t places = 0;

    bool bound() const { return address != nullptr; }
};

// Pushes the variable's value onto the calling thread's decimal stack (a text variable through
// pushText, a real through pushReal); an unbound variable pushes zero.
void pushVariable(const UseVariable& variable);

// Pops the top of the calling thread's decimal stack into the variable, converting as the
// decimal engine converts a working decimal (store, popLong, popReal or popText). A Byte keeps
// the low 8 bits of popLong. An unbound variable only pops.
void storeVariable(const UseVariable& variable);

} // namespace tamberlo
