#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Source/theme/SKMgr.h"
#include "Source/theme/frmThemeMgr.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"
#include "tests/Source/mgr/MgrTestSupport.h"

// The theme manager's editing dialog: its layout, the components it offers, and what its
// buttons do to the manager's list.
namespace {

using mgr_test::TskTestControl;
using Strings = std::vector<std::string>;

Strings Lines(const TStrings* strings) {
    Strings lines;
    for (int i = 0; i < strings->Count(); ++i) lines.push_back(strings->Strings(i));
    return lines;
}

TPoint Middle(const TControl* control) {
    return control->ClientToScreen({control->GetWidth() / 2, control->GetHeight() / 2});
}

class ThemeManagerDialog : public ::testing::Test {
protected:
    void SetUp() override {
        m_driver = &win::Headless::Install();
        mgr_test::RegisterMgrTestClasses();
        m_form = std::make_unique<TForm>(nullptr);
        // Component order, not name order, is the order of the list.
        for (const char* name : {"skCharlie", "skAlpha", "skBravo"}) Control(name);
        Make<mgr_test::TOtherControl>("NotSkinned");
        Make<TskFileTheme>("Theme");
        m_manager = Make<TskThemeManager>("Manager");
        Make<TskThemeManager>("SecondManager");
    }
    void TearDown() override {
        m_form.reset();
        win::Headless::Install();
    }

    template <class T>
    T* Make(const std::string& name) {
        T* component = new T(m_form.get());
        component->SetName(name);
        return component;
    }
    void Control(const std::string& name) { Make<TskTestControl>(name)->Shared = &m_log; }

    std::unique_ptr<TfrmMgr> NewDialog() {
        return std::unique_ptr<TfrmMgr>(TCustomForm::Create<TfrmMgr>(nullptr));
    }
    // The dialog that EditThemeManager opened.
    static TfrmMgr* OpenDialog() {
        for (TCustomForm* form : TCustomForm::Forms())
            if (auto* dialog = dynamic_cast<TfrmMgr*>(form); dialog && dialog->GetVisible())
                return dialog;
        throw std::runtime_error("no theme manager dialog is open");
    }

