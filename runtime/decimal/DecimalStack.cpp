#include "runtime/decimal/DecimalStack.h"

#include "runtime/RuntimeFault.h"
#include "runtime/decimal/DecimalArithmetic.h"
#include "runtime/decimal/DecimalConversion.h"
#include "runtime/decimal/DecimalLayout.h"
#include "runtime/decimal/DecimalText.h"

#include <cstring>
#include <new>

namespace tamberlo {

namespace {

struct DecimalStackState {
    std::array<WorkingDecimal, decimalStackCapacity> entries{};
    int count = 0;
};

// Constant-initialised, so a thread's first use costs nothing and no thread sees another's.
constinit thread_local DecimalStackState t_stack;

// Each operation looks the thread's stack up once and works on its entries in place; the
// checks stay inline and the faults themselves are raised out of line.
DecimalStackState& stack() {
    return t_stack;
}

// Builds the new top entry from `make`, whose returned value is constructed right in the
// entry instead of being copied there.
template <typename Make>
void push(Make make) {
    DecimalStackState& state = stack();
    if (state.count == decimalStackCapacity) [[unlikely]]
        raiseRuntimeFault("decimal stack full");
    ::new (static_cast<void*>(&state.entries[static_cast<std::size_t>(state.count)]))
        WorkingDecimal(make());
    ++state.count;
}

// The entry `depth` places below the top (0 is the top); the stack must hold that many more.
WorkingDecimal& entry(DecimalStackState& state, int depth) {
    if (state.count <= depth) [[unlikely]]
        raiseRuntimeFault("decimal stack empty");
    return state.entries[static_cast<std::size_t>(state.count - 1 - depth)];
}

// The top entry, dropped from the stack; it stays readable until the next push.
WorkingDecimal& pop(DecimalStackState& state) {
    WorkingDecimal& top = entry(state, 0);
    --state.count;
    return top;
}

WorkingDecimal& pop() {
    return pop(stack());
}

// Replaces the second entry by operation(second, top) and drops the top.
template <typename Operation>
void applyBinary(Operation operation) {
    DecimalStackState& state = stack();
    WorkingDecimal& second = entry(state, 1);
    operation(second, state.entries[static_cast<std::size_t>(state.count - 1)]);
    --state.count;
}

} // namespace

void pushLong(std::int32_t value) {
    push([=] { return decimalFromLong(value); });
}

void pushUnsignedLong(std::uint32_t value) {
    push([=] { return decimalFromUnsignedLong(value); });
}

void pushReal(double value) {
    push([=] { return decimalFromReal(value); });
}

void pushText(std::string_view text) {
    push([=] { return decimalFromText(text); });
}

void pushDecimal(const void* address, int bytes, int places) {
    push([=] { return readDecimalVariable(address, bytes, places, DecimalLayout::Decimal); });
}

void pushPackedDecimal(const void* address, int bytes, int places) {
    push([=] { return readDecimalVariable(address, bytes, places, DecimalLayout::PackedDecimal); });
}

void pushWorkingDecimal(const WorkingDecimal& value) {
    push([&] { return sanitised(value); });
}

void decimalAdd() {
    applyBinary(addInPlace);
}

void decimalSubtract() {
    applyBinary(subtractInPlace);
}

void decimalMultiply() {
    applyBinary(multiplyInPlace);
}

void decimalDivide() {
    applyBinary(divideInPlace);
}

void decimalNegate() {
    WorkingDecimal& top = entry(stack(), 0);
    top.sign = static_cast<std::int8_t>(-top.sign);
}

void decimalAbsolute() {
    WorkingDecimal& top = entry(stack(), 0);
    if (top.sign != 0)
        top.sign = 1;
}

int compareDecimals() {
    DecimalStackState& state = stack();
    WorkingDecimal& second = entry(state, 1);
    const int result = compareInPlace(second, entry(state, 0));
    state.count -= 2;
    return result;
}

int compareDecimalsReversed() {
    DecimalStackState& state = stack();
    WorkingDecimal& second = entry(state, 1);
    const int result = compareInPlace(entry(state, 0), second);
    state.count -= 2;
    return result;
}

int popTruth() {
    return isZero(pop()) ? 0 : 1;
}

std::int32_t popLong() {
    return decimalToLong(pop());
}

std::uint32_t popUnsignedLong() {
    return decimalToUnsignedLong(pop());
}

double popReal() {
    return decimalToReal(pop());
}

void popText(char* buffer, std::size_t size) {
    const WorkingDecimal& value = pop();
    if (size == 0 || !buffer)
        return;
    char text[maxPlainTextLength];
    const std::size_t length = writePlainText(value, text);
    if (length + 1 > size) {
        buffer[0] = '\0';
        return;
    }
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

WorkingDecimal popWorkingDecimal() {
    return pop();
}

void storeDecimal(void* address, int bytes, int places) {
    writeDecimalVariableInPlace(pop(), address, bytes, places, DecimalLayout::Decimal);
}

void storePackedDecimal(void* address, int bytes, int places) {
    writeDecimalVariableInPlace(pop(), address, bytes, places, DecimalLayout::PackedDecimal);
}

int decimalStackDepth() {
    return stack().count;
}

} // namespace tamberlo
