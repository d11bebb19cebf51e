// The check list box: boxes toggled by clicks and the space bar, grayed and disabled items,
// and states that stay with their strings.
#include <memory>
#include <string>

#include "platform/vcl/stdctrls/CheckListBox.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::THostControl;
using win::Headless;

namespace {

class CheckListBoxTest : public vcltest::VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        host = std::make_unique<THostControl>(nullptr);
        host->SetBounds(20, 20, 300, 300);
        box = new TCheckListBox(host.get());
        box->SetParent(host.get());
        box->SetBounds(10, 10, 150, 120);
        for (const char* s : {"red", "green", "blue"}) box->GetItems()->Add(s);
        box->OnClickCheck = [this](TObject*) { ++checks; };
        host->Handle();
        Headless::ProcessMessages();
    }
    void TearDown() override {
        host.reset();
        VclTest::TearDown();
    }
    void ClickAt(int index, bool onBox) {
        const TRect box_ = box->CheckRect(index);
        const TPoint at = box->ClientToScreen(
            {onBox ? (box_.left + box_.right) / 2 : 80, (box_.top + box_.bottom) / 2});
        Headless::Click(at.x, at.y);
        Headless::ProcessMessages();
    }

    std::unique_ptr<THostControl> host;
    TCheckListBox* box = nullptr;
    int checks = 0;
};

TEST_F(CheckListBoxTest, ClickOnTheBoxTogglesAndOnTheTextOnlySelects) {
    ClickAt(1, false);
    EXPECT_EQ(box->GetItemIndex(), 1);
    EXPECT_FALSE(box->GetChecked(1));
    ClickAt(1, true);
    EXPECT_TRUE(box->GetChecked(1));
    EXPECT_EQ(checks, 1);
    ClickAt(1, true);
    EXPECT_FALSE(box->GetChecked(1));
    Headless::KeyPress(VK_SPACE, U' ');
    Headless::ProcessMessages();
    EXPECT_TRUE(box->GetChecked(1));
    EXPECT_EQ(checks, 3);
}

TEST_F(CheckListBoxTest, GrayedAndDisabledItems) {
    box->SetAllowGrayed(true);
    const TCheckBoxState cycle[] = {cbChecked, cbGrayed, cbUnchecked};
    for (TCheckBoxState expected : cycle) {
        ClickAt(0, true);
        EXPECT_EQ(box->GetState(0), expected);
    }
    box->SetItemEnabled(2, false);
    ClickAt(2, true);
    EXPECT_FALSE(box->GetChecked(2));
    EXPECT_EQ(checks, 3);
}

TEST_F(CheckListBoxTest, StatesTravelWithTheirStringsAndObjectsStayTheProgramsOwn) {
    TObject marker;
    box->GetItems()->SetObjects(0, &marker);
    box->SetChecked(0, true);    // "red"
    box->SetState(2, cbGrayed);  // "blue"
    EXPECT_EQ(box->GetItems()->Objects(0), &marker);
    box->SetSorted(true);  // blue, green, red
    EXPECT_EQ(box->GetState(0), cbGrayed);
    EXPECT_FALSE(box->GetChecked(1));
    EXPECT_TRUE(box->GetChecked(2));
    EXPECT_EQ(box->GetItems()->Objects(2), &marker);
    box->GetItems()->Delete(0);
    EXPECT_TRUE(box->GetChecked(1));
    box->GetItems()->Add("cyan");
    EXPECT_FALSE(box->GetChecked(0)) << "a new string starts unchecked";
}

TEST_F(CheckListBoxTest, CheckedBoxShowsItsTick) {
    box->SetChecked(0, true);
    Headless::ProcessMessages();
    const gfx::Bitmap shot = Headless::CaptureWindow(box->Handle());
    const TRect checked = box->CheckRect(0);
    const TRect unchecked = box->CheckRect(1);
    POINT client{0, 0};
    ClientToScreen(box->Handle(), &client);
    RECT window;
    GetWindowRect(box->Handle(), &window);
    const int dx = client.x - window.left;
    const int dy = client.y - window.top;
    // The tick's lowest point is two columns right of the middle's left neighbour.
    const int x = checked.left + 5 + dx;
    const int y = checked.top + 8 + dy;
    EXPECT_EQ(shot.GetPixel(x, y), ColorToRGB(clWindowText));
    EXPECT_EQ(shot.GetPixel(x, unchecked.top + 8 + dy), ColorToRGB(clWindow));
}

}  // namespace
