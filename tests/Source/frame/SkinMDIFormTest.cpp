// TskMDIForm: the skinned MDI frame, its maximised child's control buttons and caption,
// the child's menu in its menu bar, its own arrangements, and how it lets go of the form
// and the client window.
#include <memory>
#include <string>

#include "platform/vcl/comctrls/ToolBar.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/core/ComponentGuard.h"
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

// Where a child stands inside the frame's client window.
TRect PlaceInClient(TForm* frame, TForm* child) {
    RECT r;
    GetWindowRect(child->Handle(), &r);
    POINT p{r.left, r.top};
    ScreenToClient(frame->ClientHandle(), &p);
    return Bounds(p.x, p.y, r.Width(), r.Height());
}

TRect ClientArea(TForm* frame) {
    RECT r;
    GetClientRect(frame->ClientHandle(), &r);
    return r;
}

// The frame's control buttons, clicked with the mouse, act on the maximised child: close
// closes it, restore gives it its old bounds, minimise makes it an icon; each time the
// buttons go and the frame's caption is its own again.
TEST_F(SkinMDIFormTest, EachControlButtonClickedActsOnTheMaximisedChild) {
    struct Case {
        int button;  // close, restore, minimise
        const char* name;
    };
    const Case cases[] = {{0, "close"}, {1, "restore"}, {2, "minimise"}};
    // The buttons stand at the right end of the frame's menu bar.
    TMainMenu menu(nullptr);
    auto* file = new TMenuItem(&menu);
    file->SetCaption("&File");
    menu.GetItems()->Add(file);
    skin->SetMenu(&menu);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TForm* child = NewChild("child");
        TComponentGuard alive(child);
        child->SetWindowState(wsMaximized);
        Headless::ProcessMessages();
        ASSERT_TRUE(skin->ControlButton(c.button)->Showing());
        if (c.button == 0) children.back().release();  // it frees itself on closing
        TControl* button = skin->ControlButton(c.button);
        const TPoint at = button->ClientToScreen({button->GetWidth() / 2, button->GetHeight() / 2});
        Headless::Click(at.x, at.y);
        Headless::ProcessMessages();
        switch (c.button) {
            case 0:
                EXPECT_FALSE(alive.Exists());
                EXPECT_EQ(frame->MDIChildCount(), 0);
                break;
            case 1:
                EXPECT_EQ(child->GetWindowState(), wsNormal);
                EXPECT_FALSE(IsIconic(child->Handle()));
                EXPECT_EQ(PlaceInClient(frame, child), Bounds(10, 10, 240, 160));
                break;
            default:
                EXPECT_EQ(child->GetWindowState(), wsMinimized);
                EXPECT_TRUE(IsIconic(child->Handle()));
                EXPECT_EQ(PlaceInClient(frame, child).bottom, ClientArea(frame).bottom);
                break;
        }
        EXPECT_EQ(ControlButtonsShown(), (std::vector<bool>{false, false, false}));
        EXPECT_EQ(skin->TitleBar()->GetCaption(), "Frame");
        children.clear();
        Headless::ProcessMessages();
    }
    skin->SetMenu(nullptr);
}

// Children minimised one after another from the maximised state each take a place of
// their own along the bottom of the client.
TEST_F(SkinMDIFormTest, ChildrenMinimisedInTurnEachGetTheirOwnPlace) {
    std::vector<TForm*> minimised;
    for (const char* name : {"a", "b", "c"}) {
        TForm* child = NewChild(name);
        child->SetWindowState(wsMaximized);
        Headless::ProcessMessages();
        skin->ControlButton(2)->Click();
        Headless::ProcessMessages();
        minimised.push_back(child);
    }
    for (std::size_t i = 0; i < minimised.size(); ++i) {
        SCOPED_TRACE(minimised[i]->GetName());
        const TRect r = PlaceInClient(frame, minimised[i]);
        EXPECT_TRUE(IsIconic(minimised[i]->Handle()));
        EXPECT_EQ(r.bottom, ClientArea(frame).bottom);
        for (std::size_t j = 0; j < i; ++j) {
            const TRect o = PlaceInClient(frame, minimised[j]);
            EXPECT_TRUE(r.right <= o.left || o.right <= r.left) << "overlaps " << j;
        }
    }
}

// A maximised child keeps filling the client while the frame is resized, as it filled it
// when it was maximised.
TEST_F(SkinMDIFormTest, AMaximisedChildKeepsFillingTheClientWhenTheFrameIsResized) {
    TForm* child = NewChild("child");
    child->SetWindowState(wsMaximized);
    Headless::ProcessMessages();
    const TRect area = ClientArea(frame);
    const TRect place = PlaceInClient(frame, child);
    // How far the child's window reaches past the client on each side (its frame).
    const TRect reach{place.left - area.left, place.top - area.top, place.right - area.right,
                      place.bottom - area.bottom};
    struct Size {
        int width, height;
    };
    for (const Size size : {Size{450, 300}, Size{800, 560}, Size{600, 400}}) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        frame->SetBounds(0, 0, size.width, size.height);
        Headless::ProcessMessages();
        const TRect nowArea = ClientArea(frame);
        const TRect now = PlaceInClient(frame, child);
        EXPECT_EQ(child->GetWindowState(), wsMaximized);
        EXPECT_EQ(now.left - nowArea.left, reach.left);
        EXPECT_EQ(now.top - nowArea.top, reach.top);
        EXPECT_EQ(now.right - nowArea.right, reach.right);
        EXPECT_EQ(now.bottom - nowArea.bottom, reach.bottom);
    }
}

// Tiling in either direction gives each child a place of its own inside the client.
TEST_F(SkinMDIFormTest, TilingEitherWayGivesEachChildItsOwnPlace) {
    std::vector<TForm*> tiled;
    for (const char* name : {"a", "b", "c", "d"}) tiled.push_back(NewChild(name));
    for (const TTileMode mode : {tbHorizontal, tbVertical}) {
        SCOPED_TRACE(mode == tbHorizontal ? "horizontal" : "vertical");
        frame->SetTileMode(mode);
        frame->Tile();
        Headless::ProcessMessages();
        for (std::size_t i = 0; i < tiled.size(); ++i) {
            const TRect r = tiled[i]->BoundsRect();
            EXPECT_GT(r.Width(), 0);
            EXPECT_GT(r.Height(), 0);
            EXPECT_LE(r.right, frame->GetClientWidth());
            EXPECT_LE(r.bottom, frame->GetClientHeight());
            for (std::size_t j = 0; j < i; ++j) {
                const TRect o = tiled[j]->BoundsRect();
                const bool apart = r.right <= o.left || o.right <= r.left || r.bottom <= o.top ||
                                   o.bottom <= r.top;
                EXPECT_TRUE(apart) << tiled[j]->GetName() << " and " << tiled[i]->GetName();
            }
            // Side by side or one above another, as the mode says.
            EXPECT_EQ(mode == tbHorizontal ? r.left : r.top, 0);
        }
    }
}

}  // namespace
