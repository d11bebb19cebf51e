// The skinned reference window at work, each beside the time it may take: a full repaint of
// the whole window, the title bar's repaint as the pointer moves over its buttons, one
// keystroke in the abbreviation edit with 100 000 records (from the key's message to the
// repainted selection: the edit's change, the type-ahead walk, the list view's scroll and
// repaint with its frame), and a switch of the window's style, after which every control
// reads its theme values again and repaints.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "Source/frame/SKForm.h"
#include "Source/frame/SKTitleBar.h"
#include "bench/app/GeneratedData.h"
#include "bench/app/StartUp.h"
#include "platform/win/Windows.h"

namespace {

constexpr int kRecords = 100000;

// The time each step may take, shown beside the measured time.
void ShowBudget(benchmark::State& state, double microseconds) {
    state.counters["budget_us"] = microseconds;
}

void BM_FullRepaintOfSkinnedWindow(benchmark::State& state) {
    std::unique_ptr<TfmMain> form = StartUpTo(GeneratedDataFile(kRecords, RecordOrder::Title));
    for (auto _ : state) {
        RedrawWindow(form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        win::Headless::ProcessMessages();
    }
    ShowBudget(state, 2000);
}
BENCHMARK(BM_FullRepaintOfSkinnedWindow)->Unit(benchmark::kMicrosecond);

// The pointer goes back and forth between two caption buttons at the bar's right end.
void BM_TitleBarRepaintOnPointerMove(benchmark::State& state) {
    std::unique_ptr<TfmMain> form = StartUpTo(GeneratedDataFile(kRecords, RecordOrder::Title));
    TskTitleBar* bar = form->sfMain->TitleBar();
    RECT bounds;
    GetWindowRect(bar->Handle(), &bounds);
    const int y = (bounds.top + bounds.bottom) / 2;
    const int x[] = {bounds.right - 14, bounds.right - 34};
    int i = 0;
    for (auto _ : state) {
        win::Headless::MouseMove(x[i++ % 2], y);
        win::Headless::ProcessMessages();
    }
    ShowBudget(state, 300);
}
BENCHMARK(BM_TitleBarRepaintOnPointerMove)->Unit(benchmark::kMicrosecond);

// Types a letter and takes it back, so every iteration starts from the same text; an
// iteration is two keystrokes, so its budget is two keystrokes'.
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
    ShowBudget(state, 2 * 1000);
}
BENCHMARK(BM_KeystrokeInAbbreviationEdit)->Unit(benchmark::kMicrosecond);

// The window's own style and WinXP by turns, each control following the frame.
void BM_StyleSwitchOfSkinnedWindow(benchmark::State& state) {
    std::unique_ptr<TfmMain> form = StartUpTo(GeneratedDataFile(kRecords, RecordOrder::Title));
    TskForm* frame = form->sfMain;
    frame->SetUIStyleAutoUpdateSub(true);
    const TskUIStyle styles[] = {TskUIStyle::WinXP, frame->GetUIStyle()};
    int i = 0;
    for (auto _ : state) {
        frame->SetUIStyle(styles[i++ % 2]);
        win::Headless::ProcessMessages();
    }
    ShowBudget(state, 10000);
}
BENCHMARK(BM_StyleSwitchOfSkinnedWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
