// The gallery's sections of links, progress bars, the tool bar and the notification, and of
// group boxes with check and radio groups.
#include <string>

#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKGroupBox.h"
#include "Source/buttons/SKRadioGroup.h"
#include "Source/edits/SKProgressBar.h"
#include "Source/edits/SKToolBar.h"
#include "Source/edits/SKURLLabel.h"
#include "Source/frame/SKMSNPopForm.h"
#include "Source/gallery/GallerySection.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/menus/PopupMenu.h"

namespace {

std::string NameOf(TObject* Sender) {
    auto* component = dynamic_cast<TComponent*>(Sender);
    return component ? component->GetName() : std::string("?");
}

// Three 16 x 16 images: a red, a green and a blue square with a dark edge.
TImageList* ToolImages(TComponent* Owner) {
    auto* images = new TImageList(Owner);
    images->SetWidth(16);
    images->SetHeight(16);
    for (const TColor colour : {0x2020C0, 0x20A020, 0xC04020}) {
        TBitmap square(16, 16);
        square.Image().Fill(0x404040);
        for (int y = 2; y < 14; ++y)
            for (int x = 2; x < 14; ++x) square.Image().SetPixel(x, y, colour);
        images->Add(&square);
    }
    return images;
}

void AddToolBar(TGalleryPage& page) {
    const auto log = page.Logger();
    auto* bar = page.Add<TskToolBar>("tbMain", 10, 70);
    bar->SetAlign(alNone);
    bar->SetBounds(10, 70 + page.TopMargin(), 210, 40);
    bar->SetShowCaptions(true);
    bar->SetShowHint(true);
    bar->SetImages(ToolImages(bar));
    auto* menu = new TPopupMenu(bar);
    for (const char* caption : {"&Refresh", "&Clear"}) {
        auto* item = new TMenuItem(bar);
        item->SetCaption(caption);
        item->OnClick = [log, caption](TObject*) { log(std::string("menu ") + caption); };
        menu->GetItems()->Add(item);
    }
    struct Button {
        const char* name;
        const char* caption;
        TToolButtonStyle style;
        int image;
    };
    const Button buttons[] = {{"tbNew", "&New", tbsButton, 0},
                              {"tbOpen", "&Open", tbsButton, 1},
                              {"tbSep", "", tbsSeparator, -1},
                              {"tbBold", "&Bold", tbsCheck, 2},
                              {"tbMore", "&More", tbsDropDown, 0}};
    for (const Button& b : buttons) {
        auto* button = new TToolButton(bar);
        button->SetName(b.name);
        button->SetStyle(b.style);
        button->SetCaption(b.caption);
        button->SetImageIndex(b.image);
        button->SetHint(std::string(b.caption).erase(0, 1) + " button");
        button->SetLeft(10000);
        button->SetParent(bar);
        button->OnClick = [log](TObject* s) { log("click " + NameOf(s)); };
        if (b.style == tbsDropDown) button->SetDropdownMenu(menu);
    }
}

}  // namespace

TGallerySection BarsSection() {
    return {"Links, progress, tool bar, notification", 300, 180, [](TGalleryPage& page) {
                const auto log = page.Logger();
                auto* link = page.Add<TskURLLabel>("lnkSkin", 10, 0);
                link->SetCaption("The Brontide skin library");
                link->SetURL("https://brontide.example/skin/");
                link->OnClick = [log](TObject* s) { log("click " + NameOf(s)); };

                auto* thin = page.Add<TskProgressBar>("pbThin", 10, 22);
                thin->SetWidth(200);
                thin->SetPosition(35);
                auto* wide = page.Add<TskProgressBar>("pbWide", 10, 40);
                wide->SetBounds(10, wide->GetTop(), 200, 20);
                wide->SetPosition(70);
                auto* vertical = page.Add<TskProgressBar>("pbVertical", 230, 0);
                vertical->SetBounds(230, vertical->GetTop(), 100, 12);
                vertical->SetPosition(60);
                vertical->SetOrientation(skVertical);
                auto* step = page.Add<TskButton>("btnStep", 250, 0);
                step->SetBounds(250, step->GetTop(), 40, 25);
                step->SetCaption("+10");
                step->OnClick = [log, thin, wide, vertical](TObject*) {
                    for (TskProgressBar* bar : {thin, wide, vertical})
                        bar->SetPosition(bar->GetPosition() >= 100 ? 0 : bar->GetPosition() + 10);
                    log("progress " + thin->CaptionText());
                };

                AddToolBar(page);

                auto* pop = new TskMSNPopForm(page.Panel());
                pop->SetName("popNotice");
                pop->SetTitle("Quorvane");
                pop->SetMessageText("A notice that slides up, stays a while and goes.");
                pop->OnClose = [log](TObject*) { log("notification closed"); };
                pop->OnClick = [log](TObject*) { log("notification clicked"); };
                auto* notify = page.Add<TskButton>("btnNotify", 10, 120);
                notify->SetCaption("&Notify");
                notify->OnClick = [log, pop](TObject*) {
                    pop->Popup();
                    log("notification shown");
                };
            }};
}

TGallerySection GroupsSection() {
    return {"Group boxes, check and radio groups", 300, 170, [](TGalleryPage& page) {
                const auto log = page.Logger();
                auto* box = page.Add<TskGroupBox>("gbPlain", 10, 0);
                box->SetBounds(10, box->GetTop(), 90, 70);
                box->SetCaption("Group box");
                auto* checks = page.Add<TskCheckGroup>("cgShow", 110, 0);
                checks->SetBounds(110, checks->GetTop(), 180, 70);
                checks->SetCaption("Show");
                checks->SetColumns(2);
                for (const char* item : {"Commands", "Keywords", "Samples", "Notes"})
                    checks->GetItems()->Add(item);
                checks->SetItemEnabled(3, false);
                checks->OnClick = [log, checks](TObject*) {
                    std::string state;
                    for (int i = 0; i < checks->ButtonCount(); ++i)
                        state += checks->GetChecked(i) ? '1' : '0';
                    log("checks " + state);
                };
                auto* radios = page.Add<TskRadioGroup>("rgFilter", 10, 75);
                radios->SetBounds(10, radios->GetTop(), 280, 60);
                radios->SetCaption("Filter");
                radios->SetColumns(2);
                for (const char* item : {"All", "Commands", "Keywords"})
                    radios->GetItems()->Add(item);
                radios->SetItemIndex(0);
                radios->OnClick = [log, radios](TObject*) {
                    log("filter " + std::to_string(radios->GetItemIndex()));
                };
            }};
}
