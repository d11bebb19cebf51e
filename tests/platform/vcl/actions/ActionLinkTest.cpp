// Actions and their clients: every property reaching every kind of client when it links
// and on every later change, unlinking both ways, running an action through its list, the
// application and its handler, checks and groups, suspended lists.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/actions/ActionList.h"
#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/comctrls/ToolBar.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/stdctrls/CheckBox.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::VclTest;

namespace {

struct Values {
    std::string caption;
    bool checked;
    bool enabled;
    std::string hint;
    int imageIndex;
    TShortCut shortCut;
    bool visible;
    int groupIndex;
    bool autoCheck;
};

const Values First{"&Open", true, false, "Opens", 2, ShortCut('O', ssCtrl), false, 3, true};
const Values Second{"&Close", false, true, "Closes", 5, ShortCut('W', ssCtrl), true, 0, false};

void Apply(TCustomAction& a, const Values& v) {
    a.SetCaption(v.caption);
    a.SetChecked(v.checked);
    a.SetEnabled(v.enabled);
    a.SetHint(v.hint);
    a.SetImageIndex(v.imageIndex);
    a.SetShortCut(v.shortCut);
    a.SetVisible(v.visible);
    a.SetGroupIndex(v.groupIndex);
    a.SetAutoCheck(v.autoCheck);
}

// A kind of client: how to make one, link it, and read back the properties it takes
// from its action, written the same way as the action's own values.
struct ClientKind {
    const char* name;
    std::function<TComponent*(TForm* form)> make;
    std::function<void(TComponent*, TBasicAction*)> link;
    std::function<TBasicAction*(TComponent*)> action;
    std::function<std::string(TComponent*)> read;
    std::function<std::string(const Values&)> expect;
};

std::string ControlText(TControl* c) {
    return c->GetCaption() + "|" + std::to_string(c->GetEnabled()) + "|" + c->GetHint() + "|" +
           std::to_string(c->GetVisible());
}
std::string ControlExpect(const Values& v) {
    return v.caption + "|" + std::to_string(v.enabled) + "|" + v.hint + "|" +
           std::to_string(v.visible);
}

std::vector<ClientKind> Kinds() {
    auto linkControl = [](TComponent* c, TBasicAction* a) {
        static_cast<TControl*>(c)->SetAction(a);
    };
    auto controlAction = [](TComponent* c) { return static_cast<TControl*>(c)->GetAction(); };
    return {
        {"button",
         [](TForm* f) {
             auto* b = new TButton(f);
             b->SetParent(f);
             return b;
         },
         linkControl, controlAction,
         [](TComponent* c) { return ControlText(static_cast<TControl*>(c)); }, ControlExpect},
        {"check box",
         [](TForm* f) {
             auto* b = new TCheckBox(f);
             b->SetParent(f);
             return b;
         },
         linkControl, controlAction,
         [](TComponent* c) {
             auto* b = static_cast<TCheckBox*>(c);
             return ControlText(b) + "|" + std::to_string(b->GetChecked());
         },
         [](const Values& v) { return ControlExpect(v) + "|" + std::to_string(v.checked); }},
        {"tool button",
         [](TForm* f) {
             auto* bar = new TToolBar(f);
             bar->SetParent(f);
             auto* b = new TToolButton(f);
             b->SetParent(bar);
             return b;
         },
         linkControl, controlAction,
         [](TComponent* c) {
             auto* b = static_cast<TToolButton*>(c);
             return ControlText(b) + "|" + std::to_string(b->GetDown()) + "|" +
                    std::to_string(b->GetImageIndex());
         },
         [](const Values& v) {
             return ControlExpect(v) + "|" + std::to_string(v.checked) + "|" +
                    std::to_string(v.imageIndex);
         }},
        {"menu item", [](TForm* f) { return new TMenuItem(f); },
         [](TComponent* c, TBasicAction* a) { static_cast<TMenuItem*>(c)->SetAction(a); },
         [](TComponent* c) { return static_cast<TMenuItem*>(c)->GetAction(); },
         [](TComponent* c) {
             auto* m = static_cast<TMenuItem*>(c);
             return m->GetCaption() + "|" + std::to_string(m->GetChecked()) + "|" +
                    std::to_string(m->GetEnabled()) + "|" + m->GetHint() + "|" +
                    std::to_string(m->GetImageIndex()) + "|" + ShortCutToText(m->GetShortCut()) +
                    "|" + std::to_string(m->GetVisible()) + "|" +
                    std::to_string(m->GetGroupIndex()) + "|" + std::to_string(m->GetAutoCheck());
         },
         [](const Values& v) {
             return v.caption + "|" + std::to_string(v.checked) + "|" + std::to_string(v.enabled) +
                    "|" + v.hint + "|" + std::to_string(v.imageIndex) + "|" +
                    ShortCutToText(v.shortCut) + "|" + std::to_string(v.visible) + "|" +
                    std::to_string(v.groupIndex) + "|" + std::to_string(v.autoCheck);
         }},
    };
}

class ActionLinkTest : public VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        list = new TActionList(form.get());
        action = new TAction(form.get());
        action->SetActionList(list);
    }
    void TearDown() override {
        Application->OnActionExecute = nullptr;
        form.reset();
        VclTest::TearDown();
    }

    std::unique_ptr<TForm> form;
    TActionList* list = nullptr;
    TAction* action = nullptr;
};

