#include "platform/vcl/graphics/Canvas.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Graphic.h"
#include "platform/vcl/core/SysUtils.h"

const TClassInfo& TCanvas::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCanvas>("TCanvas").Build();
    return info;
}

TCanvas::TCanvas(gfx::Canvas* Target) : m_target(Target) {}

TCanvas::~TCanvas() = default;

void TCanvas::CreateHandle() {}

gfx::Canvas& TCanvas::RequiredState() {
    if (!m_target) CreateHandle();
    if (!m_target) throw EInvalidOperation("Canvas does not allow drawing");
    m_target->SetFont(m_font.Desc());
    m_target->SetBrush(m_brush.Desc());
    m_target->SetPen(m_pen.Desc());
    return *m_target;
}

void TCanvas::Changing() {
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

TPoint TCanvas::GetPenPos() {
    return RequiredState().PenPos();
}

TRect TCanvas::ClipRect() {
    return RequiredState().ClipBox();
}

TColor TCanvas::GetPixel(int X, int Y) {
    return RequiredState().GetPixel(X, Y);
}

void TCanvas::SetPixel(int X, int Y, TColor Color) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.SetPixel(X, Y, Color);
    Changed();
}

void TCanvas::MoveTo(int X, int Y) {
    RequiredState().MoveTo(X, Y);
}

void TCanvas::LineTo(int X, int Y) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.LineTo(X, Y);
    Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& Points) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.Polyline(Points);
    Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& Points) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.Polygon(Points);
    Changed();
}

void TCanvas::Rectangle(const TRect& Rect) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.Rectangle(Rect);
    Changed();
}

void TCanvas::RoundRect(const TRect& Rect, int CX, int CY) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.RoundRect(Rect, CX, CY);
    Changed();
}

void TCanvas::Ellipse(const TRect& Rect) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.Ellipse(Rect);
    Changed();
}

void TCanvas::Arc(const TRect& Rect, TPoint Start, TPoint End) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.Arc(Rect, Start, End);
    Changed();
}

void TCanvas::FillRect(const TRect& Rect) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.FillRect(Rect);
    Changed();
}

void TCanvas::FrameRect(const TRect& Rect) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.FrameRect(Rect);
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& Rect) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.DrawFocusRect(Rect);
    Changed();
}

void TCanvas::TextOut(int X, int Y, std::string_view Text) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.TextOut(X, Y, Text);
    Changed();
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, std::string_view Text) {
    gfx::Canvas& c = RequiredState();
    Changing();
    c.TextRect(Rect, X, Y, Text);
    Changed();
}

int TCanvas::TextWidth(std::string_view Text) {
    return RequiredState().TextWidth(Text);
}

int TCanvas::TextHeight(std::string_view Text) {
    return RequiredState().TextHeight(Text);
}

TSize TCanvas::TextExtent(std::string_view Text) {
    return RequiredState().TextExtent(Text);
}

int TCanvas::DrawText(std::string_view Text, TRect& Rect, unsigned Flags) {
    gfx::Canvas& c = RequiredState();
    if (Flags & gfx::DT_CALCRECT) return c.DrawText(Text, Rect, Flags);
    Changing();
    const int height = c.DrawText(Text, Rect, Flags);
    Changed();
    return height;
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
    if (!Graphic || Graphic->GetEmpty()) return;
    RequiredState();
    Changing();
    Graphic->Draw(*this, Bounds(X, Y, Graphic->GetWidth(), Graphic->GetHeight()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
    if (!Graphic || Graphic->GetEmpty()) return;
    RequiredState();
    Changing();
    Graphic->Draw(*this, Rect);
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
    gfx::Canvas& c = RequiredState();
    gfx::Canvas& source = Canvas->RequiredState();
    Changing();
    c.CopyRect(Dest, source, Source);
    Changed();
}
