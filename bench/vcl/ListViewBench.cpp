// Filling a report list view with 10 000 rows and repainting it, on the headless desktop.
// Painting touches only the rows in sight, so a repaint should cost the same at any length.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/comctrls/ListView.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace {

class THost : public TCustomControl {
public:
    explicit THost(TComponent* AOwner) : TCustomControl(AOwner) {
        m_controlStyle |= csAcceptsControls;
    }

protected:
    void CreateParams(TCreateParams& Params) override {
        TCustomControl::CreateParams(Params);
        Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP;
        Params.WndParent = nullptr;
    }
};

struct Scene {
    Scene() {
        win::Headless::Install();
        host = std::make_unique<THost>(nullptr);
        host->SetBounds(0, 0, 600, 420);
        view = new TListView(host.get());
        view->SetParent(host.get());
        view->SetBounds(10, 10, 560, 380);
        view->SetViewStyle(vsReport);
        view->SetRowSelect(true);
        view->SetHideSelection(false);
        TListColumn* first = view->GetColumns()->Add();
        first->SetCaption("Abbreviations");
        first->SetWidth(120);
        TListColumn* second = view->GetColumns()->Add();
        second->SetCaption("Meaning");
        second->SetWidth(360);
        host->Handle();
        win::Headless::ProcessMessages();
    }
    ~Scene() {
        host.reset();
        win::Headless::Install();
    }

    void Fill(int rows) {
        TListItems* items = view->GetItems();
        items->BeginUpdate();
        items->Clear();
        for (int i = 0; i < rows; ++i) {
            TListItem* item = items->Add();
            item->SetCaption("ABBR" + std::to_string(i));
            item->GetSubItems()->Add("The meaning of abbreviation number " + std::to_string(i));
        }
        items->EndUpdate();
    }
    void Repaint() {
        InvalidateRect(view->Handle(), nullptr, TRUE);
        UpdateWindow(view->Handle());
    }

    std::unique_ptr<THost> host;
    TListView* view = nullptr;
};

void BM_FillListView(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) scene.Fill(static_cast<int>(state.range(0)));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillListView)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The application adds its rows without BeginUpdate, one repaint request per row.
void BM_FillListViewRowByRow(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) {
        scene.view->GetItems()->Clear();
        for (int i = 0; i < state.range(0); ++i) {
            TListItem* item = scene.view->GetItems()->Add();
            item->SetCaption("ABBR" + std::to_string(i));
            item->GetSubItems()->Add("meaning");
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillListViewRowByRow)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_RepaintListView(benchmark::State& state) {
    Scene scene;
    scene.Fill(static_cast<int>(state.range(0)));
    scene.view->SetItemIndex(static_cast<int>(state.range(0)) / 2);
    scene.view->GetSelected()->MakeVisible(false);
    for (auto _ : state) scene.Repaint();
}
BENCHMARK(BM_RepaintListView)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_ScrollListViewByPage(benchmark::State& state) {
    Scene scene;
    scene.Fill(10000);
    for (auto _ : state) {
        SendMessage(scene.view->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
        if (scene.view->GetTopIndex() >= 9900) scene.view->Scroll(0, -1000000);
        UpdateWindow(scene.view->Handle());
    }
}
BENCHMARK(BM_ScrollListViewByPage)->Unit(benchmark::kMicrosecond);

}  // namespace
