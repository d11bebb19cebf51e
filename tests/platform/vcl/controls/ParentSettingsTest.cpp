// The settings a control takes from its parent (ShowHint, BiDiMode, and as before Color and
// Font): followed through every level until the control is given its own value, which stops
// the following for it and the children that follow it; a control put into another parent
// follows the new one; and the mode's meaning for drawing.
#include <functional>
#include <memory>
#include <string>

#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::THostControl;
using vcltest::VclTest;

namespace {

class TPanelChild : public TCustomControl {
public:
    explicit TPanelChild(TComponent* AOwner) : TCustomControl(AOwner) {
        m_controlStyle |= csAcceptsControls;
    }
};

struct Setting {
    const char* name;
    std::function<void(TControl*)> setOwn;          // gives a control a value of its own
    std::function<bool(const TControl*)> isOwn;     // the control shows that value
    std::function<void(TControl*, bool)> follow;    // the Parent... flag
};

}  // namespace

TEST_F(VclTest, ParentSettingsPropagateUntilAControlHasItsOwn) {
    const Setting settings[] = {
        {"ShowHint", [](TControl* c) { c->SetShowHint(true); },
         [](const TControl* c) { return c->GetShowHint(); },
         [](TControl* c, bool on) { c->SetParentShowHint(on); }},
        {"BiDiMode", [](TControl* c) { c->SetBiDiMode(bdRightToLeft); },
         [](const TControl* c) { return c->GetBiDiMode() == bdRightToLeft; },
         [](TControl* c, bool on) { c->SetParentBiDiMode(on); }},
        {"Color", [](TControl* c) { c->SetColor(clRed); },
         [](const TControl* c) { return c->GetColor() == clRed; },
         [](TControl* c, bool on) { c->SetParentColor(on); }},
    };
    for (const Setting& s : settings) {
        SCOPED_TRACE(s.name);
        THostControl top(nullptr);
        auto* middle = new TPanelChild(&top);
        middle->SetParent(&top);
        auto* leaf = new vcltest::TProbe(&top);
        leaf->SetParent(middle);
        auto* apart = new vcltest::TProbe(&top);
        apart->SetParent(middle);
        s.follow(middle, true);
        s.follow(leaf, true);
        s.follow(apart, true);

        // The top's value reaches both levels.
        s.setOwn(&top);
        EXPECT_TRUE(s.isOwn(middle));
        EXPECT_TRUE(s.isOwn(leaf));

        // Moved to a parent without the value, it follows that parent; moved back, this one.
        THostControl plain(nullptr);
        apart->SetParent(&plain);
        EXPECT_FALSE(s.isOwn(apart)) << "a control put into another parent follows the new one";
        apart->SetParent(middle);
        EXPECT_TRUE(s.isOwn(apart));
    }
}

TEST_F(VclTest, OwnValueStopsFollowingAndParentFlagResumesIt) {
    THostControl top(nullptr);
    auto* child = new vcltest::TProbe(&top);
    child->SetParent(&top);
    child->SetShowHint(false);
    EXPECT_FALSE(child->GetParentShowHint());
    top.SetShowHint(true);
    EXPECT_FALSE(child->GetShowHint()) << "a control with its own value stopped following";
    child->SetParentShowHint(true);
    EXPECT_TRUE(child->GetShowHint());

    child->SetBiDiMode(bdLeftToRight);
    EXPECT_FALSE(child->GetParentBiDiMode());
    top.SetBiDiMode(bdRightToLeftNoAlign);
    EXPECT_EQ(child->GetBiDiMode(), bdLeftToRight);
    child->SetParentBiDiMode(true);
    EXPECT_EQ(child->GetBiDiMode(), bdRightToLeftNoAlign);
}

TEST_F(VclTest, BiDiModeSaysHowToDraw) {
    const struct {
        TBiDiMode mode;
        bool alignment, reading, scrollBar;
    } cases[] = {
        {bdLeftToRight, false, false, false},
        {bdRightToLeft, true, true, true},
        {bdRightToLeftNoAlign, false, true, true},
        {bdRightToLeftReadingOnly, false, true, false},
    };
    vcltest::TProbe probe(nullptr);
    for (const auto& c : cases) {
        probe.SetBiDiMode(c.mode);
        EXPECT_EQ(probe.UseRightToLeftAlignment(), c.alignment) << c.mode;
        EXPECT_EQ(probe.UseRightToLeftReading(), c.reading) << c.mode;
        EXPECT_EQ(probe.UseRightToLeftScrollBar(), c.scrollBar) << c.mode;
    }
}
