// From nothing to the reference window's first paint: the form read from its description,
// the data file loaded into the sorted list, the list view filled and the window painted.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/app/GeneratedData.h"
#include "bench/app/StartUp.h"

namespace {

void StartUp(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        std::unique_ptr<TfmMain> form = StartUpTo(path);
        benchmark::DoNotOptimize(form->lvData->GetItems()->GetCount());
        state.PauseTiming();
        form.reset();
        win::Headless::ProcessMessages();
        state.ResumeTiming();
    }
}

void BM_StartUpShippedData(benchmark::State& state) {
    if (!std::filesystem::exists(SHIPPED_DATA_FILE)) {
        state.SkipWithError("the shipped data file has not been built");
        return;
    }
    StartUp(state, SHIPPED_DATA_FILE);
}
BENCHMARK(BM_StartUpShippedData)->Unit(benchmark::kMillisecond);

void BM_StartUp100000Records(benchmark::State& state) {
    StartUp(state, GeneratedDataFile(100000));
}
BENCHMARK(BM_StartUp100000Records)->Unit(benchmark::kMillisecond);

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A file in another order than its titles' against the same records in title order, both
// started in each iteration so that the ratio compares like with like on a busy machine.
// The time shown is the other order's; ratio is its median over the title order's, whose
// budget is 2.
void BM_StartUpOrder(benchmark::State& state, RecordOrder order) {
    const int n = static_cast<int>(state.range(0));
    const std::string titleOrder = GeneratedDataFile(n, RecordOrder::Title);
    const std::string otherOrder = GeneratedDataFile(n, order);
    std::vector<double> reference, ours;
    for (auto _ : state) {
        for (const bool bReference : {true, false}) {
            const auto start = std::chrono::steady_clock::now();
            std::unique_ptr<TfmMain> form = StartUpTo(bReference ? titleOrder : otherOrder);
            const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
            benchmark::DoNotOptimize(form->lvData->GetItems()->GetCount());
            form.reset();
            win::Headless::ProcessMessages();
            (bReference ? reference : ours).push_back(elapsed.count());
            if (!bReference) state.SetIterationTime(elapsed.count());
        }
    }
    state.counters["title_order_ms"] = Median(reference) * 1e3;
    state.counters["ratio"] = Median(ours) / Median(reference);
    state.counters["budget"] = 2;
}
BENCHMARK_CAPTURE(BM_StartUpOrder, reverse, RecordOrder::Reverse)
    ->Arg(25000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUpOrder, random, RecordOrder::Random)
    ->Arg(25000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
