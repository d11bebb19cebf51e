// From nothing to the reference window's first paint: the form read from its description,
// the data file loaded into the sorted list, the list view filled and the window painted.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "common/misc/CxFile.h"
#include "platform/win/backend/HeadlessDriver.h"
#include "src/AbbrData.h"
#include "src/Main.h"
#include "src/QuorvaneApp.h"

namespace {

// A data file of n records with distinct upper-case titles, written in title order as Save
// writes it.
std::string GeneratedDataFile(int n) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("qvbench-" + std::to_string(n) + ".dat"))
            .string();
    CxFile file;
    if (!file.Open(path.c_str(), "wb")) throw std::runtime_error("cannot write " + path);
    file.WriteInt(n);
    AbbrData data(file);
    for (int i = 0; i < n; ++i) {
        AbbrInfo info;
        std::memset(&info, 0, sizeof info);
        for (int k = 4, v = i; k >= 0; --k, v /= 26)
            info.szTitle[k] = static_cast<char>('A' + v % 26);
        std::snprintf(info.szInfo, sizeof info.szInfo, "generated meaning number %d", i);
        std::snprintf(info.szSample, sizeof info.szSample, "CMD%d", i);
        info.nFlag = i % 4;
        data.WriteInfo(&info);
    }
    file.Close();
    return path;
}

void StartUp(benchmark::State& state, const std::string& path) {
    win::Headless::Install();
    RegisterQuorvane();
    for (auto _ : state) {
        std::unique_ptr<TfmMain> form(TCustomForm::Create<TfmMain>(nullptr));
        form->SetDataPath(path);
        form->LoadData();
        form->FillList();
        form->Show();
        win::Headless::ProcessMessages();
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
    static const std::string path = GeneratedDataFile(100000);
    StartUp(state, path);
}
BENCHMARK(BM_StartUp100000Records)->Unit(benchmark::kMillisecond);

}  // namespace
