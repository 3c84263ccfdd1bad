// FORMAT of an amount as the runtime does it on every call (compile the picture, then fill it),
// against the C library's grouped printf of the same amount as a double.
//
// The printf side needs a locale with digit grouping; bench/run-picture-bench.sh builds one
// with localedef. Without it the printf side runs "%15.2f" and its label says so.

#include "runtime/decimal/DecimalStack.h"
#include "runtime/picture/Format.h"

#include <benchmark/benchmark.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace {

using namespace tamberlo;

WorkingDecimal amount(const char* text) {
    pushText(text);
    return popWorkingDecimal();
}

void formatAmount(benchmark::State& state, const char* picture) {
    auto value = amount("-1234567.891");
    for (auto _ : state) {
        auto text = FORMAT(value, picture);
        benchmark::DoNotOptimize(text.data());
    }
}

void BM_FormatAmountPicture(benchmark::State& state) {
    formatAmount(state, "n-15.2");
}
void BM_FormatRegionalMoneyPicture(benchmark::State& state) {
    formatAmount(state, "@N~kr ~-17.`2");
}

void BM_SnprintfGrouped(benchmark::State& state) {
    const bool grouped = std::setlocale(LC_NUMERIC, "en_US.UTF-8") != nullptr;
    const char* format = grouped ? "%'15.2f" : "%15.2f";
    volatile double value = -1234567.891;
    char text[64];
    for (auto _ : state) {
        int size = std::snprintf(text, sizeof text, format, value);
        benchmark::DoNotOptimize(size);
        benchmark::DoNotOptimize(text);
    }
    state.SetLabel(grouped ? "%'15.2f en_US.UTF-8" : "%15.2f (no grouping locale)");
    std::setlocale(LC_NUMERIC, "C");
}

BENCHMARK(BM_FormatAmountPicture);
BENCHMARK(BM_FormatRegionalMoneyPicture);
BENCHMARK(BM_SnprintfGrouped);

} // namespace

BENCHMARK_MAIN();
