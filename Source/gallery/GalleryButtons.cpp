// The gallery's sections of buttons, check boxes, radio buttons and panels.
#include <algorithm>
#include <string>

#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKCheckBox.h"
#include "Source/buttons/SKImageButton.h"
#include "Source/buttons/SKImagePanel.h"
#include "Source/buttons/SKPanel.h"
#include "Source/gallery/GallerySection.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Picture.h"

namespace {

std::string NameOf(TObject* Sender) {
    auto* component = dynamic_cast<TComponent*>(Sender);
    return component ? component->GetName() : std::string("?");
}

// A small picture with a coloured diagonal on a keyed background, for glyphs.
void Glyph(TBitmap& glyph, TColor Color) {
    glyph.SetSize(16, 16);
    glyph.Image().Fill(0xFF00FF);
    for (int i = 2; i < 14; ++i)
        for (int w = -1; w <= 1; ++w) glyph.Image().SetPixel(i, std::clamp(i + w, 0, 15), Color);
}

// A framed block of colour, for the image button's pictures and the panel's tile.
void Block(TBitmap& block, int Width, int Height, TColor Color, TColor Edge) {
    block.SetSize(Width, Height);
    block.Image().Fill(Color);
    for (int x = 0; x < Width; ++x) {
        block.Image().SetPixel(x, 0, Edge);
        block.Image().SetPixel(x, Height - 1, Edge);
    }
    for (int y = 0; y < Height; ++y) {
        block.Image().SetPixel(0, y, Edge);
        block.Image().SetPixel(Width - 1, y, Edge);
    }
}

}  // namespace

TGallerySection PushButtonsSection() {
    return {"Push buttons", 300, 150, [](TGalleryPage& page) {
                const auto log = page.Logger();
                auto click = [log](TObject* s) { log("click " + NameOf(s)); };
                auto* ok = page.Add<TskButton>("btnOK", 10, 0);
                ok->SetCaption("&OK");
                ok->SetDefault(true);
                ok->OnClick = click;
                auto* cancel = page.Add<TskButton>("btnCancel", 100, 0);
                cancel->SetCaption("Cancel");
                cancel->SetCancel(true);
                cancel->OnClick = click;
                auto* disabled = page.Add<TskButton>("btnDisabled", 190, 0);
                disabled->SetCaption("Disabled");
                disabled->SetEnabled(false);
                auto* repeat = page.Add<TskButton>("btnRepeat", 10, 36);
                repeat->SetCaption("&Hold me");
                repeat->OnClick = click;
                repeat->OnMouseContinuouslyDown = [log](TObject* s) { log("repeat " + NameOf(s)); };
                auto* glyph = page.Add<TskButton>("btnGlyph", 100, 36);
                glyph->SetCaption("Glyph");
                TBitmap picture;
                Glyph(picture, 0x008000);
                glyph->SetGlyph(&picture);
                glyph->OnClick = click;
                auto* sized = page.Add<TskButton>("btnAutoSize", 190, 36);
                sized->SetCaption("Auto");
                sized->SetAutoSize(true);
                sized->OnClick = click;
            }};
}

TGallerySection CheckBoxesSection() {
    return {"Check boxes and radio buttons", 300, 150, [](TGalleryPage& page) {
                const auto log = page.Logger();
                auto report = [log](TObject* s) {
                    auto* box = dynamic_cast<TskCheckBox*>(s);
                    log("check " + NameOf(s) + (box && box->GetChecked() ? " on" : " off"));
                };
                const char* checks[] = {"&Command", "&Keyword"};
                for (int i = 0; i < 2; ++i) {
                    auto* box = page.Add<TskCheckBox>("chk" + std::to_string(i + 1), 10, i * 26);
                    box->SetCaption(checks[i]);
                    box->SetTransparent(true);
                    box->OnClick = report;
                }
                auto* off = page.Add<TskCheckBox>("chkDisabled", 10, 52);
                off->SetCaption("Disabled");
                off->SetChecked(true);
                off->SetEnabled(false);
                const char* radios[] = {"&All", "Co&mmands", "Key&words"};
                for (int i = 0; i < 3; ++i) {
                    auto* radio =
                        page.Add<TskRadioButton>("rbtn" + std::to_string(i + 1), 150, i * 26);
                    radio->SetCaption(radios[i]);
                    radio->SetTransparent(true);
                    radio->SetChecked(i == 0);
                    radio->OnClick = [log](TObject* s) { log("radio " + NameOf(s)); };
                }
            }};
}

