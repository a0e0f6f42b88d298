// The working-time functions as the monthly calculation calls them for each consumer.
#include <benchmark/benchmark.h>

#include "library/services/working_time.hpp"

namespace {

using oleaut::Date;
using oleaut::Variant;

constexpr double k2009_01_01 = 39814;
constexpr double k2009_01_31 = 39844;

void WorkingHoursOfAMonth(benchmark::State& state) {
    const Variant weekHours = int16_t{40}, mask = "+++++--", start = int16_t{0}, end = int16_t{24};
    const Variant from = Date{k2009_01_01}, to = Date{k2009_01_31};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            kalvik::working_time::ВремяРаботы(weekHours, mask, start, end, from, to));
    }
}
BENCHMARK(WorkingHoursOfAMonth);

void LongOutageHours(benchmark::State& state) {
    const Variant outageStart = Date{k2009_01_01 - 20}, outageEnd = oleaut::kNull;
    const Variant from = Date{k2009_01_01}, to = Date{k2009_01_31};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            kalvik::working_time::РасчВремДлитОткл(outageStart, outageEnd, from, to));
    }
}
BENCHMARK(LongOutageHours);

void HoursOfAMonth(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvik::working_time::Час_в_месяц(Date{k2009_01_31}));
    }
}
BENCHMARK(HoursOfAMonth);

void LargerAndNullAsZero(benchmark::State& state) {
    const Variant a = 12.5, b = oleaut::kNull;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvik::working_time::maxF(a, kalvik::working_time::Nz_f(b)));
    }
}
BENCHMARK(LargerAndNullAsZero);

}  // namespace
