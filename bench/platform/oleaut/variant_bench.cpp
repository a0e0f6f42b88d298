// The variant operations of a monthly calculation's inner loop: field values of mixed kinds,
// Null-tolerant sums, products, comparisons and rounding.

#include <benchmark/benchmark.h>

#include <vector>

#include "platform/oleaut/variant.hpp"

namespace {

using oleaut::Variant;

std::vector<Variant> mixedValues(size_t n) {
    std::vector<Variant> values;
    for (size_t i = 0; i < n; ++i) {
        switch (i % 5) {
            case 0:
                values.emplace_back(static_cast<double>(i) * 0.37);
                break;
            case 1:
                values.emplace_back(static_cast<int32_t>(i));
                break;
            case 2:
                values.emplace_back(static_cast<int16_t>(i % 1000));
                break;
            case 3:
                values.emplace_back(oleaut::kNull);
                break;
            default:
                values.emplace_back(static_cast<float>(i) * 0.5f);
                break;
        }
    }
    return values;
}

void ArithmeticChain(benchmark::State& state) {
    const std::vector<Variant> values = mixedValues(1000);
    const Variant factor(1.25);
    for (auto _ : state) {
        Variant sum(0.0);
        for (const Variant& v : values) {
            if (v.isNull()) continue;
            sum = sum + v * factor - v / factor;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * values.size() * 3);
}
BENCHMARK(ArithmeticChain);

void ComparisonAndCondition(benchmark::State& state) {
    const std::vector<Variant> values = mixedValues(1000);
    const Variant limit(int16_t{300});
    for (auto _ : state) {
        int count = 0;
        for (const Variant& v : values)
            count += oleaut::isTrue(oleaut::gt(v, limit));
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * values.size());
}
BENCHMARK(ComparisonAndCondition);

void RoundToDecimals(benchmark::State& state) {
    const std::vector<Variant> values = mixedValues(1000);
    for (auto _ : state) {
        for (const Variant& v : values)
            benchmark::DoNotOptimize(oleaut::Round(v, 3));
    }
    state.SetItemsProcessed(state.iterations() * values.size());
}
BENCHMARK(RoundToDecimals);

void ConvertToDouble(benchmark::State& state) {
    const std::vector<Variant> values = mixedValues(1000);
    for (auto _ : state) {
        double sum = 0;
        for (const Variant& v : values) {
            if (!v.isNull()) sum += oleaut::CDbl(v);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * values.size());
}
BENCHMARK(ConvertToDouble);

}  // namespace