TEST_F(ActionLinkTest, EveryPropertyReachesEveryKindOfClientAtLinkTimeAndOnChange) {
    for (const ClientKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        Apply(*action, First);
        TComponent* client = kind.make(form.get());
        kind.link(client, action);
        EXPECT_EQ(kind.read(client), kind.expect(First));
        Apply(*action, Second);
        EXPECT_EQ(kind.read(client), kind.expect(Second));
        Apply(*action, First);
        EXPECT_EQ(kind.read(client), kind.expect(First));
        delete client;
    }
}

TEST_F(ActionLinkTest, AFreedActionLeavesEveryClientWithoutOneAndClicksRunNothingOfIt) {
    for (const ClientKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        auto* doomed = new TAction(form.get());
        doomed->SetCaption("Doomed");
        TComponent* client = kind.make(form.get());
        kind.link(client, doomed);
        ASSERT_EQ(doomed->ClientCount(), 1);
        delete doomed;
        EXPECT_EQ(kind.action(client), nullptr);
        // Clicking after the action went neither crashes nor reaches the freed action.
        if (auto* control = dynamic_cast<TControl*>(client)) control->Click();
        if (auto* item = dynamic_cast<TMenuItem*>(client)) item->Click();
        // The client can take another action.
        kind.link(client, action);
        EXPECT_EQ(kind.action(client), action);
        delete client;
        EXPECT_EQ(action->ClientCount(), 0) << "a freed client unlinks itself";
    }
}

TEST_F(ActionLinkTest, AnOwnerFreeingActionsBeforeTheirClientsLeavesNoDanglingLink) {
    // The action is created after the button, so the form frees it first.
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    auto* late = new TAction(form.get());
    int runs = 0;
    late->OnExecute = [&](TObject*) { ++runs; };
    button->SetAction(late);
    button->Click();
    EXPECT_EQ(runs, 1);
    form.reset();  // must not touch the freed action while the button goes
}

TEST_F(ActionLinkTest, ExecuteAsksTheListThenTheApplicationThenTheHandler) {
    struct Case {
        bool listHandles;
        bool applicationHandles;
        const char* heard;
    };
    const Case cases[] = {
        {true, true, "list"},
        {false, true, "list application"},
        {false, false, "list application handler"},
    };
    for (const Case& c : cases) {
        std::string heard;
        list->OnExecute = [&](TBasicAction* a, bool& handled) {
            EXPECT_EQ(a, action);
            heard += "list";
            handled = c.listHandles;
        };
        Application->OnActionExecute = [&](TBasicAction*, bool& handled) {
            heard += " application";
            handled = c.applicationHandles;
        };
        action->OnExecute = [&](TObject* sender) {
            EXPECT_EQ(sender, action);
            heard += " handler";
        };
        EXPECT_TRUE(action->Execute());
        EXPECT_EQ(heard, c.heard);
    }
}

