#include "Source/buttons/SKImagePanel.h"

#include <algorithm>

#include "Source/theme/SKPublic.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/win/Windows.h"

namespace {

bool HasVisibleText(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

}  // namespace

const TEnumInfo& TskDrawStyleInfo() {
    static const TEnumInfo info{"TskDrawStyle", {"skNormal", "skStretch", "skTile"}};
    return info;
}

const TClassInfo& TskCustomPanel::StaticClassInfo() {
    using C = TskCustomPanel;
    static const TClassInfo info =
        TClassBuilder<C>("TskCustomPanel")
            .Persistent("Picture", [](C& c) { return c.GetPicture(); })
            .Hidden()
            .Boolean("Transparent", &C::GetTransparent, &C::SetTransparent, false)
            .Hidden()
            .Enum("DrawStyle", TskDrawStyleInfo(), &C::GetDrawStyle, &C::SetDrawStyle, skNormal)
            .Hidden()
            .Build();
    return info;
}

const TClassInfo& TskImagePanel::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TskImagePanel>("TskImagePanel")
                                       .Publish("BorderWidth")
                                       .Publish("Picture")
                                       .Publish("Transparent")
                                       .Publish("Alignment")
                                       .Publish("TabStop")
                                       .Publish("Caption")
                                       .Publish("DrawStyle")
                                       .Build();
    return info;
}

TskCustomPanel::TskCustomPanel(TComponent* AOwner)
    : TCustomPanel(AOwner), m_picture(std::make_unique<TPicture>()) {
    m_picture->OnChange = [this](TObject* sender) { PictureChanged(sender); };
    SetBevelInner(bvNone);
    SetBevelOuter(bvNone);
    Invalidate();
}

TskCustomPanel::~TskCustomPanel() = default;

bool TskCustomPanel::HasPicture() const {
    const TGraphic* graphic = m_picture->GetGraphic();
    return graphic && !graphic->GetEmpty();
}

void TskCustomPanel::SetPicture(const TPicture* Value) {
    m_picture->Assign(Value);
    ClearPanel();
    Invalidate();
}

void TskCustomPanel::SetTransparent(bool Value) {
    m_transparent = Value;
    if (HasPicture()) ApplyTransparent();
    Invalidate();
}

void TskCustomPanel::SetAutoSize(bool Value) {
    TCustomPanel::SetAutoSize(Value);
    if (HasPicture()) ApplyAutoSize();
}

void TskCustomPanel::SetDrawStyle(TskDrawStyle Value) {
    m_drawStyle = Value;
    ClearPanel();
    Invalidate();
}

void TskCustomPanel::SetCaptionPosX(int Value) {
    m_captionPosX = Value;
    Invalidate();
}

void TskCustomPanel::SetCaptionPosY(int Value) {
    m_captionPosY = Value;
    Invalidate();
}

void TskCustomPanel::PictureChanged(TObject*) {
    if (HasPicture()) {
        if (GetAutoSize()) ApplyAutoSize();
        ApplyTransparent();
    }
    ClearPanel();
    Invalidate();
}

void TskCustomPanel::ApplyAutoSize() {
    if (!GetAutoSize()) return;
    const TAlign align = GetAlign();
    int width = GetWidth();
    int height = GetHeight();
    if (align != alTop && align != alBottom && align != alClient) width = m_picture->GetWidth();
    if (align != alLeft && align != alRight && align != alClient) height = m_picture->GetHeight();
    SetBounds(GetLeft(), GetTop(), width, height);
}

void TskCustomPanel::ApplyTransparent() {
    TGraphic* graphic = m_picture->GetGraphic();
    if (graphic && graphic->GetTransparent() != m_transparent)
        graphic->SetTransparent(m_transparent);
}

void TskCustomPanel::ClearPanel() {
    // Painting fills every pixel itself; the brush only serves what paints outside it.
    GetCanvas()->GetBrush()->SetColor(GetColor());
}

void TskCustomPanel::Paint() {
    const TRect client = GetClientRect();
    TBitmap buffer(std::max(0, GetWidth()), std::max(0, GetHeight()));
    TCanvas* canvas = buffer.GetCanvas();
    // Around an unscaled picture the panel shows its colour, or its parent's image.
    if (m_transparent) {
        DoTrans(canvas, this);
    } else {
        canvas->GetBrush()->SetColor(GetColor());
        canvas->FillRect(client);
    }
    if (HasPicture()) {
        TGraphic* graphic = m_picture->GetGraphic();
        switch (m_drawStyle) {
            case skStretch:
                canvas->StretchDraw(client, graphic);
                break;
            case skTile:
                TileDraw(canvas, graphic, client);
                break;
            case skNormal:
                canvas->Draw(0, 0, graphic);
                break;
        }
    }
    canvas->GetBrush()->SetStyle(bsClear);
    const std::string caption = GetCaption();
    if (HasVisibleText(caption)) {
        canvas->SetFont(GetFont());
        if (m_captionPosX != -1 && m_captionPosY != -1) {
            canvas->TextOut(m_captionPosX, m_captionPosY, caption);
        } else {
            unsigned flags = DT_SINGLELINE | DT_VCENTER;
            if (GetAlignment() == taCenter) flags |= DT_CENTER;
            if (GetAlignment() == taRightJustify) flags |= DT_RIGHT;
            TRect rect = client;
            canvas->DrawText(caption, rect, flags);
        }
    }
    GetCanvas()->Draw(0, 0, &buffer);
}

void TskCustomPanel::Resize() {
    TCustomPanel::Resize();
    Invalidate();
}

void TskCustomPanel::CMTextChanged(TMessage& Message) {
    TCustomPanel::CMTextChanged(Message);
    RepaintText(GetClientRect());
    Invalidate();
}

void TskCustomPanel::WMEraseBkgnd(TMessage& Message) {
    // Paint covers every pixel.
    Message.Result = 1;
}
