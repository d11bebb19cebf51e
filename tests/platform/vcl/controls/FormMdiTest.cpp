// MDI: a frame form's client window holds its child forms, lists them front first, tells
// them of activation, arranges them, lists them in its window menu, and answers Ctrl+F6
// and Ctrl+F4; a child without a frame to live in cannot be created.
#include <memory>

#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/vcl/menus/MenuItem.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::VclTest;

namespace {

class MdiFormTest : public VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        Application->CreateForm(frame);
        frame->SetCaption("Frame");
        frame->SetBounds(0, 0, 600, 400);
        frame->SetFormStyle(fsMDIForm);
        frame->Show();
    }
    void TearDown() override {
        children.clear();
        delete frame;
        VclTest::TearDown();
    }
    TForm* NewChild(const std::string& name) {
        auto child = std::make_unique<TForm>(nullptr);
        child->SetName(name);
        child->SetBounds(10, 10, 200, 150);
        child->SetFormStyle(fsMDIChild);
        child->OnActivate = [this, name](TObject*) { events.push_back(name + " activate"); };
        child->OnDeactivate = [this, name](TObject*) { events.push_back(name + " deactivate"); };
        child->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
        child->Show();
        children.push_back(std::move(child));
        return children.back().get();
    }
    void PressWithControl(int vk) {
        win::Headless::KeyDown(VK_CONTROL);
        win::Headless::KeyPress(vk);
        win::Headless::KeyUp(VK_CONTROL);
        Application->ProcessMessages();
    }
    std::vector<std::string> WindowMenuCaptions(TMenuItem* menu) const {
        std::vector<std::string> out;
        for (int i = 0; i < menu->Count(); ++i)
            out.push_back(menu->Items(i)->GetCaption() + (menu->Items(i)->GetChecked() ? " *" : ""));
        return out;
    }

    TForm* frame = nullptr;
    std::vector<std::unique_ptr<TForm>> children;
    std::vector<std::string> events;
};

}  // namespace

TEST_F(MdiFormTest, ChildrenLiveInTheClientAndTheFrameKnowsTheActiveOne) {
    RECT client;
    GetClientRect(frame->Handle(), &client);
    RECT mdiClient;
    GetWindowRect(frame->ClientHandle(), &mdiClient);
    EXPECT_EQ(GetClassName(frame->ClientHandle()), MDICLIENT_CLASS);
    EXPECT_EQ(mdiClient.Width(), client.Width());
    EXPECT_EQ(mdiClient.Height(), client.Height());

    TForm* first = NewChild("first");
    TForm* second = NewChild("second");
    EXPECT_EQ(GetAncestor(first->Handle(), GA_PARENT), frame->ClientHandle());
    ASSERT_EQ(frame->MDIChildCount(), 2);
    EXPECT_EQ(frame->MDIChildren(0), second);
    EXPECT_EQ(frame->ActiveMDIChild(), second);
    EXPECT_THROW(frame->MDIChildren(2), EListError);
    // Both children hear of every change of the active one, the one left first.
    EXPECT_EQ(events, (std::vector<std::string>{"first activate", "first deactivate",
                                                "second activate"}));
    events.clear();
    frame->Next();
    EXPECT_EQ(frame->ActiveMDIChild(), first);
    frame->Previous();
    EXPECT_EQ(frame->ActiveMDIChild(), second);
    first->SetFocus();
    EXPECT_EQ(frame->ActiveMDIChild(), first);
    EXPECT_EQ(events, (std::vector<std::string>{"second deactivate", "first activate",
                                                "first deactivate", "second activate",
                                                "second deactivate", "first activate"}));
}

TEST_F(MdiFormTest, MaximisedStateFollowsTheActiveChildAndRestoreEndsIt) {
    TForm* first = NewChild("first");
    TForm* second = NewChild("second");
    second->SetWindowState(wsMaximized);
    EXPECT_EQ(second->GetWindowState(), wsMaximized);
    EXPECT_EQ(GetWindowText(frame->Handle()), "Frame - [second]");
    frame->Next();
    EXPECT_EQ(frame->ActiveMDIChild(), first);
    EXPECT_EQ(first->GetWindowState(), wsMaximized);
    EXPECT_EQ(second->GetWindowState(), wsNormal);
    EXPECT_EQ(second->BoundsRect(), Bounds(10, 10, 200, 150));
    first->SetWindowState(wsNormal);
    EXPECT_EQ(first->BoundsRect(), Bounds(10, 10, 200, 150));
    EXPECT_EQ(GetWindowText(frame->Handle()), "Frame");
    EXPECT_EQ(frame->GetCaption(), "Frame");
}

