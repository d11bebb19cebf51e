#include "Source/buttons/SKImageButton.h"

#include <algorithm>

#include "Source/theme/SKControlTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/win/Windows.h"

const TClassInfo& TskImageButton::StaticClassInfo() {
    using C = TskImageButton;
    static const TClassInfo info =
        TClassBuilder<C>("TskImageButton")
            .Boolean("DrawFocused", &C::GetDrawFocused, &C::SetDrawFocused, false)
            .Persistent("PicNormal", [](C& c) { return c.GetPicNormal(); })
            .Persistent("PicMouseOn", [](C& c) { return c.GetPicMouseOn(); })
            .Persistent("PicMouseDown", [](C& c) { return c.GetPicMouseDown(); })
            .Persistent("PicDisabled", [](C& c) { return c.GetPicDisabled(); })
            .Boolean("Stretch", &C::GetStretch, &C::SetStretch, false)
            .Build();
    return info;
}

TskImageButton::TskImageButton(TComponent* AOwner)
    : TskCustomButton(AOwner),
      m_picNormal(std::make_unique<TPicture>()),
      m_picMouseOn(std::make_unique<TPicture>()),
      m_picMouseDown(std::make_unique<TPicture>()),
      m_picDisabled(std::make_unique<TPicture>()) {
    // Pictures filled in place repaint the button but leave its size alone.
    for (TPicture* p :
         {m_picNormal.get(), m_picMouseOn.get(), m_picMouseDown.get(), m_picDisabled.get()})
        p->OnChange = [this](TObject*) { Invalidate(); };
}

TskImageButton::~TskImageButton() = default;

void TskImageButton::SetPictureF(TPicture* Target, const TPicture* Value) {
    Target->Assign(Value);
    AutoSizeChanged();
    Invalidate();
}

void TskImageButton::SetPicNormalF(const TPicture* Value) {
    SetPictureF(m_picNormal.get(), Value);
}
void TskImageButton::SetPicMouseOnF(const TPicture* Value) {
    SetPictureF(m_picMouseOn.get(), Value);
}
void TskImageButton::SetPicMouseDownF(const TPicture* Value) {
    SetPictureF(m_picMouseDown.get(), Value);
}
void TskImageButton::SetPicDisabledF(const TPicture* Value) {
    SetPictureF(m_picDisabled.get(), Value);
}

void TskImageButton::SetStretch(bool Value) {
    m_stretch = Value;
    Invalidate();
}

void TskImageButton::SetDrawFocused(bool Value) {
    m_drawFocused = Value;
    Invalidate();
}

void TskImageButton::AutoSizeChanged() {
    const TGraphic* normal = m_picNormal->GetGraphic();
    if (!GetParent() || !GetAutoSize() || !normal || normal->GetEmpty()) return;
    SetBounds(GetLeft(), GetTop(), normal->GetWidth(), normal->GetHeight());
}

void TskImageButton::CopyPicture(const TPicture* Picture, TBitmap* Bitmap) const {
    const TGraphic* graphic = Picture->GetGraphic();
    if (!graphic || graphic->GetEmpty()) graphic = m_picNormal->GetGraphic();
    if (!graphic || graphic->GetEmpty()) return;
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(graphic)) {
        Bitmap->Assign(bitmap);
        return;
    }
    Bitmap->SetSize(graphic->GetWidth(), graphic->GetHeight());
    Bitmap->GetCanvas()->Draw(0, 0, const_cast<TGraphic*>(graphic));
}

void TskImageButton::PaintButtonNormal(TBitmap* Bitmap) {
    CopyPicture(m_picNormal.get(), Bitmap);
}
void TskImageButton::PaintButtonMouseOn(TBitmap* Bitmap) {
    CopyPicture(m_picMouseOn.get(), Bitmap);
}
void TskImageButton::PaintButtonMouseDown(TBitmap* Bitmap) {
    CopyPicture(m_picMouseDown.get(), Bitmap);
}
void TskImageButton::PaintButtonDisabled(TBitmap* Bitmap) {
    CopyPicture(m_picDisabled.get(), Bitmap);
}

void TskImageButton::PaintPic(TCanvas* Canvas, TBitmap* Bitmap) {
    if (Bitmap->GetWidth() == 0 || Bitmap->GetHeight() == 0) return;
    Bitmap->SetTransparentColor(Bitmap->GetCanvas()->GetPixel(0, 0));
    if (m_stretch)
        Canvas->StretchDraw({0, 0, GetWidth(), GetHeight()}, Bitmap);
    else
        Canvas->Draw(0, 0, Bitmap);
}

void TskImageButton::PaintFocus(TCanvas* Canvas) {
    if (m_drawFocused) TskCustomButton::PaintFocus(Canvas);
}

const TClassInfo& TskControlButton::StaticClassInfo() {
    using C = TskControlButton;
    static const TClassInfo info =
        TClassBuilder<C>("TskControlButton")
            .Integer("ThemeID", &C::GetThemeID, &C::SetThemeID, 0)
            .Integer("PicIndex", &C::GetPicIndex, &C::SetPicIndex, 0)
            .Integer("PicCount", &C::GetPicCount, &C::SetPicCount, 0)
            .Boolean("PicTransparent", &C::GetPicTransparent, &C::SetPicTransparent, false)
            .Build();
    return info;
}

TskControlButton::TskControlButton(TComponent* AOwner) : TskCustomButton(AOwner) {
    SetTabStop(false);
    SetUIStyle(DeepBlue);
    SetFileTheme(nullptr);
}

void TskControlButton::SetPicIndex(int Value) {
    m_picIndex = Value;
    SettleSize();
    Invalidate();
}

