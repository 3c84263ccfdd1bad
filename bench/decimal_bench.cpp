// The decimal engine against the compiler's decimal128 on the calculator's own work:
//   Commission      sales / 100 * rate, stored with two places
//   Multiply16 / Divide16   two 16-digit operands (division takes the long path)
//   TypedAmount     a typed amount converted and stored with two places
//   Percent         sales / 100 alone, the division by a power of ten
//
//   decimal_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "runtime/decimal/DecimalStack.h"
#include "runtime/decimal/DecimalText.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string_view>

#if defined(__GNUC__) && !defined(__clang__)
#include <decimal/decimal>
#define TAMBERLO_DECIMAL128_BASELINE 1
#endif

namespace {

using namespace tamberlo;

// A few different amounts, so that no single value's path is all that is measured.
struct Amount {
    std::array<std::uint8_t, 6> sales; // DECIMAL(11,2)
    std::array<std::uint8_t, 4> rate;  // DECIMAL(7,2)
    long long salesCents;
    long long rateHundredths;
};

constexpr Amount amounts[] = {
    {{0x00, 0x00, 0x00, 0x12, 0x34, 0x56}, {0x00, 0x00, 0x07, 0x50}, 123456, 750},
    {{0x00, 0x00, 0x00, 0x00, 0x33, 0x33}, {0x00, 0x00, 0x01, 0x50}, 3333, 150},
    {{0x00, 0x09, 0x87, 0x65, 0x43, 0x21}, {0x00, 0x00, 0x12, 0x50}, 987654321, 1250},
    {{0xF0, 0x00, 0x00, 0x00, 0x00, 0x07}, {0x00, 0x09, 0x99, 0x99}, -7, 99999},
};
constexpr std::size_t amountCount = sizeof amounts / sizeof amounts[0];

constexpr std::string_view typedAmounts[] = {"1234.56", "99.5", "1000000", "0.07"};

void Commission_Tamberlo(benchmark::State& state) {
    std::uint8_t commission[6];
    std::size_t i = 0;
    for (auto _ : state) {
        const Amount& amount = amounts[i++ % amountCount];
        pushDecimal(amount.sales.data(), 6, 2);
        pushLong(100);
        decimalDivide();
        pushDecimal(amount.rate.data(), 4, 2);
        decimalMultiply();
        storeDecimal(commission, 6, 2);
        benchmark::DoNotOptimize(commission);
    }
}
BENCHMARK(Commission_Tamberlo);

void Percent_Tamberlo(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        pushDecimal(amounts[i++ % amountCount].sales.data(), 6, 2);
        pushLong(100);
        decimalDivide();
        benchmark::DoNotOptimize(popWorkingDecimal());
    }
}
BENCHMARK(Percent_Tamberlo);

WorkingDecimal operand(std::string_view text) {
    return decimalFromText(text);
}

// Sixteen significant digits each, eight of them after the point: the product (32 digits)
// stays below 10^31, where both sides keep it exactly.
constexpr std::string_view left16 = "12345678.90123456";
constexpr std::string_view right16 = "98765432.10987654";

void Multiply16_Tamberlo(benchmark::State& state) {
    const WorkingDecimal a = operand(left16), b = operand(right16);
    for (auto _ : state) {
        pushWorkingDecimal(a);
        pushWorkingDecimal(b);
        decimalMultiply();
        benchmark::DoNotOptimize(popWorkingDecimal());
    }
}
BENCHMARK(Multiply16_Tamberlo);

void Divide16_Tamberlo(benchmark::State& state) {
    const WorkingDecimal a = operand(left16), b = operand(right16);
    for (auto _ : state) {
        pushWorkingDecimal(a);
        pushWorkingDecimal(b);
        decimalDivide();
        benchmark::DoNotOptimize(popWorkingDecimal());
    }
}
BENCHMARK(Divide16_Tamberlo);

void TypedAmount_Tamberlo(benchmark::State& state) {
    std::uint8_t stored[6];
    std::size_t i = 0;
    for (auto _ : state) {
        pushText(typedAmounts[i++ % 4]);
        storeDecimal(stored, 6, 2);
        benchmark::DoNotOptimize(stored);
    }
}
BENCHMARK(TypedAmount_Tamberlo);

#ifdef TAMBERLO_DECIMAL128_BASELINE

using std::decimal::decimal128;

// The same 16-digit operands, as coefficients with eight places.
constexpr long long left16Coefficient = 1234567890123456LL;
constexpr long long right16Coefficient = 9876543210987654LL;

// Rounded half away from zero to whole hundredths, as the stores above do.
long long toCents(decimal128 value) {
    const decimal128 scaled = value * decimal128(100);
    const decimal128 half = std::decimal::make_decimal128(5LL, -1);
    return std::decimal::decimal_to_long_long(scaled < decimal128(0) ? scaled - half
                                                                     : scaled + half);
}

void Commission_Decimal128(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Amount& amount = amounts[i++ % amountCount];
        const decimal128 sales = std::decimal::make_decimal128(amount.salesCents, -2);
        const decimal128 rate = std::decimal::make_decimal128(amount.rateHundredths, -2);
        benchmark::DoNotOptimize(toCents(sales / decimal128(100) * rate));
    }
}
BENCHMARK(Commission_Decimal128);

void Percent_Decimal128(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const decimal128 sales =
            std::decimal::make_decimal128(amounts[i++ % amountCount].salesCents, -2);
        decimal128 percent = sales / decimal128(100);
        benchmark::DoNotOptimize(percent);
    }
}
BENCHMARK(Percent_Decimal128);

void Multiply16_Decimal128(benchmark::State& state) {
    decimal128 a = std::decimal::make_decimal128(left16Coefficient, -8);
    decimal128 b = std::decimal::make_decimal128(right16Coefficient, -8);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        decimal128 product = a * b;
        benchmark::DoNotOptimize(product);
    }
}
BENCHMARK(Multiply16_Decimal128);

void Divide16_Decimal128(benchmark::State& state) {
    decimal128 a = std::decimal::make_decimal128(left16Coefficient, -8);
    decimal128 b = std::decimal::make_decimal128(right16Coefficient, -8);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        decimal128 quotient = a / b;
        benchmark::DoNotOptimize(quotient);
    }
}
BENCHMARK(Divide16_Decimal128);

// decimal128 has no text conversion of its own: the digits and the point are read by hand.
decimal128 parseAmount(std::string_view text) {
    long long coefficient = 0;
    int exponent = 0;
    bool fraction = false;
    for (const char c : text) {
        if (c == '.') {
            fraction = true;
        } else {
            coefficient = coefficient * 10 + (c - '0');
            exponent -= fraction;
        }
    }
    return std::decimal::make_decimal128(coefficient, exponent);
}

void TypedAmount_Decimal128(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(toCents(parseAmount(typedAmounts[i++ % 4])));
}
BENCHMARK(TypedAmount_Decimal128);

#endif

} // namespace

BENCHMARK_MAIN();