TEST_F(MdiFormTest, TileFollowsTileModeAndCascadeStaggersFromTheBack) {
    TForm* first = NewChild("first");
    TForm* second = NewChild("second");
    RECT area;
    GetClientRect(frame->ClientHandle(), &area);
    frame->SetTileMode(tbVertical);
    frame->Tile();
    EXPECT_EQ(second->BoundsRect(), Bounds(0, 0, area.Width() / 2, area.Height()));
    EXPECT_EQ(first->BoundsRect(), Bounds(area.Width() / 2, 0, area.Width() / 2, area.Height()));
    frame->SetTileMode(tbHorizontal);
    frame->Tile();
    EXPECT_EQ(second->BoundsRect(), Bounds(0, 0, area.Width(), area.Height() / 2));
    frame->Cascade();
    EXPECT_EQ(first->GetLeft(), 0);
    EXPECT_GT(second->GetLeft(), 0);
    EXPECT_EQ(frame->ActiveMDIChild(), second);
    first->SetWindowState(wsMinimized);
    frame->ArrangeIcons();
    RECT icon;
    GetWindowRect(first->Handle(), &icon);
    EXPECT_EQ(first->GetLeft(), 0);
    EXPECT_EQ(first->GetTop() + icon.Height(), area.Height());
}

TEST_F(MdiFormTest, WindowMenuListsTheChildrenAndChoosingOneActivatesIt) {
    TMainMenu menu(nullptr);
    auto* window = new TMenuItem(&menu);
    window->SetCaption("&Window");
    menu.GetItems()->Add(window);
    auto* tile = new TMenuItem(&menu);
    tile->SetCaption("&Tile");
    window->Add(tile);
    frame->SetMenu(&menu);
    frame->SetWindowMenu(window);
    TForm* first = NewChild("first");
    NewChild("second");
    EXPECT_EQ(WindowMenuCaptions(window),
              (std::vector<std::string>{"&Tile", "-", "&1 first", "&2 second *"}));
    window->Items(2)->Click();
    EXPECT_EQ(frame->ActiveMDIChild(), first);
    EXPECT_EQ(WindowMenuCaptions(window),
              (std::vector<std::string>{"&Tile", "-", "&1 first *", "&2 second"}));
    first->SetCaption("renamed");
    EXPECT_EQ(window->Items(2)->GetCaption(), "&1 renamed");
    children.clear();
    EXPECT_EQ(WindowMenuCaptions(window), (std::vector<std::string>{"&Tile"}));
    frame->SetMenu(nullptr);
}

TEST_F(MdiFormTest, ControlF6MovesOnAndControlF4ClosesTheActiveChild) {
    TForm* first = NewChild("first");
    TForm* second = NewChild("second");
    PressWithControl(VK_F6);
    EXPECT_EQ(frame->ActiveMDIChild(), first);
    PressWithControl(VK_F6);
    EXPECT_EQ(frame->ActiveMDIChild(), second);
    // The child closes with caFree: it is released, and the other one becomes active.
    children.back().release();
    PressWithControl(VK_F4);
    Application->ProcessMessages();
    EXPECT_EQ(frame->MDIChildCount(), 1);
    EXPECT_EQ(frame->ActiveMDIChild(), first);
}

TEST_F(MdiFormTest, MenuShortcutsReachTheFrameFromAChild) {
    TMainMenu menu(nullptr);
    auto* file = new TMenuItem(&menu);
    file->SetCaption("&File");
    menu.GetItems()->Add(file);
    auto* item = new TMenuItem(&menu);
    item->SetCaption("&New");
    item->SetShortCut(ShortCut('N', ssCtrl));
    int clicks = 0;
    item->OnClick = [&clicks](TObject*) { ++clicks; };
    file->Add(item);
    frame->SetMenu(&menu);
    NewChild("first");
    PressWithControl('N');
    EXPECT_EQ(clicks, 1);
    frame->SetMenu(nullptr);
}

TEST_F(VclTest, MdiChildWithoutAFrameFails) {
    TForm child(nullptr);
    child.SetFormStyle(fsMDIChild);
    EXPECT_THROW(child.Show(), EInvalidOperation);
}
