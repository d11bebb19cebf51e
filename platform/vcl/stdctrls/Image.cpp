#include "platform/vcl/stdctrls/Image.h"

#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Graphic.h"

const TClassInfo& TImage::StaticClassInfo() {
    using C = TImage;
    static const TClassInfo info =
        TClassBuilder<C>("TImage")
            .Boolean("Center", &C::GetCenter, &C::SetCenter, false)
            .Persistent("Picture", [](C& c) { return c.GetPicture(); })
            .Boolean("Proportional", &C::GetProportional, &C::SetProportional, false)
            .Boolean("Stretch", &C::GetStretch, &C::SetStretch, false)
            .Boolean("Transparent", &C::GetTransparent, &C::SetTransparent, false)
            .Build();
    return info;
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
    m_controlStyle |= csReplicatable;
    UpdateBoundsFields(0, 0, 105, 105);
    m_picture.OnChange = [this](TObject* s) { PictureChanged(s); };
}

void TImage::SetStretch(bool Value) {
    if (Value == m_stretch) return;
    m_stretch = Value;
    PictureChanged(this);
}

void TImage::SetCenter(bool Value) {
    if (Value == m_center) return;
    m_center = Value;
    PictureChanged(this);
}

void TImage::SetProportional(bool Value) {
    if (Value == m_proportional) return;
    m_proportional = Value;
    PictureChanged(this);
}

void TImage::SetTransparent(bool Value) {
    if (Value == m_transparent) return;
    m_transparent = Value;
    PictureChanged(this);
}

TRect TImage::DestRect() const {
    int w = m_picture.GetWidth();
    int h = m_picture.GetHeight();
    const int cw = GetClientWidth();
    const int ch = GetClientHeight();
    if (m_stretch || (m_proportional && (w > cw || h > ch))) {
        if (m_proportional && w > 0 && h > 0) {
            const double scale = std::min(static_cast<double>(cw) / w, static_cast<double>(ch) / h);
            w = static_cast<int>(w * scale);
            h = static_cast<int>(h * scale);
        } else {
            w = cw;
            h = ch;
        }
    }
    int x = 0;
    int y = 0;
    if (m_center) {
        x = (cw - w) / 2;
        y = (ch - h) / 2;
    }
    return {x, y, x + w, y + h};
}

void TImage::PictureChanged(TObject*) {
    if (TGraphic* graphic = m_picture.GetGraphic()) {
        if (graphic->GetTransparent() != m_transparent) graphic->SetTransparent(m_transparent);
        const TRect dest = DestRect();
        const bool covers = !m_transparent && dest.left <= 0 && dest.top <= 0 &&
                            dest.right >= GetWidth() && dest.bottom >= GetHeight();
        if (covers)
            m_controlStyle |= csOpaque;
        else
            m_controlStyle &= ~csOpaque;
    }
    AdjustSize();
    Invalidate();
}

void TImage::AdjustSize() {
    if (!GetAutoSize() || m_picture.GetWidth() <= 0 || m_picture.GetHeight() <= 0) return;
    SetBounds(GetLeft(), GetTop(), m_picture.GetWidth(), m_picture.GetHeight());
}

void TImage::Paint() {
    TCanvas* canvas = GetCanvas();
    if (ComponentState() & csDesigning) {
        canvas->GetPen()->SetStyle(TPenStyle::psDash);
        canvas->GetBrush()->SetStyle(bsClear);
        canvas->Rectangle(GetClientRect());
        canvas->GetBrush()->SetStyle(bsSolid);
        canvas->GetPen()->SetStyle(TPenStyle::psSolid);
    }
    if (TGraphic* graphic = m_picture.GetGraphic(); graphic && !graphic->GetEmpty())
        canvas->StretchDraw(DestRect(), graphic);
}
