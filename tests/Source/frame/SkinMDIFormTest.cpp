// TskMDIForm: the skinned MDI frame, its maximised child's control buttons and caption,
// the child's menu in its menu bar, its own arrangements, and how it lets go of the form
// and the client window.
#include <memory>

#include "platform/vcl/comctrls/ToolBar.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/vcl/stdctrls/CustomPanel.h"

#include "Source/buttons/SKImageButton.h"
#include "Source/frame/SKForm.h"
#include "Source/frame/SKMDIForm.h"
#include "Source/frame/SKMainMenu.h"
#include "tests/Source/frame/FrameTestSupport.h"

namespace {

using frame_test::Headless;

// A frame form that notes the messages its own procedure gets.
class TRecordingForm : public TForm {
public:
    using TForm::TForm;
    std::vector<UINT> received;

protected:
    void WndProc(TMessage& Message) override {
        received.push_back(Message.Msg);
        TForm::WndProc(Message);
    }
};

class SkinMDIFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Headless::Install();
        Application->CreateForm(frame);
        frame->SetCaption("Frame");
        frame->SetBounds(0, 0, 600, 400);
        frame->SetFormStyle(fsMDIForm);
        skin = new TskMDIForm(frame);
        frame->Show();
        Headless::ProcessMessages();
    }
    void TearDown() override {
        children.clear();
        delete frame;
        Headless::Install();
    }
    // A skinned child with a panel at (10, 40) on its frame.
    TForm* NewChild(const std::string& name) {
        auto child = std::make_unique<TForm>(nullptr);
        child->SetName(name);
        child->SetBounds(10, 10, 240, 160);
        child->SetFormStyle(fsMDIChild);
        auto* frameOfChild = new TskForm(child.get());
        auto* probe = new TPanel(child.get());
        probe->SetName("probe");
        probe->SetBounds(10, 40, 50, 20);
        probe->SetParent(frameOfChild);
        child->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
        child->Show();
        Headless::ProcessMessages();
        children.push_back(std::move(child));
        return children.back().get();
    }
    static TskForm* SkinOf(TForm* child) {
        for (int i = 0; i < child->ControlCount(); ++i)
            if (auto* s = dynamic_cast<TskForm*>(child->Controls(i))) return s;
        return nullptr;
    }
    static int ProbeTop(TForm* child) {
        return dynamic_cast<TControl*>(child->FindComponent("probe"))->GetTop();
    }
    // Which control buttons show: close, restore, minimise.
    std::vector<bool> ControlButtonsShown() const {
        return {skin->ControlButton(0)->GetVisible(), skin->ControlButton(1)->GetVisible(),
                skin->ControlButton(2)->GetVisible()};
    }

    TForm* frame = nullptr;
    TskMDIForm* skin = nullptr;
    std::vector<std::unique_ptr<TForm>> children;
};

TEST_F(SkinMDIFormTest, RefusesAnOwnerThatIsNotAForm) {
    TComponent owner(nullptr);
    try {
        TskMDIForm stray(&owner);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Sorry, TskMDIForm must be placed on a form");
    }
}

