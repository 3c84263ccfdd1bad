#pragma once

#include "runtime/decimal/WorkingDecimal.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// The calling thread's decimal operand stack. Procedure code pushes operands, applies
// operators to the top entries and stores or pops the result. Each thread has a stack of its
// own; pushing onto a full stack or popping an empty one is a fatal runtime fault.

namespace tamberlo {

inline constexpr int decimalStackCapacity = 10;

void pushLong(std::int32_t value);
void pushUnsignedLong(std::uint32_t value);
void pushReal(double value);
void pushText(std::string_view text);
// A DECIMAL / PDECIMAL variable of `bytes` bytes and `places` decimal places.
void pushDecimal(const void* address, int bytes, int places);
void pushPackedDecimal(const void* address, int bytes, int places);
void pushWorkingDecimal(const WorkingDecimal& value);

void decimalAdd();
void decimalSubtract();
void decimalMultiply();
void decimalDivide();
void decimalNegate();
void decimalAbsolute();

int compareDecimals();
int compareDecimalsReversed();

int popTruth();
std::int32_t popLong();
std::uint32_t popUnsignedLong();
double popReal();
void popText(char* buffer, std::size_t size);
WorkingDecimal popWorkingDecimal();

void storeDecimal(void* address, int bytes, int places);
void storePackedDecimal(void* address, int bytes, int places);

// Number of entries on the calling thread's stack.
int decimalStackDepth();

} // namespace tamberlo
