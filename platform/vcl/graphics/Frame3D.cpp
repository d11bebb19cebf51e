#include "platform/vcl/graphics/Frame3D.h"

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
    TPen* pen = Canvas->GetPen();
    pen->SetWidth(1);
    for (int i = 0; i < Width && !Rect.IsEmpty(); ++i) {
        const int right = Rect.right - 1;
        const int bottom = Rect.bottom - 1;
        pen->SetColor(TopColor);
        Canvas->Polyline({{Rect.left, bottom - 1}, {Rect.left, Rect.top}, {right, Rect.top}});
        pen->SetColor(BottomColor);
        Canvas->Polyline({{Rect.left, bottom}, {right, bottom}, {right, Rect.top - 1}});
        Rect = Rect.Inflate(-1, -1);
    }
}

void DrawDisabledText(TCanvas* Canvas, std::string_view Text, TRect Rect, unsigned Flags) {
    TFont* font = Canvas->GetFont();
    const TColor color = font->GetColor();
    TRect shifted = Rect.Offset(1, 1);
    font->SetColor(clBtnHighlight);
    Canvas->DrawText(Text, shifted, Flags);
    font->SetColor(clBtnShadow);
    Canvas->DrawText(Text, Rect, Flags);
    font->SetColor(color);
}
