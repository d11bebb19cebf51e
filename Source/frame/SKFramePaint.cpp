#include "Source/frame/SKFramePaint.h"

#include "Source/frame/SKTitleBar.h"
#include "platform/vcl/graphics/Bitmap.h"

void PaintTitleBarEdges(TCanvas& Canvas, TskTitleBar& TitleBar, int W, int BW,
                        TColor BorderColor, bool RoundCorners) {
    constexpr int kBand = kSkinFrameBand;
    TBitmap* leftPicture = TitleBar.GetLeftImage();
    TBitmap* rightPicture = TitleBar.GetRightImage();
    TBitmap* clientPicture = TitleBar.GetCenterImage();
    const int wL = leftPicture->GetWidth();
    const int wR = rightPicture->GetWidth();
    // The left and right edges beside the title bar.
    TBitmap edge(kBand - BW, leftPicture->GetHeight());
    edge.GetCanvas()->Draw(0, 0, leftPicture);
    Canvas.Draw(BW, 0, &edge);
    if (wR >= kBand)
        edge.GetCanvas()->Draw(2 - wR, 0, rightPicture);
    else
        edge.GetCanvas()->StretchDraw(Rect(0, 0, edge.GetWidth(), edge.GetHeight()),
                                      rightPicture);
    Canvas.Draw(W - kBand, 0, &edge);
    // The top band above it.
    if (W > 5) {
        TBitmap top(W - 5, kBand);
        top.GetCanvas()->Draw(-2, 0, leftPicture);
        const int rightX = (W - 5) - wR + kBand;
        top.GetCanvas()->Draw(rightX, 0, rightPicture);
        top.GetCanvas()->StretchDraw(Rect(wL - 2, 0, rightX, clientPicture->GetHeight()),
                                     clientPicture);
        Canvas.Draw(2, 0, &top);
    }
    if (RoundCorners) {
        const int R = 11;
        Canvas.GetPen()->SetColor(BorderColor);
        Canvas.Arc(Rect(W - 2 * R + 1, -1, W + 1, 2 * R - 1), {W + 1, R - 1}, {W - R + 1, -1});
        Canvas.Arc(Rect(-1, -1, 2 * R - 1, 2 * R - 1), {R - 1, -1}, {-1, R - 1});
    }
}
