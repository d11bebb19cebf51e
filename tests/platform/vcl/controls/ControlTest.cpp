// Controls inside a windowed parent: alignment, parenting and ownership, inherited colour
// and font, constraints, painting of graphic children and the mouse routed to them.
#include <memory>
#include <vector>

#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::THostControl;
using vcltest::TProbe;
using vcltest::VclTest;

namespace {

struct AlignCase {
    const char* name;
    TAlign align;
    TRect expected;  // within a 200 x 100 client area, after the controls before it
};

}  // namespace

TEST_F(VclTest, AlignDocksTopBottomLeftRightThenClient) {
    // Created in an order unlike the docking order, which must not matter.
    const AlignCase cases[] = {
        {"client", alClient, {30, 10, 160, 80}}, {"right", alRight, {160, 10, 200, 80}},
        {"left", alLeft, {0, 10, 30, 80}},       {"bottom", alBottom, {0, 80, 200, 100}},
        {"top", alTop, {0, 0, 200, 10}},
    };
    THostControl host(nullptr);
    host.SetBounds(0, 0, 200, 100);
    std::vector<TProbe*> probes;
    for (const AlignCase& c : cases) {
        auto* probe = new TProbe(&host);
        probe->SetBounds(5, 5, 30, 10);
        if (c.align == alBottom) probe->SetHeight(20);
        if (c.align == alRight) probe->SetWidth(40);
        probe->SetParent(&host);
        probe->SetAlign(c.align);
        probes.push_back(probe);
    }
    for (std::size_t i = 0; i < probes.size(); ++i)
        EXPECT_EQ(probes[i]->BoundsRect(), cases[i].expected) << cases[i].name;

    // Resizing the parent docks them again; hiding one gives its room to the client.
    host.SetBounds(0, 0, 300, 100);
    EXPECT_EQ(probes[0]->BoundsRect(), (TRect{30, 10, 260, 80}));
    probes[2]->Hide();
    EXPECT_EQ(probes[0]->BoundsRect(), (TRect{0, 10, 260, 80}));
}

TEST_F(VclTest, ControlsOfOneAlignmentDockInTheOrderOfTheirPosition) {
    THostControl host(nullptr);
    host.SetBounds(0, 0, 100, 100);
    TProbe lower(nullptr), upper(nullptr);
    lower.SetBounds(0, 50, 10, 20);
    upper.SetBounds(0, 40, 10, 15);
    host.DisableAlign();
    lower.SetParent(&host);
    upper.SetParent(&host);
    lower.SetAlign(alTop);
    upper.SetAlign(alTop);
    host.EnableAlign();
    EXPECT_EQ(upper.BoundsRect(), (TRect{0, 0, 100, 15}));
    EXPECT_EQ(lower.BoundsRect(), (TRect{0, 15, 100, 35}));
    lower.SetParent(nullptr);
    upper.SetParent(nullptr);
}

TEST_F(VclTest, ParentFreesItsControlsAndOwnerForgetsThem) {
    TComponent owner(nullptr);
    auto* host = new THostControl(&owner);
    auto* probe = new TProbe(&owner);
    probe->SetName("Probe");
    probe->SetParent(host);
    EXPECT_EQ(owner.ComponentCount(), 2);
    delete host;
    // The probe went with its parent and left its owner's list.
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(owner.FindComponent("Probe"), nullptr);
}

TEST_F(VclTest, AFreedWindowedChildLeavesItsParentsTabOrder) {
    // A child is taken off its parent from its last destructor, where it is no longer a
    // windowed control: the tab order must lose it all the same.
    THostControl host(nullptr);
    auto* first = new THostControl(nullptr);
    auto* second = new THostControl(nullptr);
    first->SetParent(&host);
    second->SetParent(&host);
    delete first;
    std::vector<TWinControl*> order;
    host.GetTabOrderList(order);
    EXPECT_EQ(order, std::vector<TWinControl*>{second});
    EXPECT_EQ(host.FindNextControl(nullptr, true, false, false), second);
}

TEST_F(VclTest, ParentRejectsItselfAndNonWindowedParents) {
    THostControl host(nullptr);
    EXPECT_THROW(host.SetParent(&host), EInvalidOperation);
    TProbe probe(nullptr);
    TComponent plain(nullptr);
    EXPECT_THROW(probe.SetParentComponent(&plain), EInvalidOperation);
}

