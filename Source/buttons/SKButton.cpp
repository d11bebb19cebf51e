#include "Source/buttons/SKButton.h"

#include "Source/theme/SKControlTheme.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/actions/ActionList.h"
#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/win/Windows.h"

const TEnumInfo& TButtonLayoutInfo() {
    static const TEnumInfo info{"TButtonLayout",
                                {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
    return info;
}

const TClassInfo& TskButton::StaticClassInfo() {
    using C = TskButton;
    static const TClassInfo info =
        TClassBuilder<C>("TskButton")
            .Persistent("Glyph", [](C& c) { return c.GetGlyph(); })
            .Stored([](C& c) { return !c.GetGlyph()->GetEmpty(); })
            .Enum("Layout", TButtonLayoutInfo(), &C::GetLayout, &C::SetLayout, blGlyphLeft)
            .Integer("Spacing", &C::GetSpacing, &C::SetSpacing, 4)
            .Build();
    return info;
}

TskButton::TskButton(TComponent* AOwner)
    : TskCustomButton(AOwner), m_glyph(std::make_unique<TBitmap>()) {
    m_glyph->OnChange = [this](TObject*) { Invalidate(); };
    SetHeight(27);
    SetWidth(80);
    // The base constructor's style could not reach this class's reaction to it.
    UIStyleChanged();
}

TskButton::~TskButton() = default;

void TskButton::SetGlyph(const TBitmap* Value) {
    m_glyph->Assign(Value);
    Invalidate();
}

void TskButton::ActionChange(TObject* Sender, bool CheckDefaults) {
    TskCustomButton::ActionChange(Sender, CheckDefaults);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action || !m_glyph->GetEmpty()) return;
    TActionList* list = action->GetActionList();
    TImageList* images = list ? list->GetImages() : nullptr;
    const int index = action->GetImageIndex();
    if (!images || index < 0 || index >= images->Count()) return;
    images->GetBitmap(index, m_glyph.get());
    Invalidate();
}

void TskButton::SetLayout(TButtonLayout Value) {
    m_layout = Value;
    Invalidate();
}

void TskButton::SetSpacing(int Value) {
    m_spacing = Value;
    Invalidate();
}

void TskButton::UIStyleChanged() {
    SetTransparent(
        GetControlThemeBool(GetFileTheme(), GetUIStyle(), SkItem::ButtonTransparentBool));
}

void TskButton::PaintPic(TCanvas* Canvas, TBitmap* Bitmap) {
    Canvas->SetFont(GetFont());
    SpitDraw(Bitmap, Canvas, GetClientRect(), GetPicTransparent());
    if (m_glyph->GetEmpty()) return;

    const std::string caption = GetCaption();
    const int TW = Canvas->TextWidth(caption);
    const int TH = Canvas->TextHeight(caption);
    int GW = m_glyph->GetWidth();
    const int GH = m_glyph->GetHeight();
    const bool twoFrames = GH * 2 == GW;
    if (twoFrames) GW = GH;
    const int W = GetWidth();
    const int H = GetHeight();
    int GX = 0, GY = 0, CX = 0, CY = 0;
    switch (m_layout) {
        case blGlyphLeft:
            GX = (W - (TW + GW + m_spacing)) / 2;
            GY = (H - GH) / 2;
            CX = GX + GW + m_spacing;
            CY = (H - TH) / 2;
            break;
        case blGlyphRight:
            GX = (W + TW + m_spacing - GW) / 2;
            GY = (H - GH) / 2;
            CX = GX - TW - m_spacing;
            CY = (H - TH) / 2;
            break;
        case blGlyphTop:
            GX = (W - GW) / 2;
            GY = (H - (TH + GH + m_spacing)) / 2;
            CX = (W - TW) / 2;
            CY = GY + GH + m_spacing;
            break;
        case blGlyphBottom:
            GX = (W - GW) / 2;
            GY = (H + TH + m_spacing - GH) / 2;
            CX = (W - TW) / 2;
            CY = GY - TH - m_spacing;
            break;
    }
    m_captionPos = {CX, CY};
    if (Pressed()) {
        ++GX;
        ++GY;
    }

    TImageList images(nullptr);
    images.SetWidth(GW);
    images.SetHeight(GH);
    images.AddMasked(m_glyph.get(), m_glyph->GetCanvas()->GetPixel(0, 0));
    if (twoFrames)
        images.Draw(Canvas, GX, GY, GetEnabled() ? 0 : 1, true);
    else
        images.Draw(Canvas, GX, GY, 0, GetEnabled());
}

void TskButton::PaintText(TCanvas* Canvas, const std::string& Text) {
    if (m_glyph->GetEmpty()) {
        TskCustomButton::PaintText(Canvas, Text);
        return;
    }
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->SetFont(GetFont());
    TPoint pos = m_captionPos;
    const unsigned flags = DT_SINGLELINE | DT_LEFT | DT_TOP;
    if (GetEnabled() && Pressed()) pos = {pos.x + 1, pos.y + 1};
    if (!GetEnabled()) {
        TRect shadow{pos.x + 1, pos.y + 1, GetWidth(), GetHeight()};
        Canvas->GetFont()->SetColor(clWhite);
        Canvas->DrawText(Text, shadow, flags);
        Canvas->GetFont()->SetColor(0x808080);
    }
    TRect rect{pos.x, pos.y, GetWidth(), GetHeight()};
    Canvas->DrawText(Text, rect, flags);
    m_boldCaption = false;
}

void TskButton::PaintFocus(TCanvas* Canvas) {
    const TskUIStyle rules = DrawingRulesStyle(GetFileTheme(), GetUIStyle());
    if (rules == MacOS || rules == BlueGlass)
        m_boldCaption = true;
    else
        TskCustomButton::PaintFocus(Canvas);
}
