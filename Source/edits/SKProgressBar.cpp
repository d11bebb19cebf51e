#include "Source/edits/SKProgressBar.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "Source/theme/SKControlTheme.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"

namespace {

constexpr int kThickness = 12;

// The graphic turned upside down, as a bitmap of its own size.
std::unique_ptr<TBitmap> Mirrored(TGraphic* Graphic) {
    auto copy = std::make_unique<TBitmap>(Graphic->GetWidth(), Graphic->GetHeight());
    Graphic->Draw(*copy->GetCanvas(), Rect(0, 0, copy->GetWidth(), copy->GetHeight()));
    gfx::Bitmap& image = copy->Image();
    for (int top = 0, bottom = image.Height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(image.Row(top), image.Row(top) + image.Width(), image.Row(bottom));
    return copy;
}

}  // namespace

const TClassInfo& TskProgressBar::StaticClassInfo() {
    using C = TskProgressBar;
    static const TClassInfo info =
        TClassBuilder<C>("TskProgressBar")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Color("CaptionColor", &C::GetCaptionColor, &C::SetCaptionColor, 0x000000)
            .Boolean("ShowCaption", &C::GetShowCaption, &C::SetShowCaption, true)
            .Boolean("SmartShowCaption", &C::GetSmartShowCaption, &C::SetSmartShowCaption, false)
            .Integer("Max", &C::GetMax, &C::SetMax, 100)
            .Integer("Min", &C::GetMin, &C::SetMin, 0)
            .Integer("Position", &C::GetPosition, &C::SetPosition, 50)
            .Enum("Orientation", TskProgressBarOrientationInfo(), &C::GetOrientation,
                  &C::SetOrientation)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Color("Color", &C::GetColor, &C::SetColor)
            .Persistent("Picture", [](C& c) { return c.GetPicture(); })
            .Build();
    return info;
}

TskProgressBar::TskProgressBar(TComponent* AOwner) : TCustomPanel(AOwner) {
    m_controlStyle &= ~csAcceptsControls;
    m_min = 0;
    m_max = 100;
    m_position = 50;
    m_orientation = skHorizontal;
    m_borderColor = 0x000000;
    m_color = clBtnFace;
    m_captionColor = 0x000000;
    SetHeight(kThickness);
    SetWidth(150);
    m_captionText = "50%";
    m_showCaption = true;
    SetColor(clBtnFace);
    SetUIStyle(GetSKFormStyle(AOwner));
    UpdateProgress();
}

TskProgressBar::~TskProgressBar() = default;

void TskProgressBar::SetMax(int Value) {
    m_max = Value;
    UpdateProgress();
}

void TskProgressBar::SetMin(int Value) {
    m_min = Value;
    UpdateProgress();
}

void TskProgressBar::SetPosition(int Value) {
    m_position = Value;
    UpdateProgress();
}

void TskProgressBar::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    UpdatePicture();
}

void TskProgressBar::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
    m_fileTheme = Value;
    if (m_fileTheme) m_fileTheme->FreeNotification(this);
    SetUIStyle(m_uiStyle);
}

void TskProgressBar::SetOrientation(TskProgressBarOrientation Value) {
    m_orientation = Value;
    UpdatePicture();
    UpdateBar(std::max(GetHeight(), GetWidth()));
}

void TskProgressBar::SetBorderColor(TColor Value) {
    m_borderColor = Value;
    Repaint();
}

void TskProgressBar::SetColor(TColor Value) {
    m_color = Value;
    Repaint();
}

void TskProgressBar::SetPicture(const TPicture* Value) {
    m_picture.Assign(Value);
    Repaint();
}

void TskProgressBar::SetShowCaption(bool Value) {
    m_showCaption = Value;
    Repaint();
}

void TskProgressBar::SetCaptionColor(TColor Value) {
    m_captionColor = Value;
    Repaint();
}

void TskProgressBar::SetSmartShowCaption(bool Value) {
    m_smartShowCaption = Value;
    Repaint();
}

std::int64_t TskProgressBar::GetPercentFromPosition() const {
    if (m_max == m_min) return 0;
    const std::int64_t span = std::int64_t{m_max} - m_min;
    return (std::int64_t{m_position} - m_min) * 100 / span;
}

