#include "runtime/decimal/DecimalStack.h"

#include "runtime/RuntimeFault.h"
#include "runtime/decimal/DecimalArithmetic.h"
#include "runtime/decimal/DecimalConversion.h"
#include "runtime/decimal/DecimalLayout.h"
#include "runtime/decimal/DecimalText.h"

#include <cstring>

namespace tamberlo {

namespace {

struct DecimalStackState {
    std::array<WorkingDecimal, decimalStackCapacity> entries{};
    int count = 0;
};

// Constant-initialised, so a thread's first use costs nothing and no thread sees another's.
constinit thread_local DecimalStackState t_stack;

void push(const WorkingDecimal& value) {
    if (t_stack.count == decimalStackCapacity)
        raiseRuntimeFault("decimal stack full");
    t_stack.entries[static_cast<std::size_t>(t_stack.count++)] = value;
}

// The entry `depth` places below the top (0 is the top); the stack must hold that many more.
WorkingDecimal& entry(int depth) {
    if (t_stack.count <= depth)
        raiseRuntimeFault("decimal stack empty");
    return t_stack.entries[static_cast<std::size_t>(t_stack.count - 1 - depth)];
}

WorkingDecimal pop() {
    WorkingDecimal& top = entry(0);
    --t_stack.count;
    return top;
}

// Replaces the second entry by operation(second, top) and drops the top.
template <typename Operation>
void applyBinary(Operation operation) {
    WorkingDecimal& second = entry(1);
    second = operation(second, entry(0));
    --t_stack.count;
}

} // namespace

void pushLong(std::int32_t value) {
    push(decimalFromLong(value));
}

void pushUnsignedLong(std::uint32_t value) {
    push(decimalFromUnsignedLong(value));
}

void pushReal(double value) {
    push(decimalFromReal(value));
}

void pushText(std::string_view text) {
    push(decimalFromText(text));
}

void pushDecimal(const void* address, int bytes, int places) {
    push(readDecimalVariable(address, bytes, places, DecimalLayout::Decimal));
}

void pushPackedDecimal(const void* address, int bytes, int places) {
    push(readDecimalVariable(address, bytes, places, DecimalLayout::PackedDecimal));
}

void pushWorkingDecimal(const WorkingDecimal& value) {
    push(sanitised(value));
}

void decimalAdd() {
    applyBinary(addDecimal);
}

void decimalSubtract() {
    applyBinary(subtractDecimal);
}

void decimalMultiply() {
    applyBinary(multiplyDecimal);
}

void decimalDivide() {
    applyBinary(divideDecimal);
}

void decimalNegate() {
    WorkingDecimal& top = entry(0);
    top = negateDecimal(top);
}

void decimalAbsolute() {
    WorkingDecimal& top = entry(0);
    top = absoluteDecimal(top);
}

int compareDecimals() {
    const int result = compareDecimal(entry(1), entry(0));
    t_stack.count -= 2;
    return result;
}

int compareDecimalsReversed() {
    const int result = compareDecimal(entry(0), entry(1));
    t_stack.count -= 2;
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
    const WorkingDecimal value = pop();
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
    writeDecimalVariable(pop(), address, bytes, places, DecimalLayout::Decimal);
}

void storePackedDecimal(void* address, int bytes, int places) {
    writeDecimalVariable(pop(), address, bytes, places, DecimalLayout::PackedDecimal);
}

int decimalStackDepth() {
    return t_stack.count;
}

} // namespace tamberlo