TEST_F(VclTest, ChildrenFollowParentColourAndFontUntilGivenTheirOwn) {
    THostControl host(nullptr);
    TProbe probe(nullptr);
    probe.SetParentColor(true);
    probe.SetParent(&host);
    EXPECT_EQ(probe.GetColor(), clWhite);
    host.SetColor(clRed);
    host.GetFont()->SetSize(14);
    EXPECT_EQ(probe.GetColor(), clRed);
    EXPECT_EQ(probe.GetFont()->GetSize(), 14);
    EXPECT_TRUE(probe.GetParentFont());

    probe.SetColor(clBlue);
    probe.GetFont()->SetSize(9);
    host.SetColor(clLime);
    host.GetFont()->SetSize(20);
    EXPECT_EQ(probe.GetColor(), clBlue);
    EXPECT_FALSE(probe.GetParentColor());
    EXPECT_EQ(probe.GetFont()->GetSize(), 9);
    EXPECT_FALSE(probe.GetParentFont());
    probe.SetParent(nullptr);
}

TEST_F(VclTest, ConstraintsLimitEverySize) {
    TProbe probe(nullptr);
    probe.GetConstraints()->SetMinWidth(20);
    probe.GetConstraints()->SetMaxHeight(50);
    probe.SetBounds(0, 0, 5, 80);
    EXPECT_EQ(probe.GetWidth(), 20);
    EXPECT_EQ(probe.GetHeight(), 50);
    probe.GetConstraints()->SetMaxHeight(30);
    EXPECT_EQ(probe.GetHeight(), 30);
    EXPECT_THROW(probe.GetConstraints()->SetMinWidth(-1), EPropertyError);
}

TEST_F(VclTest, CaptionFollowsTheNameOnlyWhileItShowsTheName) {
    TProbe probe(nullptr);
    probe.SetName("First");
    EXPECT_EQ(probe.GetCaption(), "First");
    probe.SetName("Second");
    EXPECT_EQ(probe.GetCaption(), "Second");
    probe.SetCaption("Own");
    probe.SetName("Third");
    EXPECT_EQ(probe.GetCaption(), "Own");
}

TEST_F(VclTest, GraphicChildrenPaintOnTheParentAtTheirPlaceTopmostLast) {
    THostControl host(nullptr);
    host.SetBounds(100, 100, 60, 40);
    TProbe below(nullptr), above(nullptr), hidden(nullptr);
    below.SetBounds(10, 10, 20, 20);
    below.SetColor(clRed);
    above.SetBounds(20, 15, 20, 10);
    above.SetColor(clBlue);
    hidden.SetBounds(0, 0, 60, 40);
    hidden.SetColor(clLime);
    hidden.SetVisible(false);
    for (TProbe* p : {&below, &above, &hidden}) p->SetParent(&host);
    ShowWindow(host.Handle(), SW_SHOW);
    win::Headless::ProcessMessages();

    const gfx::Bitmap shot = win::Headless::CaptureWindow(host.Handle());
    EXPECT_EQ(shot.GetPixel(5, 5), clWhite);
    EXPECT_EQ(shot.GetPixel(10, 10), clRed);
    EXPECT_EQ(shot.GetPixel(29, 29), clRed);
    EXPECT_EQ(shot.GetPixel(30, 29), clWhite);
    EXPECT_EQ(shot.GetPixel(25, 20), clBlue);
    EXPECT_EQ(shot.GetPixel(39, 24), clBlue);
    for (TProbe* p : {&below, &above, &hidden}) p->SetParent(nullptr);
}

TEST_F(VclTest, MouseReachesGraphicChildrenWithEnterLeaveAndClick) {
    std::vector<std::string> log;
    THostControl host(nullptr);
    host.SetBounds(100, 100, 100, 50);
    TProbe a(nullptr, &log), b(nullptr, &log);
    a.SetName("a");
    b.SetName("b");
    a.SetBounds(10, 10, 20, 20);
    b.SetBounds(50, 10, 20, 20);
    a.SetParent(&host);
    b.SetParent(&host);
    ShowWindow(host.Handle(), SW_SHOW);
    win::Headless::ProcessMessages();

    win::Headless::MouseMove(115, 115);
    win::Headless::ProcessMessages();
    win::Headless::MouseMove(155, 115);
    win::Headless::ProcessMessages();
    // Pressed on b, released outside it: b keeps the mouse but not the hover, and no click.
    win::Headless::MouseDown();
    win::Headless::MouseMove(190, 140);
    win::Headless::MouseUp();
    win::Headless::ProcessMessages();
    win::Headless::Click(160, 120);
    win::Headless::ProcessMessages();
    win::Headless::MouseMove(300, 300);
    win::Headless::ProcessMessages();

    const std::vector<std::string> expected = {"a enter", "a leave",    "b enter", "b down 5,5",
                                               "b leave", "b up 40,30", "b enter", "b down 10,10",
                                               "b click", "b up 10,10", "b leave"};
    EXPECT_EQ(log, expected);
    a.SetParent(nullptr);
    b.SetParent(nullptr);
}

