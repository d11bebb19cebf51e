// The gallery's MDI window: a skinned MDI frame with a main menu (File: New child, Close;
// Window: Tile, Cascade and the list of children) whose skinned children can be made,
// maximised, restored, tiled and closed. It wears the gallery's style and follows it.
#include <string>

#include "platform/vcl/comctrls/ToolBar.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/controls/Timer.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/vcl/stdctrls/Label.h"

#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKImageButton.h"
#include "Source/frame/SKForm.h"
#include "Source/frame/SKMDIForm.h"
#include "Source/frame/SKMainMenu.h"
#include "Source/gallery/GallerySection.h"
#include "Source/theme/SKFileTheme.h"

namespace {

constexpr const char* kWindowName = "fmMdiWindow";

TskForm* SkinOf(TCustomForm* Form) {
    for (int i = 0; i < Form->ControlCount(); ++i)
        if (auto* frame = dynamic_cast<TskForm*>(Form->Controls(i))) return frame;
    return nullptr;
}

TskMDIForm* MdiSkinOf(TCustomForm* Window) {
    return dynamic_cast<TskMDIForm*>(Window->FindComponent("smMdi"));
}

// Where the window's menu bar buttons and control buttons are, for a test to click.
void LogPlaces(TCustomForm* Window, const std::function<void(const std::string&)>& Log) {
    TskMDIForm* skin = MdiSkinOf(Window);
    if (!skin) return;
    auto place = [&](const std::string& name, TControl* control) {
        if (!control || !control->Showing()) return;
        const TPoint middle =
            control->ClientToScreen({control->GetWidth() / 2, control->GetHeight() / 2});
        Log("mdi place " + name + " " + std::to_string(middle.x) + " " +
            std::to_string(middle.y) + " " + std::to_string(control->GetHeight()));
    };
    if (TToolBar* bar = skin->MenuBar())
        for (int i = 0; i < bar->ButtonCount(); ++i)
            place("menu" + std::to_string(i), bar->Buttons(i));
    place("close", skin->ControlButton(0));
    place("restore", skin->ControlButton(1));
    place("minimise", skin->ControlButton(2));
}

void ApplyStyle(TCustomForm* Window, TskUIStyle Style, TskFileTheme* Theme) {
    if (TskMDIForm* skin = MdiSkinOf(Window)) {
        skin->SetFileTheme(Theme);
        skin->SetUIStyle(Style);
    }
    if (auto* menu = dynamic_cast<TskMainMenu*>(Window->FindComponent("mmMdi"))) {
        menu->SetFileTheme(Theme);
        menu->SetUIStyle(Style);
    }
    for (int i = 0; i < Window->MDIChildCount(); ++i)
        if (TskForm* frame = SkinOf(Window->MDIChildren(i))) {
            frame->SetFileTheme(Theme);
            frame->SetUIStyle(Style);
        }
}

void NewChild(TForm* Window, const std::function<void(const std::string&)>& Log) {
    // The window's tag counts the children it has made, for their captions.
    const int made = static_cast<int>(Window->GetTag()) + 1;
    Window->SetTag(made);
    const std::string caption = "Child " + std::to_string(made);
    auto* child = new TForm(Window);
    child->SetCaption(caption);
    const int step = 24 * ((made - 1) % 6);
    child->SetBounds(step, step, 260, 170);
    child->SetFormStyle(fsMDIChild);
    auto* frame = new TskForm(child);
    frame->SetUIStyleAutoUpdateSub(true);
    frame->SetCaption(caption);
    auto* button = new TskButton(child);
    button->SetCaption("&Close");
    button->SetBounds(12, 40, 80, 27);
    button->SetParent(frame);
    button->OnClick = [child](TObject*) { child->Close(); };
    if (TskMDIForm* skin = MdiSkinOf(Window)) {
        frame->SetFileTheme(skin->GetFileTheme());
        frame->SetUIStyle(skin->GetUIStyle());
    }
    child->OnClose = [Log, caption](TObject*, TCloseAction& Action) {
        Action = caFree;
        Log("mdi closed " + caption);
    };
    child->OnActivate = [Window, Log, caption](TObject*) {
        Log("mdi active " + caption);
        LogPlaces(Window, Log);
    };
    child->OnResize = [Window, child, Log, caption](TObject*) {
        if (child->GetWindowState() != wsMaximized) return;
        Log("mdi maximised " + caption);
        // The frame shows the control buttons once the child's own handling is done.
        if (auto* later = dynamic_cast<TTimer*>(Window->FindComponent("tmPlaces")))
            later->SetEnabled(true);
    };
    child->Show();
    Log("mdi new " + caption);
    if (frame->TitleBar() && frame->TitleBar()->Showing()) {
        TskTitleBar* bar = frame->TitleBar();
        const TPoint middle = bar->ClientToScreen({bar->GetWidth() / 3, bar->GetHeight() / 2});
        Log("mdi title " + caption + " " + std::to_string(middle.x) + " " +
            std::to_string(middle.y));
    }
}

TMenuItem* AddItem(TMenuItem* Parent, TComponent* Owner, const std::string& Caption,
                   std::function<void()> Action = nullptr) {
    auto* item = new TMenuItem(Owner);
    item->SetCaption(Caption);
    if (Action) item->OnClick = [Action](TObject*) { Action(); };
    Parent->Add(item);
    return item;
}

TForm* MakeWindow(TComponent* Owner, const std::function<void(const std::string&)>& Log) {
    auto* window = new TForm(Owner);
    window->SetName(kWindowName);
    window->SetCaption("MDI window");
    window->SetBorderStyle(bsDialog);
    window->SetBounds(180, 120, 620, 460);
    window->SetFormStyle(fsMDIForm);
    auto* menu = new TskMainMenu(window);
    menu->SetName("mmMdi");
    TMenuItem* file = AddItem(menu->GetItems(), window, "&File");
    AddItem(file, window, "&New child", [window, Log] { NewChild(window, Log); })
        ->SetShortCut(ShortCut('N', ssCtrl));
    AddItem(file, window, "&Close", [window] {
        if (TCustomForm* child = window->ActiveMDIChild()) child->Close();
    });
    TMenuItem* windows = AddItem(menu->GetItems(), window, "&Window");
    AddItem(windows, window, "&Tile", [window] { window->Tile(); });
    AddItem(windows, window, "&Cascade", [window] { window->Cascade(); });
    window->SetWindowMenu(windows);
    menu->MenuAdded();  // its drop-down items drawn in the skin
    auto* skin = new TskMDIForm(window);
    skin->SetName("smMdi");
    skin->SetMenu(menu);
    auto* later = new TTimer(window);
    later->SetName("tmPlaces");
    later->SetEnabled(false);
    later->SetInterval(50);
    later->OnTimer = [window, later, Log](TObject*) {
        later->SetEnabled(false);
        LogPlaces(window, Log);
        Log("mdi placed");
    };
    // Every change of the children may move the buttons a test clicks.
    window->OnActivate = [window, Log](TObject*) { LogPlaces(window, Log); };
    return window;
}

}  // namespace

void OpenMdiWindow(TComponent* Owner, TskUIStyle Style, TskFileTheme* Theme,
                   const std::function<void(const std::string&)>& Log) {
    auto* window = dynamic_cast<TForm*>(Owner->FindComponent(kWindowName));
    if (!window) window = MakeWindow(Owner, Log);
    ApplyStyle(window, Style, Theme);
    window->Show();
    Log("mdi shown");
    LogPlaces(window, Log);
}

void RestyleMdiWindow(TComponent* Owner, TskUIStyle Style, TskFileTheme* Theme) {
    if (auto* window = dynamic_cast<TForm*>(Owner->FindComponent(kWindowName)))
        ApplyStyle(window, Style, Theme);
}

void LogMdiPlaces(TComponent* Owner, const std::function<void(const std::string&)>& Log) {
    if (auto* window = dynamic_cast<TForm*>(Owner->FindComponent(kWindowName)))
        LogPlaces(window, Log);
}