TEST_F(ActionLinkTest, ClickingAClientRunsItsActionUnlessItHasItsOwnOnClick) {
    std::vector<std::string> ran;
    action->OnExecute = [&](TObject*) {
        ran.push_back("action from " + action->GetActionComponent()->GetName());
    };
    auto* button = new TButton(form.get());
    button->SetName("btnGo");
    button->SetParent(form.get());
    button->SetAction(action);
    auto* item = new TMenuItem(form.get());
    item->SetName("miGo");
    item->SetAction(action);
    button->Click();
    item->Click();
    EXPECT_EQ(action->GetActionComponent(), nullptr);  // only while it runs
    button->OnClick = [&](TObject*) { ran.push_back("own click"); };
    button->Click();
    action->SetEnabled(false);
    action->SetDisableIfNoHandler(false);
    item->Click();  // a disabled item is not chosen
    EXPECT_FALSE(action->Execute());
    EXPECT_EQ(ran,
              (std::vector<std::string>{"action from btnGo", "action from miGo", "own click"}));
}

TEST_F(ActionLinkTest, AutoCheckTogglesTheActionAndEveryClientFollows) {
    action->SetAutoCheck(true);
    action->OnExecute = [](TObject*) {};
    auto* item = new TMenuItem(form.get());
    item->SetAction(action);
    auto* bar = new TToolBar(form.get());
    bar->SetParent(form.get());
    auto* tool = new TToolButton(form.get());
    tool->SetParent(bar);
    tool->SetStyle(tbsCheck);
    tool->SetAction(action);
    auto* box = new TCheckBox(form.get());
    box->SetParent(form.get());
    box->SetAction(action);

    item->Click();
    EXPECT_TRUE(action->GetChecked());
    EXPECT_TRUE(item->GetChecked());
    EXPECT_TRUE(tool->GetDown());
    EXPECT_TRUE(box->GetChecked());
    tool->Click();
    EXPECT_FALSE(action->GetChecked());
    EXPECT_FALSE(item->GetChecked());
    EXPECT_FALSE(tool->GetDown());
    EXPECT_FALSE(box->GetChecked());
}

TEST_F(ActionLinkTest, CheckingAnActionOfAGroupUnchecksTheOthersOfItsList) {
    auto* left = new TAction(form.get());
    auto* right = new TAction(form.get());
    auto* alone = new TAction(form.get());
    for (TAction* a : {action, left, right}) {
        a->SetActionList(list);
        a->SetGroupIndex(1);
    }
    alone->SetActionList(list);
    alone->SetChecked(true);
    left->SetChecked(true);
    right->SetChecked(true);
    EXPECT_FALSE(left->GetChecked());
    EXPECT_TRUE(right->GetChecked());
    EXPECT_TRUE(alone->GetChecked()) << "an action of no group stays checked";
}

TEST_F(ActionLinkTest, ASuspendedListNeitherRunsNorUpdatesItsActions) {
    int runs = 0, updates = 0;
    action->OnExecute = [&](TObject*) { ++runs; };
    action->OnUpdate = [&](TObject*) { ++updates; };
    action->SetEnabled(false);
    list->SetState(asSuspended);
    EXPECT_FALSE(action->Execute());
    EXPECT_FALSE(action->Update());
    list->SetState(asSuspendedEnabled);
    EXPECT_TRUE(action->GetEnabled()) << "suspended with its actions enabled";
    EXPECT_FALSE(action->Execute());
    list->SetState(asNormal);
    EXPECT_TRUE(action->Execute());
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(updates, 1);  // the update that Execute starts with
}

TEST_F(ActionLinkTest, AnActionWithNoHandlerAndNoTargetIsDisabledByItsUpdate) {
    EXPECT_TRUE(action->GetEnabled());
    action->Update();
    EXPECT_FALSE(action->GetEnabled());
    auto* handled = new TAction(form.get());
    handled->OnExecute = [](TObject*) {};
    handled->Update();
    EXPECT_TRUE(handled->GetEnabled());
}

TEST_F(ActionLinkTest, AFreedListAndAFreedImageListAreForgotten) {
    auto* images = new TImageList(form.get());
    list->SetImages(images);
    delete images;
    EXPECT_EQ(list->GetImages(), nullptr);
    delete list;
    EXPECT_EQ(action->GetActionList(), nullptr);
}

}  // namespace
