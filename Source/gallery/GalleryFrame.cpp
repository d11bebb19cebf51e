// The gallery's section of the skinned frame: a title bar of its own pictures and buttons,
// a skinned popup menu, and a window that wears the skinned frame with round corners.
#include <string>

#include "Source/buttons/SKButton.h"
#include "Source/frame/SKForm.h"
#include "Source/frame/SKPopupMenu.h"
#include "Source/frame/SKTitleBar.h"
#include "Source/gallery/GalleryRecords.h"
#include "Source/gallery/GallerySection.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"

namespace {

// A picture of one colour with a darker edge; Round draws a disc on magenta instead.
void Plate(TBitmap& Plate, int Width, int Height, TColor Color, TColor Edge, bool Round = false) {
    Plate.SetSize(Width, Height);
    TCanvas* canvas = Plate.GetCanvas();
    canvas->GetBrush()->SetColor(Round ? TColor{0xFF00FF} : Color);
    canvas->FillRect(Rect(0, 0, Width, Height));
    canvas->GetBrush()->SetColor(Color);
    canvas->GetPen()->SetColor(Edge);
    if (Round)
        canvas->Ellipse(Rect(1, 1, Width - 1, Height - 1));
    else
        canvas->Rectangle(Rect(0, 0, Width, Height));
}

void AddButton(TskTitleBar* Bar, TskTitleBarBtnType Type, TColor Color) {
    TskTitleBarButton* button = Bar->GetButtons()->Add();
    button->SetButtonType(Type);
    if (Type != skCustom) return;
    TBitmap normal, hover, down;
    Plate(normal, 16, 16, Color, 0x404040, true);
    Plate(hover, 16, 16, 0xFFFFFF, Color, true);
    Plate(down, 16, 16, 0x404040, Color, true);
    button->GetPicNormal()->SetBitmap(&normal);
    button->GetPicMouseOn()->SetBitmap(&hover);
    button->GetPicMouseDown()->SetBitmap(&down);
    button->SetTransparent(true);
}

// A bar of the gallery's own making: its pictures and buttons stay whatever the style.
void AddTitleBar(TGalleryPage& Page) {
    const auto log = Page.Logger();
    auto* bar = Page.Add<TskTitleBar>("tbCustom", 10, 0);
    bar->SetAlign(alNone);
    bar->GetButtons()->Clear();
    AddButton(bar, skCustom, 0x2060E0);
    AddButton(bar, skCustom, 0x20A040);
    AddButton(bar, skHelp, 0);
    TskTitleBarSections* sections = bar->GetSections();
    TBitmap left, right, client;
    Plate(left, 12, 24, 0x804020, 0x402010);
    Plate(right, 12, 24, 0x804020, 0x402010);
    Plate(client, 4, 24, 0xC08040, 0x804020);
    sections->GetItem(0)->GetPicture()->SetBitmap(&left);
    sections->GetItem(1)->GetPicture()->SetBitmap(&right);
    sections->GetItem(2)->GetPicture()->SetBitmap(&client);
    bar->SetCustom(true);
    bar->SetLeftBtnXOffset(4);
    bar->SetRightBtnXOffset(-4);
    bar->SetButtonInterval(2);
    bar->GetFont()->SetColor(0xFFFFFF);
    bar->SetCaption("A title bar of its own");
    bar->SetBounds(10, bar->GetTop(), 280, 22);
    bar->OnCustomBtnsClick = [log](TObject*, int index) {
        log("title custom " + std::to_string(index));
    };
    bar->OnHelpBtnClick = [log](TObject*, int index) {
        log("title help " + std::to_string(index));
    };
}

void AddPopupMenu(TGalleryPage& Page, TComponent* Owner) {
    const auto log = Page.Logger();
    auto* menu = new TskPopupMenu(Owner);
    menu->SetName("pmGallery");
    auto add = [&](const char* caption, bool enabled = true, bool checked = false) {
        auto* item = new TMenuItem(Owner);
        item->SetCaption(caption);
        item->SetEnabled(enabled);
        item->SetChecked(checked);
        item->OnClick = [log, caption](TObject*) { log(std::string("menu ") + caption); };
        menu->GetItems()->Add(item);
        return item;
    };
    add("&Open");
    add("&Save")->SetShortCut(ShortCut('S', ssCtrl));
    add("-");
    add("&Bold", true, true);
    add("&Print", false);
    auto* button = Page.Add<TskButton>("btnPopup", 10, 26);
    button->SetCaption("&Menu");
    button->OnClick = [menu, button](TObject*) {
        const TPoint p = button->ClientToScreen({0, button->GetHeight()});
        menu->Popup(p.x, p.y);
    };
}

// A window wearing the skinned frame in the WinXP style, whose top corners are round.
void AddFrameWindow(TGalleryPage& Page, TComponent* Owner) {
    const auto log = Page.Logger();
    auto* button = Page.Add<TskButton>("btnFrame", 100, 26);
    button->SetCaption("&Window");
    button->OnClick = [log, Owner](TObject*) {
        auto* window = dynamic_cast<TForm*>(Owner->FindComponent("fmSkinnedFrame"));
        if (!window) {
            window = new TForm(Owner);
            window->SetName("fmSkinnedFrame");
            window->SetBorderStyle(bsDialog);
            window->SetBounds(420, 260, 320, 180);
            window->SetCaption("Skinned frame");
            auto* frame = new TskForm(window);
            frame->SetName("sfFrame");
            frame->SetUIStyle(WinXP);
            window->OnClose = [log](TObject*, TCloseAction&) { log("frame closed"); };
        }
        window->Show();
        log("frame shown");
    };
}

// The records window over the demonstration database, with the data-aware controls.
void AddRecordsWindow(TGalleryPage& Page, TComponent* Owner) {
    const auto log = Page.Logger();
    auto* button = Page.Add<TskButton>("btnRecords", 190, 26);
    button->SetCaption("Records...");
    button->SetWidth(90);
    button->OnClick = [log, Owner](TObject*) { ShowSkinRecords(Owner, log); };
}

}  // namespace

TGallerySection FrameSection() {
    return {"Frame, title bar and menus", 300, 80, [](TGalleryPage& Page) {
                AddTitleBar(Page);
                auto* owner = dynamic_cast<TComponent*>(Page.Panel()->GetOwner());
                AddPopupMenu(Page, owner);
                AddFrameWindow(Page, owner);
                AddRecordsWindow(Page, owner);
            }};
}