TEST_F(SkinMDIFormTest, TakesTheCaptionAwayAndPutsItsBarsOnTop) {
    EXPECT_FALSE(GetWindowLong(frame->Handle(), GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(skin->TitleBar()->GetParent(), frame);
    EXPECT_EQ(skin->TitleBar()->GetTop(), 0);
    EXPECT_EQ(skin->TitleBar()->GetCaption(), "Frame");
    EXPECT_FALSE(skin->MenuPanel()->GetVisible());  // no menu yet
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(skin->ControlButton(i)->GetVisible());
}

// Two children maximised one after the other: each shifts its own contents, the frame's
// control buttons and caption follow the maximised one, and restoring ends it all.
TEST_F(SkinMDIFormTest, SecondMaximisedChildTakesOverAndRestoreEndsIt) {
    TForm* first = NewChild("first");
    TForm* second = NewChild("second");
    first->SetFocus();
    first->SetWindowState(wsMaximized);
    Headless::ProcessMessages();
    EXPECT_TRUE(SkinOf(first)->ContentShifted());
    EXPECT_EQ(ControlButtonsShown(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(skin->TitleBar()->GetCaption(), "Frame - [first]");

    second->SetFocus();
    Headless::ProcessMessages();
    EXPECT_EQ(second->GetWindowState(), wsMaximized);
    EXPECT_EQ(first->GetWindowState(), wsNormal);
    EXPECT_FALSE(SkinOf(first)->ContentShifted());
    EXPECT_EQ(ProbeTop(first), 40);
    EXPECT_TRUE(SkinOf(second)->ContentShifted());
    EXPECT_FALSE(SkinOf(second)->TitleBar()->GetVisible());
    EXPECT_LT(ProbeTop(second), 40);
    EXPECT_EQ(ControlButtonsShown(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(skin->TitleBar()->GetCaption(), "Frame - [second]");

    skin->ControlButton(1)->Click();  // restore
    EXPECT_EQ(second->GetWindowState(), wsNormal);
    EXPECT_FALSE(SkinOf(second)->ContentShifted());
    EXPECT_EQ(ProbeTop(second), 40);
    EXPECT_TRUE(SkinOf(second)->TitleBar()->GetVisible());
    EXPECT_EQ(ControlButtonsShown(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(skin->TitleBar()->GetCaption(), "Frame");
    EXPECT_EQ(frame->GetCaption(), "Frame");
}

TEST_F(SkinMDIFormTest, OnlyTheMaximisedChildsOwnButtonsAppear) {
    TForm* child = NewChild("child");
    TskTitleBarButtons* buttons = SkinOf(child)->TitleBar()->GetButtons();
    for (int i = buttons->Count() - 1; i >= 0; --i)
        if (buttons->GetItem(i)->GetButtonType() != skClose) buttons->Delete(i);
    child->SetWindowState(wsMaximized);
    Headless::ProcessMessages();
    EXPECT_EQ(ControlButtonsShown(), (std::vector<bool>{true, false, false}));
}

TEST_F(SkinMDIFormTest, CloseButtonClosesTheActiveChildAndDoesNothingWithoutOne) {
    TForm* child = NewChild("child");
    child->SetWindowState(wsMaximized);
    Headless::ProcessMessages();
    // A hidden child is not active: there is nothing to close.
    child->Hide();
    EXPECT_EQ(frame->ActiveMDIChild(), nullptr);
    skin->ControlButton(0)->Click();
    EXPECT_EQ(frame->MDIChildCount(), 1);
    child->Show();
    child->SetFocus();
    EXPECT_EQ(frame->ActiveMDIChild(), child);
    children.back().release();  // it frees itself on closing
    skin->ControlButton(0)->Click();
    Headless::ProcessMessages();
    EXPECT_EQ(frame->MDIChildCount(), 0);
    EXPECT_EQ(ControlButtonsShown(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(skin->TitleBar()->GetCaption(), "Frame");
}

TEST_F(SkinMDIFormTest, MenuBarShowsTheActiveChildsMenuBeforeItsOwn) {
    TMainMenu own(nullptr), childMenu(nullptr);
    for (TMainMenu* menu : {&own, &childMenu}) {
        for (const char* caption : {"&File", "&Window"}) {
            auto* item = new TMenuItem(menu);
            item->SetCaption(caption);
            menu->GetItems()->Add(item);
        }
    }
    auto* extra = new TMenuItem(&childMenu);
    extra->SetCaption("&Edit");
    childMenu.GetItems()->Insert(1, extra);
    skin->SetMenu(&own);
    EXPECT_TRUE(skin->MenuPanel()->GetVisible());
    EXPECT_EQ(skin->MenuBar()->ButtonCount(), 2);
    TForm* child = NewChild("child");
    SkinOf(child)->SetMenu(&childMenu);
    SendMessage(frame->ClientHandle(), WM_MDIREFRESHMENU, 0, 0);
    EXPECT_EQ(skin->ShownMenu(), &childMenu);
    EXPECT_EQ(skin->MenuBar()->ButtonCount(), 3);
    // Without its own menu the frame still shows the child's.
    skin->SetMenu(nullptr);
    EXPECT_EQ(skin->ShownMenu(), &childMenu);
    EXPECT_TRUE(skin->MenuPanel()->GetVisible());
    children.clear();
    EXPECT_EQ(skin->ShownMenu(), nullptr);
    EXPECT_FALSE(skin->MenuPanel()->GetVisible());
}

// A skinned main menu gives the frame's bar buttons its font (the style stays the frame's):
// a large font makes the buttons wider and their captions taller than the menu font does.
TEST_F(SkinMDIFormTest, MenuBarButtonsTakeTheSkinnedMenusFont) {
    skin->SetUIStyle(WinXP);
    struct Drawn {
        int buttonWidth;
        int inkRows;
    };
    const auto draw = [&](bool systemFont) {
        TskMainMenu menu(nullptr);
        auto* item = new TMenuItem(&menu);
        item->SetCaption("&File");
        menu.GetItems()->Add(item);
        menu.SetUseSystemFont(systemFont);
        menu.SetFontName("Liberation Sans");
        menu.SetFontSize(20);
        skin->SetMenu(&menu);
        Headless::ProcessMessages();
        TToolButton* button = skin->MenuBar()->Buttons(0);
        const TPoint origin = button->ClientToScreen({0, 0});
        const gfx::Bitmap shot = Headless::CaptureDesktop();
        int rows = 0;
        for (int y = 0; y < button->GetHeight(); ++y) {
            bool ink = false;
            for (int x = 0; x < button->GetWidth() && !ink; ++x) {
                const TColor c = shot.GetPixel(origin.x + x, origin.y + y);
                ink = (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) < 300;
            }
            rows += ink;
        }
        const Drawn drawn{button->GetWidth(), rows};
        skin->SetMenu(nullptr);
        return drawn;
    };
    const Drawn system = draw(true);
    const Drawn own = draw(false);
    EXPECT_GT(own.buttonWidth, system.buttonWidth + 10);
    EXPECT_GT(own.inkRows, system.inkRows + 5);
}

TEST_F(SkinMDIFormTest, CascadeAndTileReplaceTheClientsArrangement) {
    TForm* a = NewChild("a");
    TForm* b = NewChild("b");
    TForm* c = NewChild("c");
    frame->Cascade();
    const int w = static_cast<int>(frame->GetClientWidth() * 0.8);
    const int h = static_cast<int>(frame->GetClientHeight() * 0.6);
    EXPECT_EQ(a->BoundsRect(), Bounds(0, 0, w, h));
    EXPECT_EQ(b->BoundsRect(), Bounds(22, 22, w, h));
    EXPECT_EQ(c->BoundsRect(), Bounds(44, 44, w, h));
    frame->SetTileMode(tbHorizontal);
    frame->Tile();
    const int usable = frame->GetClientHeight() - skin->TitleBar()->GetHeight();
    const int row = usable / 3;
    EXPECT_EQ(a->BoundsRect(), Bounds(0, 0, frame->GetClientWidth() - 4, row - 2));
    EXPECT_EQ(c->BoundsRect(), Bounds(0, 2 * (row - 2), frame->GetClientWidth() - 4, row - 2));
    // A minimised child keeps its place and leaves room for itself at the bottom.
    b->SetWindowState(wsMinimized);
    frame->Tile();
    const int shorter = (usable - 25) / 2;
    EXPECT_EQ(c->BoundsRect(), Bounds(0, shorter - 2, frame->GetClientWidth() - 4, shorter - 2));
}

TEST_F(SkinMDIFormTest, GivesTheClientItsProcedureBackAndFreesItsOwn) {
    const HWND client = frame->ClientHandle();
    const auto adapter = reinterpret_cast<WNDPROC>(GetWindowLong(client, GWL_WNDPROC));
    delete skin;
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLong(client, GWL_WNDPROC)), adapter);
    // The pool hands out the lowest free entry: the one just given back.
    const WNDPROC next = MakeObjectInstance([](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
    EXPECT_EQ(next, adapter);
    FreeObjectInstance(next);
    EXPECT_TRUE(GetWindowLong(frame->Handle(), GWL_STYLE) & WS_CAPTION);
}

TEST_F(SkinMDIFormTest, MessagesDuringItsDestructionStillReachTheForm) {
    children.clear();
    delete frame;
    TRecordingForm* recording = nullptr;
    Application->CreateForm(recording);
    frame = recording;
    frame->SetFormStyle(fsMDIForm);
    skin = new TskMDIForm(frame);
    frame->Show();
    Headless::ProcessMessages();
    recording->received.clear();
    delete skin;
    // The title bar's window went while the frame was closing; the form heard of it.
    EXPECT_NE(std::find(recording->received.begin(), recording->received.end(), WM_PARENTNOTIFY),
              recording->received.end());
}

}  // namespace
