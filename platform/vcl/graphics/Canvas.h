#pragma once
// TCanvas: drawing with a font, brush and pen onto a gfx::Canvas. A bitmap's canvas draws
// into the bitmap; a control's canvas gets its target from the window's device context in
// CreateHandle when it is first drawn on.
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/vcl/graphics/Brush.h"
#include "platform/vcl/core/Event.h"
#include "platform/vcl/graphics/Font.h"
#include "platform/vcl/graphics/Pen.h"

class TGraphic;

class TCanvas : public TPersistent {
    QV_DECLARE_CLASS(TCanvas, TPersistent)

    explicit TCanvas(gfx::Canvas* Target = nullptr);
    ~TCanvas() override;

    // What the canvas draws on; null until set or until CreateHandle provides one.
    gfx::Canvas* GetTarget() const { return m_target; }
    void SetTarget(gfx::Canvas* Target) { m_target = Target; }
    bool HandleAllocated() const { return m_target != nullptr; }

    TFont* GetFont() { return &m_font; }
    TBrush* GetBrush() { return &m_brush; }
    TPen* GetPen() { return &m_pen; }
    void SetFont(const TFont* Value) { m_font.Assign(Value); }
    void SetBrush(const TBrush* Value) { m_brush.Assign(Value); }
    void SetPen(const TPen* Value) { m_pen.Assign(Value); }

    TPoint GetPenPos();
    void SetPenPos(TPoint Value) { MoveTo(Value.x, Value.y); }
    TRect ClipRect();
    TColor GetPixel(int X, int Y);
    void SetPixel(int X, int Y, TColor Color);

    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Polyline(const std::vector<TPoint>& Points);
    void Polygon(const std::vector<TPoint>& Points);
    void Rectangle(const TRect& Rect);
    void Rectangle(int X1, int Y1, int X2, int Y2) { Rectangle(::Rect(X1, Y1, X2, Y2)); }
    void RoundRect(const TRect& Rect, int CX, int CY);
    void Ellipse(const TRect& Rect);
    void Arc(const TRect& Rect, TPoint Start, TPoint End);
    void FillRect(const TRect& Rect);
    void FrameRect(const TRect& Rect);
    void DrawFocusRect(const TRect& Rect);

    void TextOut(int X, int Y, std::string_view Text);
    void TextRect(const TRect& Rect, int X, int Y, std::string_view Text);
    int TextWidth(std::string_view Text);
    int TextHeight(std::string_view Text);
    TSize TextExtent(std::string_view Text);
    // DrawText with the canvas's font: DT_ flags as Win32 has them.
    int DrawText(std::string_view Text, TRect& Rect, unsigned Flags);

    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const TRect& Rect, TGraphic* Graphic);
    void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    // Called when the canvas is drawn on without a target; a control's canvas gets its
    // device context here.
    virtual void CreateHandle();
    // The target with the current font, brush and pen selected into it; raises
    // EInvalidOperation when there is none.
    gfx::Canvas& RequiredState();
    void Changing();
    void Changed();

private:
    gfx::Canvas* m_target;
    TFont m_font;
    TBrush m_brush;
    TPen m_pen;
};
