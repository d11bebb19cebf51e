// The gallery's section of actions: one action list whose actions drive a skinned button, a
// skinned menu item and a tool button together. "Pin" is a toggle that checks all three;
// "Save" is enabled by its update handler only while Pin is checked.
#include <string>

#include "Source/buttons/SKButton.h"
#include "Source/edits/SKToolBar.h"
#include "Source/frame/SKPopupMenu.h"
#include "Source/gallery/GallerySection.h"
#include "platform/vcl/actions/ActionList.h"
#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/menus/MenuItem.h"

namespace {

// A 16 x 16 yellow pin head and a blue disk, each with a dark edge.
TImageList* ActionImages(TComponent* Owner) {
    auto* images = new TImageList(Owner);
    images->SetName("imgActions");
    images->SetWidth(16);
    images->SetHeight(16);
    for (const TColor colour : {0x20C8F0, 0xB05020}) {
        TBitmap square(16, 16);
        square.Image().Fill(0x303030);
        for (int y = 2; y < 14; ++y)
            for (int x = 2; x < 14; ++x) square.Image().SetPixel(x, y, colour);
        images->Add(&square);
    }
    return images;
}

TAction* NewAction(TActionList* List, const char* Name, const char* Caption, int Image,
                   TShortCut Key) {
    auto* action = new TAction(List->Owner());
    action->SetName(Name);
    action->SetCaption(Caption);
    action->SetImageIndex(Image);
    action->SetShortCut(Key);
    action->SetActionList(List);
    return action;
}

}  // namespace

TGallerySection ActionsSection() {
    return {"Actions: button, menu item and tool button", 300, 110, [](TGalleryPage& page) {
                const auto log = page.Logger();
                auto* pinButton = page.Add<TskButton>("btnActPin", 10, 0);
                TComponent* owner = pinButton->Owner();
                auto* list = new TActionList(owner);
                list->SetName("alGallery");
                list->SetImages(ActionImages(owner));
                TAction* pin = NewAction(list, "actPin", "&Pin", 0, ShortCut('P', ssCtrl));
                pin->SetAutoCheck(true);
                pin->SetHint("Pins the gallery");
                pin->OnExecute = [log, pin](TObject*) {
                    log(std::string("action pin ") + (pin->GetChecked() ? "on" : "off"));
                };
                TAction* save = NewAction(list, "actSave", "Sa&ve", 1, ShortCut('E', ssCtrl));
                save->OnExecute = [log](TObject*) { log("action save"); };
                save->OnUpdate = [save, pin](TObject*) { save->SetEnabled(pin->GetChecked()); };

                pinButton->SetWidth(80);
                pinButton->SetAction(pin);
                auto* saveButton = page.Add<TskButton>("btnActSave", 100, 0);
                saveButton->SetWidth(80);
                saveButton->SetAction(save);

                auto* menu = new TskPopupMenu(owner);
                menu->SetName("pmActions");
                for (TAction* action : {pin, save}) {
                    auto* item = new TMenuItem(owner);
                    item->SetName(std::string("mi") + (action == pin ? "ActPin" : "ActSave"));
                    item->SetAction(action);
                    menu->GetItems()->Add(item);
                }
                auto* menuButton = page.Add<TskButton>("btnActMenu", 190, 0);
                menuButton->SetWidth(80);
                menuButton->SetCaption("&Actions");
                menuButton->OnClick = [log, menu, menuButton](TObject*) {
                    log("actions menu");
                    const TPoint p = menuButton->ClientToScreen({0, menuButton->GetHeight()});
                    menu->Popup(p.x, p.y);
                };

                auto* bar = page.Add<TskToolBar>("tbActions", 10, 34);
                bar->SetAlign(alNone);
                bar->SetBounds(10, 34 + page.TopMargin(), 260, 40);
                bar->SetShowCaptions(true);
                bar->SetImages(list->GetImages());
                for (TAction* action : {pin, save}) {
                    auto* button = new TToolButton(owner);
                    button->SetName(std::string("tb") + (action == pin ? "ActPin" : "ActSave"));
                    if (action == pin) button->SetStyle(tbsCheck);
                    button->SetLeft(10000);
                    button->SetParent(bar);
                    button->SetAction(action);
                }
            }};
}
