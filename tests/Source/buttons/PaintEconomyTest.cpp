// Painting does no more than it must: transparent controls share one image of their parent
// per paint, without showing a stale one after the parent changed, and a hover repaints
// only the control whose look it changed.
#include <map>

#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKCheckBox.h"
#include "platform/vcl/controls/CustomControl.h"
#include "platform/win/Windows.h"
#include "tests/Source/buttons/ButtonsTestSupport.h"

using namespace buttons_test;

namespace {

// A container that fills itself with its colour and counts how often it paints.
class TCountingPanel : public TCustomControl {
public:
    explicit TCountingPanel(TComponent* AOwner) : TCustomControl(AOwner) {
        m_controlStyle |= csAcceptsControls;
    }
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        GetCanvas()->GetBrush()->SetColor(GetColor());
        GetCanvas()->FillRect(GetClientRect());
    }
};

// Counts WM_PAINT per window while it lives.
class PaintLog {
public:
    PaintLog() {
        m_previous = SetMessageTrace([this](HWND hwnd, UINT msg, WPARAM, LPARAM) {
            if (msg == WM_PAINT) ++m_paints[hwnd];
        });
    }
    ~PaintLog() { SetMessageTrace(m_previous); }
    int Of(TWinControl* control) const {
        const auto found = m_paints.find(control->Handle());
        return found == m_paints.end() ? 0 : found->second;
    }
    int Total() const {
        int total = 0;
        for (const auto& [hwnd, count] : m_paints) total += count;
        return total;
    }
    void Clear() { m_paints.clear(); }

private:
    std::map<HWND, int> m_paints;
    MessageTrace m_previous;
};

class PaintEconomyTest : public ButtonsTest {};

TEST_F(PaintEconomyTest, TransparentChildrenShareOneImageOfTheirParentPerPaint) {
    auto* panel = Add<TCountingPanel>(10, 10);
    panel->SetBounds(10, 10, 300, 200);
    panel->SetColor(0x336699);
    TskCheckBox* boxes[3];
    for (int i = 0; i < 3; ++i) {
        boxes[i] = Add<TskCheckBox>(10, 10 + 40 * i, panel);
        boxes[i]->SetCaption("");
        boxes[i]->SetTransparent(true);
    }
    win::Headless::ProcessMessages();

    for (const TColor color : {TColor(0x336699), TColor(0x224488)}) {
        SCOPED_TRACE(color);
        panel->SetColor(color);
        panel->Paints = 0;
        RedrawWindow(form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        win::Headless::ProcessMessages();
        // Once for itself and once for the image its three transparent children show.
        EXPECT_EQ(panel->Paints, 2);
        for (TskCheckBox* box : boxes) {
            const gfx::Bitmap shot = Capture(box);
            EXPECT_EQ(shot.GetPixel(box->GetWidth() - 1, 0), color) << "the parent shows through";
        }
    }
}

TEST_F(PaintEconomyTest, AHoverRepaintsOnlyTheControlItChanged) {
    TskButton* buttons[3];
    for (int i = 0; i < 3; ++i) {
        buttons[i] = Add<TskButton>(20 + 90 * i, 20);
        buttons[i]->SetCaption("Button");
    }
    TskCheckBox* box = Add<TskCheckBox>(20, 80);
    box->SetTransparent(true);
    MoveTo(form.get());
    win::Headless::ProcessMessages();

    PaintLog log;
    MoveTo(buttons[0]);
    EXPECT_EQ(log.Of(buttons[0]), 1);
    EXPECT_EQ(log.Total(), 1) << "nothing else repaints";

    log.Clear();
    MoveTo(buttons[1]);
    EXPECT_EQ(log.Of(buttons[0]), 1) << "left";
    EXPECT_EQ(log.Of(buttons[1]), 1) << "entered";
    EXPECT_EQ(log.Total(), 2);
}

}  // namespace
