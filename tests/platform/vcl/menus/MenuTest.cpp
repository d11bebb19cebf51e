// Menu items, shortcuts, automatic accelerators and menus in form descriptions.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/core/ClassInfo.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/streaming/FormWriter.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"
#include "platform/vcl/VclClasses.h"

namespace {

using win::Headless;

TMenuItem* NewItem(TMenuItem* parent, const std::string& caption, TComponent* owner = nullptr) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

TEST(ShortCutText, NamesModifiersAndKeys) {
    struct Case {
        TShortCut shortCut;
        const char* text;
    };
    const Case cases[] = {
        {ShortCut('D', ssCtrl), "Ctrl+D"},
        {ShortCut('S', ssShift | ssCtrl), "Shift+Ctrl+S"},
        {ShortCut(VK_F1 + 3, ssAlt), "Alt+F4"},
        {ShortCut(VK_DELETE, 0), "Del"},
        {ShortCut(VK_RETURN, ssCtrl | ssAlt), "Ctrl+Alt+Enter"},
        {ShortCut(VK_NUMPAD0 + 7, 0), "Num 7"},
        {ShortCut('5', ssCtrl), "Ctrl+5"},
        {scNone, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
        EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
    }
    EXPECT_EQ(TextToShortCut("ctrl+d"), ShortCut('D', ssCtrl));
    EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
    EXPECT_EQ(TextToShortCut("Hyper+D"), scNone);
    WORD key = 0;
    TShiftState shift = 0;
    ShortCutToKey(ShortCut('D', ssCtrl | ssShift), key, shift);
    EXPECT_EQ(key, 'D');
    EXPECT_EQ(shift, ssCtrl | ssShift);
}

TEST(MenuItemTree, KeepsOrderAndParentsAndFreesSubmenus) {
    TPopupMenu menu(nullptr);
    TMenuItem* file = NewItem(menu.GetItems(), "&File");
    TMenuItem* quit = NewItem(menu.GetItems(), "&Quit");
    TMenuItem* open = NewItem(file, "&Open");
    auto* first = new TMenuItem(nullptr);
    menu.GetItems()->Insert(0, first);
    EXPECT_EQ(menu.GetItems()->Count(), 3);
    EXPECT_EQ(menu.GetItems()->Items(0), first);
    EXPECT_EQ(quit->GetMenuIndex(), 2);
    EXPECT_EQ(open->Parent(), file);
    EXPECT_EQ(open->GetParentMenu(), &menu);
    EXPECT_EQ(file->GetParentComponent(), &menu);
    EXPECT_EQ(open->GetParentComponent(), file);
    EXPECT_EQ(menu.GetItems()->Find("file"), file);
    EXPECT_THROW(open->Add(file), EMenuError);  // its own ancestor
    EXPECT_THROW(file->Add(quit), EMenuError);  // already in a menu
    EXPECT_THROW(menu.GetItems()->Items(3), EListError);
    quit->SetMenuIndex(0);
    EXPECT_EQ(menu.GetItems()->Items(0), quit);
    delete file;  // takes Open with it and leaves the menu
    EXPECT_EQ(menu.GetItems()->Count(), 2);
    EXPECT_EQ(menu.GetItems()->IndexOf(first), 1);
}

TEST(MenuItemTree, ChangesReachTheMenuAndNewItemsAreAnnounced) {
    struct TWatchedMenu : TPopupMenu {
        using TPopupMenu::TPopupMenu;
        std::vector<std::string> inserted;
        void Notification(TComponent* c, TOperation op) override {
            TPopupMenu::Notification(c, op);
            if (auto* item = dynamic_cast<TMenuItem*>(c); item && op == opInsert)
                inserted.push_back(item->GetCaption());
        }
    };
    TWatchedMenu menu(nullptr);
    std::vector<std::string> changes;
    menu.OnChange = [&](TObject*, TMenuItem* source, bool rebuild) {
        changes.push_back((source ? source->GetCaption() : std::string("menu")) +
                          (rebuild ? " rebuild" : ""));
    };
    auto* item = new TMenuItem(nullptr);
    item->SetCaption("Cut");
    menu.GetItems()->Add(item);
    item->SetEnabled(false);
    menu.SetOwnerDraw(true);
    EXPECT_EQ(menu.inserted, (std::vector<std::string>{"Cut"}));
    EXPECT_EQ(changes, (std::vector<std::string>{" rebuild", "Cut", "menu"}));
}

TEST(MenuItemState, RadioItemsOfAGroupExcludeEachOtherAndAutoCheckToggles) {
    TPopupMenu menu(nullptr);
    std::vector<TMenuItem*> radios;
    for (const char* caption : {"Small", "Medium", "Large"}) {
        TMenuItem* item = NewItem(menu.GetItems(), caption);
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
        item->SetAutoCheck(true);
        radios.push_back(item);
    }
    TMenuItem* wrap = NewItem(menu.GetItems(), "Wrap");
    wrap->SetAutoCheck(true);
    radios[0]->SetChecked(true);
    radios[2]->Click();
    EXPECT_FALSE(radios[0]->GetChecked());
    EXPECT_TRUE(radios[2]->GetChecked());
    radios[2]->Click();  // a radio item stays checked
    EXPECT_TRUE(radios[2]->GetChecked());
    wrap->Click();
    EXPECT_TRUE(wrap->GetChecked());
    wrap->Click();
    EXPECT_FALSE(wrap->GetChecked());
    int clicks = 0;
    wrap->OnClick = [&](TObject*) { ++clicks; };
    wrap->SetEnabled(false);
    wrap->Click();
    EXPECT_EQ(clicks, 0);
}

TEST(MenuHotkeys, AutomaticAcceleratorsAvoidLettersTakenBySiblings) {
    TPopupMenu menu(nullptr);
    for (const char* caption : {"Copy", "&Cut", "Paste", "Properties", "-", "12"})
        NewItem(menu.GetItems(), caption);
    TMenu::RethinkHotkeys(menu.GetItems());
    std::vector<std::string> captions;
    for (int i = 0; i < menu.GetItems()->Count(); ++i)
        captions.push_back(menu.GetItems()->Items(i)->GetCaption());
    EXPECT_EQ(captions,
              (std::vector<std::string>{"C&opy", "&Cut", "&Paste", "P&roperties", "-", "&12"}));
    EXPECT_EQ(StripHotkey("Fish && &Chips"), "Fish & Chips");
}

class MainMenuShortCuts : public ::testing::Test {
protected:
    void SetUp() override { Headless::Install(); }
    void TearDown() override { Headless::Install(); }
    void Hold(int vk, bool down) {
        down ? Headless::KeyDown(vk) : Headless::KeyUp(vk);
        Headless::ProcessMessages();
    }
};

TEST_F(MainMenuShortCuts, IsShortCutClicksTheEnabledItemWithTheKeyAndShiftState) {
    TMainMenu menu(nullptr);
    TMenuItem* edit = NewItem(menu.GetItems(), "&Edit");
    TMenuItem* del = NewItem(edit, "&Delete");
    del->SetShortCut(ShortCut('D', ssCtrl));
    TMenuItem* find = NewItem(edit, "&Find");
    find->SetShortCut(ShortCut(VK_F1 + 2, 0));
    std::vector<std::string> clicked;
    del->OnClick = [&](TObject*) { clicked.push_back("delete"); };
    find->OnClick = [&](TObject*) { clicked.push_back("find"); };
    const TMessage ctrlD{WM_KEYDOWN, 'D', 0, 0};
    const TMessage f3{WM_KEYDOWN, static_cast<WPARAM>(VK_F1 + 2), 0, 0};

    EXPECT_FALSE(menu.IsShortCut(ctrlD));  // without Ctrl it is a plain D
    Hold(VK_CONTROL, true);
    EXPECT_TRUE(menu.IsShortCut(ctrlD));
    EXPECT_FALSE(menu.IsShortCut(f3));  // Ctrl+F3 is another shortcut
    Hold(VK_CONTROL, false);
    EXPECT_TRUE(menu.IsShortCut(f3));
    edit->SetEnabled(false);  // a disabled submenu hides its items' shortcuts
    EXPECT_FALSE(menu.IsShortCut(f3));
    EXPECT_FALSE(menu.IsShortCut(TMessage{WM_KEYUP, static_cast<WPARAM>(VK_F1 + 2), 0, 0}));
    EXPECT_EQ(clicked, (std::vector<std::string>{"delete", "find"}));
}

TEST(MenuStreaming, ItemsNestInTheirMenuAndRoundTrip) {
    RegisterVclClasses();
    const std::string text = R"(object Root: TComponent
  object pmInfo: TPopupMenu
    AutoHotkeys = maManual
    OwnerDraw = True
    object miFile: TMenuItem
      Caption = '&File'
      object miOpen: TMenuItem
        Caption = '&Open'
        ShortCut = 16463
      end
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object miDel: TMenuItem
      Caption = '&Delete'
      Enabled = False
      ImageIndex = 2
    end
  end
end
)";
    TComponent root(nullptr);
    TFormReader("Menu.dfm").ReadRootComponent(root, text);
    auto* menu = dynamic_cast<TPopupMenu*>(root.FindComponent("pmInfo"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->GetAutoHotkeys(), maManual);
    ASSERT_EQ(menu->GetItems()->Count(), 3);
    TMenuItem* file = menu->GetItems()->Items(0);
    ASSERT_EQ(file->Count(), 1);
    EXPECT_EQ(ShortCutToText(file->Items(0)->GetShortCut()), "Ctrl+O");
    EXPECT_TRUE(menu->GetItems()->Items(1)->IsLine());
    EXPECT_EQ(file->Items(0)->Owner(), &root);
    EXPECT_EQ(TFormWriter().WriteDescription(root), text);
}

}  // namespace