TGallerySection PictureButtonsSection() {
    return {"Picture buttons", 300, 110, [](TGalleryPage& page) {
                const auto log = page.Logger();
                auto click = [log](TObject* s) { log("click " + NameOf(s)); };
                auto* image = page.Add<TskImageButton>("btnImage", 10, 0);
                TBitmap normal, hover, down;
                Block(normal, 40, 24, 0xE0C090, 0x806020);
                Block(hover, 40, 24, 0xF0E0B0, 0x806020);
                Block(down, 40, 24, 0xB09060, 0x402000);
                image->GetPicNormal()->SetBitmap(&normal);
                image->GetPicMouseOn()->SetBitmap(&hover);
                image->GetPicMouseDown()->SetBitmap(&down);
                image->SetAutoSize(true);
                image->SetCaption("Image");
                image->OnClick = click;
                auto* control = page.Add<TskControlButton>("btnControl", 70, 0);
                control->SetCaption("");  // a name becomes the caption of a new control
                control->SetThemeID(5);   // the title bar's buttons
                control->SetPicCount(18);
                control->SetPicIndex(4);
                control->SetPicTransparent(true);
                control->OnClick = click;
                auto* up = page.Add<TskArrowButton>("btnUp", 110, 0);
                up->SetBounds(up->GetLeft(), up->GetTop(), 16, 10);
                up->OnClick = click;
                auto* downArrow = page.Add<TskArrowButton>("btnDown", 110, 11);
                downArrow->SetBounds(downArrow->GetLeft(), downArrow->GetTop(), 16, 10);
                downArrow->SetArrow(skDown);
                downArrow->OnClick = click;
                auto* speed = page.Add<TskToolBarSpeedButton>("btnSpeed", 140, 2);
                TBitmap glyph;
                Glyph(glyph, 0x0000C0);
                speed->SetGlyph(&glyph);
                speed->SetColor(0xEFEFEF);
                speed->OnClick = click;
            }};
}

TGallerySection PanelsSection() {
    return {"Panels", 300, 150, [](TGalleryPage& page) {
                const auto log = page.Logger();
                auto* picture = page.Add<TskImagePanel>("pnlImage", 10, 0);
                picture->SetBounds(picture->GetLeft(), picture->GetTop(), 120, 60);
                TBitmap tile;
                Block(tile, 12, 12, 0xF0D0C0, 0xC08060);
                picture->GetPicture()->SetBitmap(&tile);
                picture->SetDrawStyle(skTile);
                picture->SetCaption("Tiled picture");
                auto* titled = page.Add<TskPanel>("pnlTitle", 140, 0);
                titled->SetBounds(titled->GetLeft(), titled->GetTop(), 140, 100);
                titled->SetCaption("Title panel");
                titled->OnPush = [log](TObject* s) { log("push " + NameOf(s)); };
                titled->OnPop = [log](TObject* s) { log("pop " + NameOf(s)); };
                auto* inside = page.Add<TskButton>("btnInPanel", 0, 0);
                inside->SetCaption("Inside");
                inside->SetBounds(20, titled->TitleHeight() + 20, 80, 27);
                inside->SetParent(titled);
                inside->OnClick = [log](TObject* s) { log("click " + NameOf(s)); };
            }};
}