TEST_F(VclTest, ReplacedWindowProcSeesMessagesUntilRestored) {
    TProbe probe(nullptr);
    std::vector<UINT> seen;
    const TWndMethod saved = probe.WindowProc;
    probe.WindowProc = [&](TMessage& m) {
        seen.push_back(m.Msg);
        saved(m);
    };
    probe.SetCaption("x");
    probe.WindowProc = saved;
    probe.SetCaption("y");
    EXPECT_EQ(seen, std::vector<UINT>{CM_TEXTCHANGED});
}

TEST_F(VclTest, OpaqueGraphicControlLeavesTheParentBackgroundWhereItWas) {
    struct Case {
        const char* name;
        void (*change)(TProbe&);
    };
    const Case cases[] = {
        {"shrunk", [](TProbe& p) { p.SetBounds(10, 10, 5, 5); }},
        {"moved", [](TProbe& p) { p.SetBounds(40, 10, 20, 20); }},
        {"hidden", [](TProbe& p) { p.Hide(); }},
    };
    for (const Case& c : cases) {
        THostControl host(nullptr);
        host.SetBounds(100, 100, 80, 40);
        TProbe probe(nullptr);
        probe.SetControlStyle(probe.ControlStyle() | csOpaque);
        probe.SetColor(clRed);
        probe.SetBounds(10, 10, 20, 20);
        probe.SetParent(&host);
        ShowWindow(host.Handle(), SW_SHOW);
        win::Headless::ProcessMessages();
        c.change(probe);
        win::Headless::ProcessMessages();
        EXPECT_EQ(win::Headless::CaptureWindow(host.Handle()).GetPixel(25, 25), clWhite) << c.name;
        probe.SetParent(nullptr);
    }
}

namespace {

// Records which of the overridable change handlers each change reaches.
class TChangeRecorder : public TProbe {
public:
    using TProbe::TProbe;
    std::vector<std::string> calls;

protected:
    void CMEnabledChanged(TMessage& m) override {
        calls.push_back("enabled");
        TProbe::CMEnabledChanged(m);
    }
    void CMVisibleChanged(TMessage& m) override {
        calls.push_back("visible");
        TProbe::CMVisibleChanged(m);
    }
    void CMTextChanged(TMessage& m) override {
        calls.push_back("text");
        TProbe::CMTextChanged(m);
    }
    void CMFontChanged(TMessage& m) override {
        calls.push_back("font");
        TProbe::CMFontChanged(m);
    }
    void CMColorChanged(TMessage& m) override {
        calls.push_back("color");
        TProbe::CMColorChanged(m);
    }
};

}  // namespace

TEST_F(VclTest, ChangesReachTheirComponentMessageHandlers) {
    struct Case {
        const char* name;
        void (*change)(TChangeRecorder&, THostControl&);
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"Enabled", [](TChangeRecorder& c, THostControl&) { c.SetEnabled(false); }, {"enabled"}},
        {"Visible", [](TChangeRecorder& c, THostControl&) { c.SetVisible(false); }, {"visible"}},
        {"Caption", [](TChangeRecorder& c, THostControl&) { c.SetCaption("x"); }, {"text"}},
        {"Font", [](TChangeRecorder& c, THostControl&) { c.GetFont()->SetSize(12); }, {"font"}},
        {"parent's font",
         [](TChangeRecorder&, THostControl& h) { h.GetFont()->SetSize(12); },
         {"font"}},
        {"Color", [](TChangeRecorder& c, THostControl&) { c.SetColor(clRed); }, {"color"}},
        {"same caption again", [](TChangeRecorder& c, THostControl&) { c.SetCaption(""); }, {}},
    };
    for (const Case& c : cases) {
        THostControl host(nullptr);
        TChangeRecorder control(nullptr);
        control.SetParent(&host);
        control.calls.clear();
        c.change(control, host);
        EXPECT_EQ(control.calls, c.expected) << c.name;
        control.SetParent(nullptr);
    }
}
