// The skinned reference window at work: one keystroke in the abbreviation edit with 100 000
// records, from the key's message to the repainted selection (the edit's change, the
// type-ahead walk, the list view's scroll and repaint with its frame), and a full repaint
// of the whole window.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/app/GeneratedData.h"
#include "bench/app/StartUp.h"
#include "platform/win/Windows.h"

namespace {

constexpr int kRecords = 100000;

// Types a letter and takes it back, so every iteration starts from the same text.
void BM_KeystrokeInAbbreviationEdit(benchmark::State& state) {
    std::unique_ptr<TfmMain> form = StartUpTo(GeneratedDataFile(kRecords, RecordOrder::Random));
    form->edtAbbr->SetFocus();
    win::Headless::ProcessMessages();
    const char letters[] = "QMAZ";
    int i = 0;
    for (auto _ : state) {
        const char letter = letters[i++ % 4];
        win::Headless::KeyPress(letter, static_cast<char32_t>(letter));
        win::Headless::ProcessMessages();
        win::Headless::KeyPress(VK_BACK, U'\b');
        win::Headless::ProcessMessages();
    }
    state.counters["rows"] = form->lvData->GetItems()->Count();
    state.counters["keystrokes"] = benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                                                      benchmark::Counter::kIsRate);
}
BENCHMARK(BM_KeystrokeInAbbreviationEdit)->Unit(benchmark::kMicrosecond);

void BM_FullRepaintOfSkinnedWindow(benchmark::State& state) {
    std::unique_ptr<TfmMain> form = StartUpTo(GeneratedDataFile(kRecords, RecordOrder::Title));
    for (auto _ : state) {
        RedrawWindow(form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        win::Headless::ProcessMessages();
    }
}
BENCHMARK(BM_FullRepaintOfSkinnedWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
