// Resident memory per record: the growth of the resident set from before start-up to the
// first painted window, for two file sizes, each in a child process of its own so that
// neither inherits the other's heap. The slope between them is what one more record costs.
#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench/app/GeneratedData.h"
#include "bench/app/StartUp.h"

namespace {

long ResidentBytes() {
    long pages = 0, resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * ::sysconf(_SC_PAGESIZE);
}

// The resident growth of a child that starts the window on path; -1 when it failed.
long StartUpGrowth(const std::string& path) {
    int fds[2];
    if (::pipe(fds) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        const long before = ResidentBytes();
        std::unique_ptr<TfmMain> form = StartUpTo(path);
        const long growth = ResidentBytes() - before;
        const bool bWritten = ::write(fds[1], &growth, sizeof growth) == sizeof growth;
        ::_exit(bWritten ? 0 : 1);
    }
    ::close(fds[1]);
    long growth = -1;
    if (child < 0 || ::read(fds[0], &growth, sizeof growth) != sizeof growth) growth = -1;
    ::close(fds[0]);
    if (child > 0) ::waitpid(child, nullptr, 0);
    return growth;
}

// bytes_per_record is the slope between 10 000 and 100 000 records; the record itself is
// 548 bytes and the budget 800.
void BM_ResidentBytesPerRecord(benchmark::State& state) {
    constexpr int SMALL = 10000, LARGE = 100000;
    const std::string small = GeneratedDataFile(SMALL), large = GeneratedDataFile(LARGE);
    long smallGrowth = 0, largeGrowth = 0;
    for (auto _ : state) {
        smallGrowth = StartUpGrowth(small);
        largeGrowth = StartUpGrowth(large);
    }
    if (smallGrowth < 0 || largeGrowth < 0) {
        state.SkipWithError("a child process failed");
        return;
    }
    state.counters["MB_at_10000"] = smallGrowth / 1e6;
    state.counters["MB_at_100000"] = largeGrowth / 1e6;
    state.counters["bytes_per_record"] =
        static_cast<double>(largeGrowth - smallGrowth) / (LARGE - SMALL);
    state.counters["record_bytes"] = sizeof(AbbrInfo);
    state.counters["budget"] = 800;
}
BENCHMARK(BM_ResidentBytesPerRecord)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
