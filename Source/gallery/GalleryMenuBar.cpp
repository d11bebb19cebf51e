// The gallery's section of the skinned main menu: a button that opens a small window
// wearing the skinned frame, in the gallery's style, with a main menu in its menu bar
// (shortcuts, a checked item, a disabled one, separators and a submenu). Choosing an item
// prints a line to the log.
#include <string>

#include "Source/buttons/SKButton.h"
#include "Source/frame/SKForm.h"
#include "Source/frame/SKMainMenu.h"
#include "Source/frame/SKMenuBar.h"
#include "Source/gallery/GallerySection.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/stdctrls/Label.h"

namespace {

using LogFunction = std::function<void(const std::string&)>;

TMenuItem* AddItem(TMenuItem* Parent, TComponent* Owner, const LogFunction& Log,
                   const std::string& Caption, TShortCut Keys = 0) {
    auto* item = new TMenuItem(Owner);
    item->SetCaption(Caption);
    item->SetShortCut(Keys);
    if (Caption != "-")
        item->OnClick = [Log, item](TObject*) {
            // A menu that opens a submenu is clicked too, before it opens: only leaves count.
            if (item->Count() == 0) Log("menubar " + StripHotkey(item->GetCaption()));
        };
    Parent->Add(item);
    return item;
}

void BuildMenu(TskMainMenu* Menu, TComponent* Owner, const LogFunction& Log) {
    TMenuItem* root = Menu->GetItems();
    TMenuItem* file = AddItem(root, Owner, Log, "&File");
    AddItem(file, Owner, Log, "&New", ShortCut('N', ssCtrl));
    AddItem(file, Owner, Log, "&Open...", ShortCut('O', ssCtrl));
    AddItem(file, Owner, Log, "&Save", ShortCut('S', ssCtrl))->SetEnabled(false);
    AddItem(file, Owner, Log, "-");
    TMenuItem* recent = AddItem(file, Owner, Log, "&Recent");
    AddItem(recent, Owner, Log, "&1 quorvane.dat");
    AddItem(recent, Owner, Log, "&2 gallery.skn");
    AddItem(file, Owner, Log, "-");
    AddItem(file, Owner, Log, "E&xit");
    TMenuItem* edit = AddItem(root, Owner, Log, "&Edit");
    AddItem(edit, Owner, Log, "&Undo", ShortCut('Z', ssCtrl))->SetEnabled(false);
    AddItem(edit, Owner, Log, "-");
    AddItem(edit, Owner, Log, "Cu&t", ShortCut('X', ssCtrl));
    AddItem(edit, Owner, Log, "&Copy", ShortCut('C', ssCtrl));
    AddItem(edit, Owner, Log, "&Paste", ShortCut('V', ssCtrl));
    AddItem(edit, Owner, Log, "-");
    TMenuItem* wrap = AddItem(edit, Owner, Log, "&Word wrap");
    wrap->SetChecked(true);
    wrap->SetAutoCheck(true);
    TMenuItem* help = AddItem(root, Owner, Log, "&Help");
    AddItem(help, Owner, Log, "&Contents", ShortCut(VK_F1, 0));
    AddItem(help, Owner, Log, "&About...");
}

TForm* MakeWindow(TComponent* Owner, const LogFunction& Log) {
    auto* window = new TForm(Owner);
    window->SetName("fmMenuBar");
    window->SetBorderStyle(bsDialog);
    window->SetBounds(300, 200, 360, 200);
    window->SetCaption("Main menu");
    auto* frame = new TskForm(window);
    frame->SetName("sfMenuBar");
    auto* menu = new TskMainMenu(window);
    menu->SetName("mmMenuBar");
    BuildMenu(menu, window, Log);
    menu->AfterConstruction();  // gives the menu to the frame, as a description would
    auto* label = new TLabel(window);
    label->SetName("lblMenuBar");
    label->SetCaption("Open a menu with the mouse, Alt or Alt+F.");
    label->SetTransparent(true);
    label->SetBounds(16, frame->GetTitleBarHeight() + 40, 320, 16);
    label->SetParent(frame);
    window->OnClose = [Log](TObject*, TCloseAction&) { Log("menubar closed"); };
    return window;
}

// The window takes the gallery's style each time it is shown.
void FollowGalleryStyle(TComponent* Owner, TskForm* Frame) {
    for (int i = 0; i < Owner->ComponentCount(); ++i)
        if (auto* gallery = dynamic_cast<TskForm*>(Owner->Components(i))) {
            Frame->SetFileTheme(gallery->GetFileTheme());
            Frame->SetUIStyle(gallery->GetUIStyle());
            return;
        }
}

}  // namespace

TGallerySection MenuBarSection() {
    return {"Main menu", 300, 60, [](TGalleryPage& Page) {
                const auto log = Page.Logger();
                auto* owner = dynamic_cast<TComponent*>(Page.Panel()->GetOwner());
                auto* button = Page.Add<TskButton>("btnMenuBar", 10, 0);
                button->SetCaption("Menu &bar");
                button->OnClick = [log, owner](TObject*) {
                    auto* window = dynamic_cast<TForm*>(owner->FindComponent("fmMenuBar"));
                    if (!window) window = MakeWindow(owner, log);
                    auto* frame = dynamic_cast<TskForm*>(window->FindComponent("sfMenuBar"));
                    FollowGalleryStyle(owner, frame);
                    window->Show();
                    log("menubar shown");
                    // Where each bar button's middle lies, for a test to click it.
                    TskMenuBar* bar = frame->MenuBar();
                    for (int i = 0; i < bar->ButtonCount(); ++i) {
                        TToolButton* b = bar->Buttons(i);
                        const TPoint p =
                            bar->ClientToScreen({b->GetLeft() + b->GetWidth() / 2,
                                                 b->GetTop() + b->GetHeight() / 2});
                        log("menubar place " + StripHotkey(b->GetCaption()) + " " +
                            std::to_string(p.x) + " " + std::to_string(p.y));
                    }
                };
            }};
}