    win::HeadlessDriver* m_driver = nullptr;
    std::unique_ptr<TForm> m_form;
    TskThemeManager* m_manager = nullptr;
    Strings m_log;
};

TEST_F(ThemeManagerDialog, LaysOutItsControlsAsDescribed) {
    auto dialog = NewDialog();
    EXPECT_EQ(dialog->GetCaption(), "Theme Manager - SkinLib");
    EXPECT_EQ(dialog->GetBorderStyle(), bsDialog);
    EXPECT_EQ(dialog->GetPosition(), poScreenCenter);
    EXPECT_EQ(dialog->GetClientWidth(), 233);
    EXPECT_EQ(dialog->GetClientHeight(), 301);

    struct Child {
        const char* name;
        TRect bounds;
        const char* caption;
    };
    const Child children[] = {
        {"List", {16, 16, 217, 201}, ""},
        {"btn_sel", {120, 208, 217, 233}, "&Select all"},
        {"btn_unsel", {16, 208, 113, 233}, "&Unselect all"},
        {"btn_ok", {72, 264, 161, 289}, "&OK"},
    };
    for (const Child& child : children) {
        auto* control = dynamic_cast<TControl*>(dialog->FindComponent(child.name));
        ASSERT_NE(control, nullptr) << child.name;
        EXPECT_EQ(control->GetParent(), dialog.get()) << child.name;
        EXPECT_EQ(control->BoundsRect(), child.bounds) << child.name;
        if (*child.caption) {
            EXPECT_EQ(control->GetCaption(), child.caption) << child.name;
        }
    }
    EXPECT_NE(dynamic_cast<TCheckListBox*>(dialog->List), nullptr);
    EXPECT_TRUE(dialog->btn_ok->GetDefault());
    EXPECT_EQ(dialog->btn_ok->GetModalResult(), mrOk);
    for (TButton* other : {dialog->btn_sel, dialog->btn_unsel}) {
        EXPECT_FALSE(other->GetDefault()) << other->GetName();
        EXPECT_EQ(other->GetModalResult(), mrNone) << other->GetName();
    }

    dialog->Show();
    win::Headless::ProcessMessages();
    RECT window;
    GetWindowRect(dialog->Handle(), &window);
    EXPECT_EQ(window.left, (1024 - window.Width()) / 2);
    EXPECT_EQ(window.top, (768 - window.Height()) / 2);
}

TEST_F(ThemeManagerDialog, OffersTheSkinnedComponentsCheckedByTheList) {
    auto dialog = NewDialog();
    TStringList names;
    names.SetCommaText("skBravo,Gone,NotSkinned,Manager");
    dialog->LoadComponents(m_form.get(), &names);
    // Not offered: a class without the prefix, a file theme (no UIStyle) and the managers.
    EXPECT_EQ(Lines(dialog->List->GetItems()), (Strings{"skCharlie", "skAlpha", "skBravo"}));
    const std::vector<bool> expected{false, false, true};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(dialog->List->GetChecked(i), expected[i]) << i;
    EXPECT_EQ(dialog->CheckedNames(), Strings{"skBravo"});

    // Loading again starts over.
    dialog->LoadComponents(m_form.get(), nullptr);
    EXPECT_EQ(dialog->List->Count(), 3);
    EXPECT_EQ(dialog->CheckedNames(), Strings{});
}

TEST_F(ThemeManagerDialog, EditingRewritesTheListOnlyOnOk) {
    using Step = std::function<void(TfrmMgr&)>;
    const Step clickSelectAll = [](TfrmMgr& d) {
        const TPoint p = Middle(d.btn_sel);
        win::Headless::Click(p.x, p.y);
    };
    const Step pressAltU = [](TfrmMgr&) {
        win::Headless::KeyDown(VK_MENU);
        win::Headless::KeyPress('U', U'u');
        win::Headless::KeyUp(VK_MENU);
    };
    const Step clickFirstBox = [](TfrmMgr& d) {
        const TRect box = d.List->CheckRect(0);
        const TPoint p =
            d.List->ClientToScreen({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
        win::Headless::Click(p.x, p.y);
    };
    const Step clickOk = [](TfrmMgr& d) {
        const TPoint p = Middle(d.btn_ok);
        win::Headless::Click(p.x, p.y);
    };
    const Step pressReturn = [](TfrmMgr&) { win::Headless::KeyPress(VK_RETURN, U'\r'); };
    const Step closeWindow = [](TfrmMgr& d) { PostMessage(d.Handle(), WM_CLOSE); };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        bool accepted;
        Strings list;
    };
    const Case cases[] = {
        // The list comes back in list order, not in its own.
        {"OK as loaded", {clickOk}, true, {"skCharlie", "skBravo"}},
        {"Return presses OK", {pressReturn}, true, {"skCharlie", "skBravo"}},
        {"Select all", {clickSelectAll, clickOk}, true, {"skCharlie", "skAlpha", "skBravo"}},
        {"a box unchecked", {clickFirstBox, clickOk}, true, {"skBravo"}},
        {"Alt+U unselects all", {pressAltU, clickOk}, true, {}},
        {"closed without OK",
         {clickSelectAll, closeWindow},
         false,
         {"skBravo", "Gone", "skCharlie"}},
    };
    for (const Case& c : cases) {
        m_manager->GetCompList()->SetCommaText("skBravo,Gone,skCharlie");
        for (const Step& step : c.steps) m_driver->WhenIdle([step] { step(*OpenDialog()); });
        m_log.clear();
        EXPECT_EQ(EditThemeManager(m_manager), c.accepted) << c.name;
        EXPECT_EQ(Lines(m_manager->GetCompList()), c.list) << c.name;
        // UpdateAll follows either way and reaches the listed components that exist.
        Strings updates;
        for (const std::string& name : c.list)
            if (name.starts_with("sk"))
                updates.insert(updates.end(),
                               {name + ".UIStyle=DeepBlue", name + ".FileTheme=nil"});
        EXPECT_EQ(m_log, updates) << c.name;
    }
}

TEST_F(ThemeManagerDialog, OnlyAManagerOnAFormIsEdited) {
    // Outside a form no dialog opens: a modal loop would fail for want of input.
    mgr_test::TMgrTestRoot root(nullptr);
    auto* loose = new TskThemeManager(&root);
    loose->GetCompList()->Add("skAlpha");
    EXPECT_FALSE(EditThemeManager(loose));
    EXPECT_EQ(Lines(loose->GetCompList()), Strings{"skAlpha"});
    EXPECT_THROW(EditThemeManager(nullptr), EInvalidOperation);
}

}  // namespace
