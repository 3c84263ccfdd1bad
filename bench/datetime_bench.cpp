// What the status bar pays on every tick: compiling "D18" and "T8" and filling them.

#include "platform/os/IntlSettings.h"
#include "runtime/datetime/DateTimePicture.h"
#include "runtime/datetime/RegionalPictures.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tamberlo;

void compileAndFill(benchmark::State& state, bool date) {
    buildRegionalPictures(os::FixedIntlSettings{}, "");
    std::string_view value = date ? "76624" : "5430901";
    char out[maxPictureLength];
    for (auto _ : state) {
        CompiledPicture picture;
        bool valid = date ? compileDatePicture("18", picture) : compileTimePicture("8", picture);
        std::size_t n = date ? fillDatePicture(picture, value, 5, out)
                             : fillTimePicture(picture, value, 7, out);
        benchmark::DoNotOptimize(valid);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(out);
    }
}

void BM_LongDate(benchmark::State& state) {
    compileAndFill(state, true);
}
void BM_LongTime(benchmark::State& state) {
    compileAndFill(state, false);
}

} // namespace

BENCHMARK(BM_LongDate);
BENCHMARK(BM_LongTime);
BENCHMARK_MAIN();