int TskProgressBar::GetWidthFromPosition(int Length) const {
    if (m_max <= m_min || m_position <= m_min) return 0;
    if (m_position > m_max) return Length;
    const std::int64_t span = std::int64_t{m_max} - m_min;
    return static_cast<int>(std::int64_t{Length} * (std::int64_t{m_position} - m_min) / span);
}

void TskProgressBar::UpdateProgress() {
    m_captionText = std::to_string(GetPercentFromPosition()) + "%";
    Repaint();
}

void TskProgressBar::UpdatePicture() {
    TBitmap picture;
    GetControlThemeBitmap(m_fileTheme, m_uiStyle, SkItem::ProgressBarImage, &picture, 0, 1);
    m_picture.SetGraphic(&picture);
    SetColor(GetControlThemeColor(m_fileTheme, m_uiStyle, SkItem::ControlBackgroundColor));
    SetBorderColor(GetControlThemeColor(m_fileTheme, m_uiStyle, SkItem::ControlBorderColor));
    if (m_orientation == skVertical && !picture.GetEmpty()) RoundPicture(m_picture.GetBitmap());
    Repaint();
}

void TskProgressBar::UpdateBar(int Length) {
    if (m_orientation == skVertical)
        SetBounds(GetLeft(), GetTop(), kThickness, Length);
    else
        SetBounds(GetLeft(), GetTop(), Length, kThickness);
}

void TskProgressBar::Paint() {
    const int W = GetWidth();
    const int H = GetHeight();
    if (W <= 0 || H <= 0) return;
    TBitmap buffer(W, H);
    TCanvas& canvas = *buffer.GetCanvas();
    TGraphic* graphic = m_picture.GetGraphic();
    if (graphic && graphic->GetEmpty()) graphic = nullptr;
    if (m_orientation == skVertical)
        PaintVertical(canvas, graphic, W, H);
    else
        PaintHorizontal(canvas, graphic, W, H);

    if (m_showCaption && (!m_smartShowCaption || m_position != m_min)) {
        canvas.GetBrush()->SetStyle(bsClear);
        canvas.GetFont()->SetColor(m_captionColor);
        const TSize extent = canvas.TextExtent(m_captionText);
        canvas.TextOut((W - extent.cx) / 2, (H - extent.cy) / 2, m_captionText);
    }
    canvas.GetBrush()->SetStyle(bsSolid);
    canvas.GetBrush()->SetColor(m_borderColor);
    canvas.FrameRect(Rect(0, 0, W, H));
    GetCanvas()->Draw(0, 0, &buffer);
}

void TskProgressBar::PaintHorizontal(TCanvas& Canvas, TGraphic* Graphic, int W, int H) {
    int e = GetWidthFromPosition(W - 1);
    if (e == 0) e = 1;
    if (Graphic && e > 1) Canvas.StretchDraw(Rect(1, 1, e, H - 1), Graphic);
    Canvas.GetBrush()->SetColor(m_color);
    Canvas.FillRect(Rect(e, 1, W - 1, H - 1));
}

void TskProgressBar::PaintVertical(TCanvas& Canvas, TGraphic* Graphic, int W, int H) {
    // Level e divides the background above from the filled part below. The picture is
    // shown mirrored top to bottom; the rectangles are kept right side up because the
    // platform draws nothing into upside-down ones.
    int e = (H - 1) - GetWidthFromPosition(H - 1);
    if (e == 0) e = 1;
    if (Graphic && e < H - 1) {
        const std::unique_ptr<TBitmap> mirrored = Mirrored(Graphic);
        Canvas.StretchDraw(Rect(1, e, W - 1, H - 1), mirrored.get());
    }
    Canvas.GetBrush()->SetColor(m_color);
    Canvas.FillRect(Rect(1, 1, W - 1, e));
    // A vertical bar has no room for its caption; it stays off from here on.
    m_showCaption = false;
}

void TskProgressBar::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TskProgressBar::WndProc(TMessage& Message) {
    // The whole client area is painted from the buffer; erasing first would only flicker.
    if (Message.Msg == WM_ERASEBKGND) {
        Message.Result = 1;
        return;
    }
    TCustomPanel::WndProc(Message);
}

void RegisterSKProgressBarClasses() {
    RegisterClassesOf<TskProgressBar>();
}
