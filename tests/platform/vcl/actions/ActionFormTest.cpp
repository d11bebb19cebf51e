// Actions on a form: their short cuts, the idle update (a raising handler neither ends the
// idle pass nor keeps the others from updating), the edit actions on the focused edit, the
// window actions on an MDI frame, and a form description with an action list and linked clients
// read and written back.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/vcl/VclClasses.h"
#include "platform/vcl/actions/ActionList.h"
#include "platform/vcl/actions/StdActns.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/stdctrls/Edit.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/streaming/FormWriter.h"
#include "platform/win/SysParams.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::VclTest;
using win::Headless;

namespace {

class ActionFormTest : public VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(50, 50, 300, 200);
        list = new TActionList(form.get());
        edit = new TEdit(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(10, 10, 120, 22);
    }
    void TearDown() override {
        Application->OnException = nullptr;
        form.reset();
        VclTest::TearDown();
    }
    TAction* NewAction(const std::string& name) {
        auto* a = new TAction(form.get());
        a->SetName(name);
        a->SetActionList(list);
        return a;
    }
    void ShowWithFocus() {
        form->Show();
        edit->SetFocus();
        Headless::ProcessMessages();
    }
    void Press(int vk, bool ctrl) {
        if (ctrl) Headless::KeyDown(VK_CONTROL);
        Headless::KeyPress(vk);
        if (ctrl) Headless::KeyUp(VK_CONTROL);
        Headless::ProcessMessages();
    }

    std::unique_ptr<TForm> form;
    TActionList* list = nullptr;
    TEdit* edit = nullptr;
};

TEST_F(ActionFormTest, AShortCutOfAnEnabledActionRunsItFromAnyControlOfTheForm) {
    std::vector<std::string> ran;
    TAction* toggle = NewAction("actToggle");
    toggle->SetShortCut(ShortCut('T', ssCtrl));
    toggle->OnExecute = [&](TObject*) { ran.push_back("toggle"); };
    TAction* off = NewAction("actOff");
    off->SetShortCut(ShortCut('K', ssCtrl));
    off->OnExecute = [&](TObject*) { ran.push_back("off"); };
    off->OnUpdate = [](TObject* s) { static_cast<TAction*>(s)->SetEnabled(false); };
    ShowWithFocus();

    Press('T', true);
    Press('K', true);               // disabled by its update: the key goes on to the edit
    Headless::KeyPress('T', U't');  // a plain T is typed
    Headless::ProcessMessages();
    EXPECT_EQ(ran, (std::vector<std::string>{"toggle"}));
    EXPECT_EQ(edit->GetText(), "t");
}

TEST_F(ActionFormTest, IdleUpdatesEveryActionEvenAfterOneRaisesAndReportsTheFaultOnce) {
    std::vector<std::string> updated;
    TAction* bad = NewAction("actBad");
    bad->OnUpdate = [&](TObject*) {
        updated.push_back("bad");
        throw std::runtime_error("update failed");
    };
    TAction* good = NewAction("actGood");
    good->OnUpdate = [&](TObject*) { updated.push_back("good"); };
    // An action of no list is updated through the control linked to it.
    auto* linked = new TAction(form.get());
    linked->OnUpdate = [&](TObject*) { updated.push_back("linked"); };
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    button->SetAction(linked);
    std::vector<std::string> reported;
    Application->OnException = [&](TObject* sender, const std::exception& e) {
        reported.push_back(static_cast<TComponent*>(sender)->GetName() + ": " + e.what());
    };
    ShowWithFocus();
    updated.clear();

    Application->Idle();
    Application->Idle();
    EXPECT_EQ(updated,
              (std::vector<std::string>{"bad", "good", "linked", "bad", "good", "linked"}));
    EXPECT_EQ(reported, (std::vector<std::string>{"actBad: update failed"}));

    // A hidden form's actions rest.
    form->Hide();
    updated.clear();
    Application->Idle();
    EXPECT_TRUE(updated.empty());
}

TEST_F(ActionFormTest, TheEditActionsActOnTheFocusedEditAndEnableFromItsState) {
    auto* cut = new TEditCut(form.get());
    auto* copy = new TEditCopy(form.get());
    auto* paste = new TEditPaste(form.get());
    auto* selectAll = new TEditSelectAll(form.get());
    auto* undo = new TEditUndo(form.get());
    auto* del = new TEditDelete(form.get());
    for (TEditAction* a : std::vector<TEditAction*>{cut, copy, paste, selectAll, undo, del})
        a->SetActionList(list);
    auto enabled = [&] {
        std::string e;
        for (TEditAction* a : std::vector<TEditAction*>{cut, copy, paste, selectAll, undo, del}) {
            a->Update();
            e += a->GetEnabled() ? '1' : '0';
        }
        return e;
    };
    SetClipboardText("");
    edit->SetText("hello");
    EXPECT_EQ(enabled(), "000000") << "no edit has the focus";
    ShowWithFocus();
    edit->SetSelStart(0);
    edit->SetSelLength(0);
    EXPECT_EQ(enabled(), "000100");  // only select all
    EXPECT_TRUE(selectAll->Execute());
    EXPECT_EQ(edit->GetSelLength(), 5);
    EXPECT_EQ(enabled(), "110001");
    EXPECT_TRUE(copy->Execute());
    EXPECT_EQ(GetClipboardText(), "hello");
    edit->SetSelStart(0);
    edit->SetSelLength(2);
    EXPECT_TRUE(cut->Execute());
    EXPECT_EQ(edit->GetText(), "llo");
    EXPECT_EQ(enabled(), "001110");  // the clipboard holds text, and the cut can be undone
    EXPECT_TRUE(paste->Execute());
    EXPECT_EQ(edit->GetText(), "hello");
    edit->SetReadOnly(true);
    edit->SetSelStart(0);
    edit->SetSelLength(2);
    EXPECT_EQ(enabled(), "010100") << "a read-only edit only copies and selects";
}