void TskControlButton::SetPicCount(int Value) {
    m_picCount = Value;
    SettleSize();
    Invalidate();
}

void TskControlButton::SetThemeID(int Value) {
    m_themeID = Value;
    SettleSize();
    Invalidate();
}

void TskControlButton::UIStyleChanged() {
    SettleSize();
}

void TskControlButton::Frame(int Index, TBitmap* Bitmap) {
    if (m_themeID < 1 || m_themeID > SK_ITEM_COUNT) return;
    PaintButton(m_themeID, m_picCount, Index, Bitmap);
}

void TskControlButton::SettleSize() {
    TBitmap frame;
    try {
        Frame(m_picIndex, &frame);
    } catch (const std::exception&) {
        return;
    }
    if (!frame.GetEmpty()) SetBounds(GetLeft(), GetTop(), frame.GetWidth(), frame.GetHeight());
}

void TskControlButton::PaintButtonNormal(TBitmap* Bitmap) {
    Frame(m_picIndex, Bitmap);
    if (!Bitmap->GetEmpty())
        SetBounds(GetLeft(), GetTop(), Bitmap->GetWidth(), Bitmap->GetHeight());
}
void TskControlButton::PaintButtonMouseOn(TBitmap* Bitmap) {
    Frame(m_picIndex + 1, Bitmap);
}
void TskControlButton::PaintButtonMouseDown(TBitmap* Bitmap) {
    Frame(m_picIndex, Bitmap);
}
void TskControlButton::PaintButtonDisabled(TBitmap* Bitmap) {
    Frame(m_picIndex, Bitmap);
}

void TskControlButton::PaintPic(TCanvas* Canvas, TBitmap* Bitmap) {
    if (Bitmap->GetWidth() == 0 || Bitmap->GetHeight() == 0) return;
    Bitmap->SetTransparentColor(Bitmap->GetCanvas()->GetPixel(0, 0));
    Canvas->Draw(0, 0, Bitmap);
    SetBounds(GetLeft(), GetTop(), Bitmap->GetWidth(), Bitmap->GetHeight());
}

const TEnumInfo& TskArrowButtonTypeInfo() {
    static const TEnumInfo info{"TskArrowButtonType", {"skUp", "skDown"}};
    return info;
}

const TClassInfo& TskArrowButton::StaticClassInfo() {
    using C = TskArrowButton;
    static const TClassInfo info =
        TClassBuilder<C>("TskArrowButton")
            .Enum("Arrow", TskArrowButtonTypeInfo(), &C::GetArrow, &C::SetArrow, skUp)
            .Build();
    return info;
}

TskArrowButton::TskArrowButton(TComponent* AOwner) : TskCustomButton(AOwner) {
    // The base constructor's style could not reach this class's reaction to it.
    UIStyleChanged();
}

void TskArrowButton::SetArrow(TskArrowButtonType Value) {
    m_arrow = Value;
    Invalidate();
}

void TskArrowButton::UIStyleChanged() {
    SetTransparent(
        GetControlThemeBool(GetFileTheme(), GetUIStyle(), SkItem::ButtonTransparentBool));
}

void TskArrowButton::PaintPic(TCanvas* Canvas, TBitmap* Bitmap) {
    SpitDraw(Bitmap, Canvas, GetClientRect(), GetPicTransparent());
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(0x000000);
    Canvas->GetPen()->SetColor(0x000000);
    const int x = (GetWidth() - 6) / 2;
    const int y = (GetHeight() - 3) / 2;
    if (m_arrow == skUp)
        Canvas->Polygon({{x, y + 3}, {x + 3, y}, {x + 6, y + 3}});
    else
        Canvas->Polygon({{x, y}, {x + 3, y + 3}, {x + 6, y}});
}

const TClassInfo& TskToolBarSpeedButton::StaticClassInfo() {
    using C = TskToolBarSpeedButton;
    static const TClassInfo info = TClassBuilder<C>("TskToolBarSpeedButton")
                                       .Persistent("Glyph", [](C& c) { return c.GetGlyph(); })
                                       .Stored([](C& c) { return !c.GetGlyph()->GetEmpty(); })
                                       .Build();
    return info;
}

TskToolBarSpeedButton::TskToolBarSpeedButton(TComponent* AOwner)
    : TCustomPanel(AOwner), m_glyph(std::make_unique<TBitmap>()) {
    SetBevelOuter(bvNone);
    SetHeight(18);
    SetWidth(18);
}

TskToolBarSpeedButton::~TskToolBarSpeedButton() = default;

void TskToolBarSpeedButton::SetGlyph(const TBitmap* Value) {
    m_glyph->Assign(Value);
}

void TskToolBarSpeedButton::Paint() {
    m_glyph->SetTransparent(true);
    TBitmap buffer(std::max(0, GetWidth()), std::max(0, GetHeight()));
    TCanvas* canvas = buffer.GetCanvas();
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect(GetClientRect());
    if (!m_glyph->GetEmpty()) {
        if (m_mouseOn) {
            canvas->GetBrush()->SetColor(0x000000);
            canvas->FrameRect(GetClientRect());
        }
        canvas->Draw(1, 1, m_glyph.get());
    }
    GetCanvas()->Draw(0, 0, &buffer);
}

void TskToolBarSpeedButton::CMMouseEnter(TMessage& Message) {
    TCustomPanel::CMMouseEnter(Message);
    m_mouseOn = true;
    Invalidate();
}

void TskToolBarSpeedButton::CMMouseLeave(TMessage& Message) {
    TCustomPanel::CMMouseLeave(Message);
    m_mouseOn = false;
    Invalidate();
}

void TskToolBarSpeedButton::WMEraseBkgnd(TMessage& Message) {
    Message.Result = 1;
}
