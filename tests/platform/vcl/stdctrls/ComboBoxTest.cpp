// The drop-down combo box: its parts as GetComboBoxInfo reports them, the list dropped by
// mouse and keyboard, and the events of a choice.
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/stdctrls/ComboBox.h"
#include "platform/vcl/stdctrls/ComboBoxInfo.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::THostControl;
using win::Headless;

namespace {

class ComboBoxTest : public vcltest::VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        host = std::make_unique<THostControl>(nullptr);
        host->SetBounds(20, 20, 300, 300);
        combo = new TComboBox(host.get());
        combo->SetParent(host.get());
        combo->SetStyle(csDropDownList);
        combo->SetBounds(10, 10, 140, 50);
        for (int i = 0; i < 12; ++i) combo->GetItems()->Add("style " + std::to_string(i));
        combo->OnChange = [this](TObject*) { log.push_back("change"); };
        combo->OnSelect = [this](TObject*) { log.push_back("select"); };
        combo->OnDropDown = [this](TObject*) { log.push_back("drop"); };
        combo->OnCloseUp = [this](TObject*) { log.push_back("close"); };
        host->Handle();
        SetActiveWindow(host->Handle());
        Headless::ProcessMessages();
    }
    void TearDown() override {
        host.reset();
        VclTest::TearDown();
    }
    COMBOBOXINFO Info() const {
        COMBOBOXINFO info;
        EXPECT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
        return info;
    }
    void ClickButton() {
        const RECT button = Info().rcButton;
        const TPoint at = combo->ClientToScreen(
            {(button.left + button.right) / 2, (button.top + button.bottom) / 2});
        Headless::Click(at.x, at.y);
        Headless::ProcessMessages();
    }
    void Key(int vk) {
        Headless::KeyPress(vk);
        Headless::ProcessMessages();
    }

    std::unique_ptr<THostControl> host;
    TComboBox* combo = nullptr;
    std::vector<std::string> log;
};

TEST_F(ComboBoxTest, InfoReportsTheButtonAtTheRightOfTheClientArea) {
    EXPECT_EQ(combo->GetHeight(), combo->GetItemHeight() + 8) << "the font decides the height";
    const COMBOBOXINFO info = Info();
    const TRect client = combo->GetClientRect();
    EXPECT_EQ(info.rcButton, (TRect{client.right - GetSystemMetrics(SM_CXVSCROLL), 0, client.right,
                                    client.bottom}));
    EXPECT_LE(info.rcItem.right, info.rcButton.left);
    EXPECT_EQ(info.hwndCombo, combo->Handle());
    EXPECT_EQ(info.stateButton, 0u);
    EXPECT_EQ(info.hwndList, nullptr) << "no list before the first drop";

    COMBOBOXINFO none;
    EXPECT_FALSE(GetComboBoxInfo(host->Handle(), &none));
    EXPECT_FALSE(GetComboBoxInfo(combo->Handle(), nullptr));
}

TEST_F(ComboBoxTest, ButtonDropsTheListBelowAndAClickChooses) {
    combo->SetItemIndex(1);
    ClickButton();
    ASSERT_TRUE(combo->GetDroppedDown());
    const COMBOBOXINFO info = Info();
    EXPECT_EQ(info.stateButton, STATE_SYSTEM_PRESSED);
    ASSERT_NE(info.hwndList, nullptr);
    EXPECT_TRUE(IsWindowVisible(info.hwndList));
    // Owned by the combo box's top-level window, as a menu is, which stays active.
    EXPECT_EQ(GetWindow(info.hwndList, GW_OWNER), host->Handle());
    EXPECT_EQ(GetActiveWindow(), host->Handle());
    RECT list, field;
    GetWindowRect(info.hwndList, &list);
    GetWindowRect(combo->Handle(), &field);
    EXPECT_EQ(list.top, field.bottom);
    EXPECT_EQ(list.left, field.left);
    EXPECT_EQ(list.Height(), 8 * combo->GetItemHeight() + 2) << "DropDownCount rows";

    // Moving over the list highlights, releasing on an item takes it.
    const int y = list.top + 1 + combo->GetItemHeight() * 3 + 3;
    Headless::MouseMove(list.left + 20, y);
    Headless::Click(list.left + 20, y);
    Headless::ProcessMessages();
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_FALSE(IsWindowVisible(info.hwndList));
    EXPECT_EQ(combo->GetItemIndex(), 3);
    EXPECT_EQ(combo->GetText(), "style 3");
    EXPECT_EQ(log, (std::vector<std::string>{"drop", "select", "change", "close"}));
}

TEST_F(ComboBoxTest, ClickOutsideTheOpenListCancels) {
    combo->SetItemIndex(2);
    ClickButton();
    ASSERT_TRUE(combo->GetDroppedDown());
    Headless::Click(600, 600);
    Headless::ProcessMessages();
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"drop", "close"}));
}

TEST_F(ComboBoxTest, KeyboardChoosesWithAndWithoutTheList) {
    combo->SetFocus();
    Headless::ProcessMessages();
    struct Case {
        int key;
        bool alt;
        int index;
        bool dropped;
    };
    const Case cases[] = {
        {VK_DOWN, false, 0, false},  // the closed box steps through its items
        {VK_END, false, 11, false},  {VK_HOME, false, 0, false},
        {VK_DOWN, true, 0, true},   // Alt+Down opens
        {VK_DOWN, false, 0, true},  // the open list moves only its highlight
        {VK_DOWN, false, 0, true},   {VK_ESCAPE, false, 0, false},  // Escape keeps the old
        {VK_F1 + 3, false, 0, true},                                // F4 opens
        {VK_DOWN, false, 0, true},   {VK_RETURN, false, 1, false},  // Enter takes it
    };
    for (const Case& c : cases) {
        if (c.alt) Headless::KeyDown(VK_MENU);
        Key(c.key);
        if (c.alt) Headless::KeyUp(VK_MENU);
        Headless::ProcessMessages();
        EXPECT_EQ(combo->GetItemIndex(), c.index) << "key " << c.key;
        EXPECT_EQ(combo->GetDroppedDown(), c.dropped) << "key " << c.key;
    }
    EXPECT_EQ(std::count(log.begin(), log.end(), "change"), 4);
}

TEST_F(ComboBoxTest, TextOfAListOnlyBoxPicksAnItem) {
    combo->SetText("style 4");
    EXPECT_EQ(combo->GetItemIndex(), 4);
    combo->SetText("no such style");
    EXPECT_EQ(combo->GetItemIndex(), -1);
    EXPECT_EQ(combo->GetText(), "");
    combo->SetStyle(csDropDown);
    combo->SetText("free text");
    EXPECT_EQ(combo->GetText(), "free text");
    EXPECT_THROW(combo->SetItemIndex(12), EListError);
    EXPECT_TRUE(log.empty()) << "changes by the program raise no events";
}

}  // namespace