const char* const Description = R"(object fmActions: TfmActions
  Left = 0
  Top = 0
  Color = clBtnFace
  ParentColor = False
  ParentFont = False
  Visible = False
  Caption = 'fmActions'
  ClientHeight = 213
  ClientWidth = 312
  object imgActions: TImageList
  end
  object alMain: TActionList
    Images = imgActions
    object actToggle: TAction
      Caption = '&Toggle'
      Checked = True
      GroupIndex = 2
      Hint = 'Toggles'
      ImageIndex = 1
      ShortCut = 16468
      OnExecute = actToggleExecute
    end
  end
  object pmMain: TPopupMenu
    object miToggle: TMenuItem
      Action = actToggle
    end
  end
  object btnToggle: TButton
    Action = actToggle
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Color = clBtnFace
    ParentColor = False
    TabOrder = 0
    TabStop = True
  end
  object btnOwn: TButton
    Action = actToggle
    Left = 8
    Top = 40
    Width = 75
    Height = 25
    Color = clBtnFace
    ParentColor = False
    TabOrder = 1
    TabStop = True
    Caption = 'Mine'
  end
end
)";

class TfmActions : public TForm {
    QV_DECLARE_CLASS(TfmActions, TForm)
public:
    explicit TfmActions(TComponent* AOwner) : TForm(AOwner) {}
    void actToggleExecute(TObject*) { ++Runs; }
    int Runs = 0;
};

const TClassInfo& TfmActions::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TfmActions>("TfmActions")
                                       .Method("actToggleExecute", &TfmActions::actToggleExecute)
                                       .Build();
    return info;
}

TEST_F(ActionFormTest, AFormWithAnActionListAndLinkedClientsReadsAndWritesBackTheSameText) {
    RegisterVclClasses();
    TfmActions root(nullptr);
    TFormReader("Actions.dfm").ReadRootComponent(root, Description);
    auto* action = dynamic_cast<TAction*>(root.FindComponent("actToggle"));
    auto* button = dynamic_cast<TButton*>(root.FindComponent("btnToggle"));
    auto* own = dynamic_cast<TButton*>(root.FindComponent("btnOwn"));
    auto* item = dynamic_cast<TMenuItem*>(root.FindComponent("miToggle"));
    ASSERT_TRUE(action && button && own && item);
    EXPECT_EQ(action->GetActionList(), root.FindComponent("alMain"));
    EXPECT_EQ(button->GetCaption(), "&Toggle");
    EXPECT_EQ(own->GetCaption(), "Mine") << "a stored caption wins over the action's";
    EXPECT_EQ(item->GetCaption(), "&Toggle");
    EXPECT_TRUE(item->GetChecked());
    EXPECT_EQ(item->GetImageIndex(), 1);
    EXPECT_EQ(ShortCutToText(item->GetShortCut()), "Ctrl+T");
    EXPECT_EQ(item->GetImageList(), root.FindComponent("imgActions"));
    button->Click();
    item->Click();
    EXPECT_EQ(root.Runs, 2);
    EXPECT_EQ(TFormWriter().WriteDescription(root), Description);
}

}  // namespace

namespace {

TEST_F(ActionFormTest, TheWindowActionsArrangeAndCloseTheChildrenOfTheirFrame) {
    auto frame = std::make_unique<TForm>(nullptr);
    frame->SetBounds(0, 0, 600, 400);
    frame->SetFormStyle(fsMDIForm);
    frame->Show();
    auto* tile = new TWindowTileVertical(frame.get());
    auto* close = new TWindowClose(frame.get());
    auto* cascade = new TWindowCascade(frame.get());
    for (TWindowAction* a : std::vector<TWindowAction*>{tile, close, cascade})
        a->SetForm(frame.get());
    auto enabled = [&] {
        std::string e;
        for (TWindowAction* a : std::vector<TWindowAction*>{tile, close, cascade}) {
            a->Update();
            e += a->GetEnabled() ? '1' : '0';
        }
        return e;
    };
    EXPECT_EQ(enabled(), "000") << "a frame without children";
    TForm* children[2];
    for (TForm*& child : children) {
        child = new TForm(nullptr);
        child->SetBounds(10, 10, 200, 150);
        child->SetFormStyle(fsMDIChild);
        child->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
        child->Show();
    }
    EXPECT_EQ(enabled(), "111");
    EXPECT_TRUE(tile->Execute());
    const TRect a = children[0]->BoundsRect(), b = children[1]->BoundsRect();
    EXPECT_TRUE(a.right <= b.left || b.right <= a.left) << "side by side";
    EXPECT_EQ(a.Height(), b.Height());
    EXPECT_TRUE(close->Execute());
    Headless::ProcessMessages();
    ASSERT_EQ(frame->MDIChildCount(), 1);
    delete frame->MDIChildren(0);
    frame.reset();
}

}  // namespace
