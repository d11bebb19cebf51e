// Anchors: a control keeps its distances to the sides of its parent it is anchored to when
// the parent is resized, stretches when both sides of a direction are anchored, keeps its
// centre in proportion when neither is; alignment wins, constraints limit; and a form
// description that sets them loads, behaves and writes them back.
#include <memory>
#include <string>

#include "platform/vcl/VclClasses.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/streaming/FormWriter.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::THostControl;
using vcltest::VclTest;

namespace {

constexpr TAnchors L = AnchorBit(akLeft), T = AnchorBit(akTop), R = AnchorBit(akRight),
                   B = AnchorBit(akBottom);

// A windowed child, so that both kinds of control are placed by the same rules.
class TWindowedChild : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

class AnchorsTest : public VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        host = std::make_unique<THostControl>(nullptr);
        host->SetBounds(100, 100, 200, 100);
        ShowWindow(host->Handle(), SW_SHOW);
    }
    void TearDown() override {
        host.reset();
        VclTest::TearDown();
    }
    template <class T>
    T* Child(TAnchors anchors) {
        auto* c = new T(host.get());
        c->SetParent(host.get());
        c->SetBounds(20, 10, 50, 30);
        c->SetAnchors(anchors);
        return c;
    }
    std::unique_ptr<THostControl> host;
};

}  // namespace

// Every combination of the four sides, for a graphic and a windowed child: the parent grows
// from 200 x 100 to 300 x 160 and shrinks back.
TEST_F(AnchorsTest, EachCombinationOfSidesMovesOrStretchesTheControl) {
    struct Direction {
        int start, length;
    };
    // From (20, 10, 50, 30): horizontally by 100, vertically by 60.
    const auto horizontal = [](bool left, bool right) -> Direction {
        if (left && right) return {20, 150};
        if (right) return {120, 50};
        if (left) return {20, 50};
        return {43, 50};  // centre 45 of 200 becomes 67.5 of 300
    };
    const auto vertical = [](bool top, bool bottom) -> Direction {
        if (top && bottom) return {10, 90};
        if (bottom) return {70, 30};
        if (top) return {10, 30};
        return {25, 30};  // centre 25 of 100 becomes 40 of 160
    };
    for (TAnchors anchors = 0; anchors < 16; ++anchors) {
        for (bool windowed : {false, true}) {
            TControl* c = windowed ? static_cast<TControl*>(Child<TWindowedChild>(anchors))
                                   : static_cast<TControl*>(Child<vcltest::TProbe>(anchors));
            host->SetBounds(100, 100, 300, 160);
            const Direction h = horizontal(anchors & L, anchors & R);
            const Direction v = vertical(anchors & T, anchors & B);
            EXPECT_EQ(c->BoundsRect(), Rect(h.start, v.start, h.start + h.length, v.start + v.length))
                << "anchors " << anchors << (windowed ? ", windowed" : ", graphic");
            host->SetBounds(100, 100, 200, 100);
            EXPECT_EQ(c->BoundsRect(), Rect(20, 10, 70, 40))
                << "anchors " << anchors << " after shrinking back";
            delete c;
        }
    }
}

TEST_F(AnchorsTest, AlignmentWinsAndConstraintsLimit) {
    TControl* aligned = Child<vcltest::TProbe>(L | T | R | B);
    aligned->SetAlign(alTop);
    TControl* limited = Child<vcltest::TProbe>(L | T | R);
    limited->GetConstraints()->SetMaxWidth(100);
    host->SetBounds(100, 100, 300, 160);
    EXPECT_EQ(aligned->BoundsRect(), Rect(0, 0, 300, 30));
    EXPECT_EQ(limited->BoundsRect(), Rect(20, 10, 120, 40));
}

// Placing the control anew (by the program, or by the user through the parent) is the place
// its anchors keep from then on.
TEST_F(AnchorsTest, ANewPlaceIsTheOneTheAnchorsKeep) {
    TControl* c = Child<vcltest::TProbe>(R | B);
    host->SetBounds(100, 100, 300, 160);
    c->SetBounds(200, 100, 50, 30);
    host->SetBounds(100, 100, 250, 140);
    EXPECT_EQ(c->BoundsRect(), Rect(150, 80, 200, 110));
}

// A description's anchors reach the controls after loading (against the size the form is
// read with), a resize of the form follows them, and the description written back holds
// them as they were read.
TEST(AnchorsStreaming, ADescriptionWithAnchorsLoadsBehavesAndWritesThemBack) {
    win::Headless::Install();
    RegisterVclClasses();
    const std::string text = R"(object Anchored: TForm
  Left = 10
  Top = 10
  Width = 320
  Height = 240
  object pnlClient: TPanel
    Left = 8
    Top = 8
    Width = 200
    Height = 100
    Anchors = [akLeft, akTop, akRight, akBottom]
  end
  object pnlCorner: TPanel
    Left = 220
    Top = 150
    Width = 60
    Height = 30
    Anchors = [akRight, akBottom]
  end
end
)";
    auto form = std::make_unique<TForm>(nullptr);
    TFormReader("Anchored.dfm").ReadRootComponent(*form, text);
    auto* client = dynamic_cast<TControl*>(form->FindComponent("pnlClient"));
    auto* corner = dynamic_cast<TControl*>(form->FindComponent("pnlCorner"));
    ASSERT_NE(client, nullptr);
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->GetAnchors(), R | B);
    form->SetBounds(10, 10, 400, 300);
    EXPECT_EQ(client->BoundsRect(), Rect(8, 8, 288, 168));
    EXPECT_EQ(corner->BoundsRect(), Rect(300, 210, 360, 240));

    form->SetBounds(10, 10, 320, 240);
    const std::string written = TFormWriter().WriteDescription(*form);
    EXPECT_NE(written.find("    Anchors = [akLeft, akTop, akRight, akBottom]\n"), std::string::npos)
        << written;
    EXPECT_NE(written.find("    Anchors = [akRight, akBottom]\n"), std::string::npos) << written;
    EXPECT_EQ(written.find("Anchors = [akLeft, akTop]\n"), std::string::npos)
        << "the default is stored nowhere";
    form.reset();
    win::Headless::Install();
}
