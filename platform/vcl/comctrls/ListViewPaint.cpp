// TCustomListView's painting: the header, the rows in sight, and the band that BorderWidth
// keeps free around them in the window's frame.
#include <algorithm>

#include "platform/vcl/controls/BorderBand.h"
#include "platform/vcl/comctrls/CustomListView.h"
#include "platform/win/Windows.h"

namespace {

void FillBox(TCanvas& Canvas, const TRect& Rect, TColor Color) {
    Canvas.GetBrush()->SetStyle(bsSolid);
    Canvas.GetBrush()->SetColor(Color);
    Canvas.FillRect(Rect);
}

// A classic raised button face: light above and left, dark shadow below and right.
void RaisedBox(TCanvas& Canvas, const TRect& r) {
    FillBox(Canvas, r, clBtnFace);
    if (r.Width() < 2 || r.Height() < 2) return;
    FillBox(Canvas, {r.left, r.top, r.right - 1, r.top + 1}, clBtnHighlight);
    FillBox(Canvas, {r.left, r.top, r.left + 1, r.bottom - 1}, clBtnHighlight);
    FillBox(Canvas, {r.left, r.bottom - 1, r.right, r.bottom}, cl3DDkShadow);
    FillBox(Canvas, {r.right - 1, r.top, r.right, r.bottom}, cl3DDkShadow);
    FillBox(Canvas, {r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1}, clBtnShadow);
    FillBox(Canvas, {r.right - 2, r.top + 1, r.right - 1, r.bottom - 1}, clBtnShadow);
}

unsigned AlignmentFlags(TAlignment Alignment) {
    switch (Alignment) {
        case taRightJustify:
            return DT_RIGHT;
        case taCenter:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}

void DrawCellText(TCanvas& Canvas, const std::string& Text, TRect Rect, TColor Color,
                  unsigned Flags) {
    if (Text.empty() || Rect.IsEmpty()) return;
    Canvas.GetBrush()->SetStyle(bsClear);
    Canvas.GetFont()->SetColor(Color);
    Canvas.DrawText(Text, Rect, Flags | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    Canvas.GetBrush()->SetStyle(bsSolid);
}

}  // namespace

void TCustomListView::Paint() {
    TCanvas& canvas = *GetCanvas();
    canvas.SetFont(GetFont());
    const TRect client = GetClientRect();
    const TRect clip = canvas.ClipRect().Intersect(client);
    if (clip.IsEmpty()) return;
    FillBox(canvas, clip, GetColor());

    const int header = HeaderHeight();
    const int rowHeight = RowHeight();
    // Only the rows that the clip rectangle touches are drawn.
    const int firstRow = m_topIndex + std::max(0, clip.top - header) / rowHeight;
    const int lastRow = m_topIndex + std::max(0, clip.bottom - header - 1) / rowHeight;
    for (int i = firstRow; i <= lastRow && i < m_items.Count(); ++i) {
        TRect row = ItemRect(i, drBounds);
        row.right = std::max(row.right, client.right);
        PaintRow(canvas, i, row);
    }
    if (header > 0 && clip.top < header) PaintHeader(canvas, client);
}

void TCustomListView::PaintHeader(TCanvas& Canvas, const TRect& Client) {
    const int header = HeaderHeight();
    int x = -m_scrollX;
    for (int i = 0; i < m_columns.Count(); ++i) {
        const TListColumn* column = m_columns.Items(i);
        const TRect box{x, 0, x + column->GetWidth(), header};
        x = box.right;
        if (box.right <= Client.left || box.left >= Client.right || box.IsEmpty()) continue;
        RaisedBox(Canvas, box);
        TRect text{box.left + 6, box.top + 1, box.right - 6, box.bottom - 1};
        DrawCellText(Canvas, column->GetCaption(), text, clBtnText,
                     AlignmentFlags(column->GetAlignment()));
    }
    // The header runs on past the last column as one blank button.
    if (x < Client.right) RaisedBox(Canvas, {x, 0, Client.right + 2, header});
}

void TCustomListView::PaintRow(TCanvas& Canvas, int Index, const TRect& Row) {
    const TListItem* item = m_items.GetItem(Index);
    const bool focused = Focused();
    const bool selected = Index == m_selectedIndex && (focused || !m_hideSelection);
    // Without the focus a kept selection shows in the face colour, as the desktop's does.
    const TColor selectionBack = focused ? clHighlight : clBtnFace;
    const TColor selectionText = focused ? clHighlightText : GetFont()->GetColor();
    const TColor text = GetEnabled() ? GetFont()->GetColor() : clGrayText;
    const int columnCount = std::max(m_columns.Count(), 1);
    const int total = m_columns.Count() > 0 ? m_columns.TotalWidth() : Row.Width();
    TRect focusRect{};

    int x = Row.left;
    for (int c = 0; c < columnCount; ++c) {
        const TListColumn* column = m_columns.Count() > 0 ? m_columns.Items(c) : nullptr;
        const int width = column ? column->GetWidth() : Row.Width();
        const TRect cell{x, Row.top, x + width, Row.bottom};
        x = cell.right;
        const std::string& caption =
            c == 0 ? item->GetCaption()
                   : (c - 1 < item->GetSubItems()->Count() ? item->GetSubItems()->Strings(c - 1)
                                                           : item->GetCaption());
        const bool hasText = c == 0 || c - 1 < item->GetSubItems()->Count();
        const TAlignment alignment = column ? column->GetAlignment() : taLeftJustify;
        TRect textRect{cell.left + (c == 0 ? 2 : 6), cell.top, cell.right - 6, cell.bottom};
        bool highlighted = false;
        if (c == 0 && !m_rowSelect) {
            // Only the caption's label is selected: the text with a little room around it.
            const int labelWidth = hasText ? Canvas.TextWidth(caption) + 4 : 0;
            const TRect label{cell.left, cell.top, std::min(cell.right, cell.left + labelWidth + 2),
                              cell.bottom};
            focusRect = label;
            if (selected) {
                FillBox(Canvas, label, selectionBack);
                highlighted = true;
            }
        } else if (selected && m_rowSelect) {
            FillBox(Canvas, cell, selectionBack);
            highlighted = true;
        }
        if (hasText && cell.right > 0)
            DrawCellText(Canvas, caption, textRect, highlighted ? selectionText : text,
                         AlignmentFlags(alignment));
        if (m_gridLines) {
            FillBox(Canvas, {cell.right - 1, cell.top, cell.right, cell.bottom}, clBtnFace);
            FillBox(Canvas, {cell.left, cell.bottom - 1, cell.right, cell.bottom}, clBtnFace);
        }
    }
    if (m_rowSelect) focusRect = {Row.left, Row.top, Row.left + total, Row.bottom};
    if (focused && Index == m_focusedIndex && !focusRect.IsEmpty()) {
        Canvas.GetBrush()->SetColor(selected ? selectionBack : GetColor());
        Canvas.GetFont()->SetColor(selected ? selectionText : text);
        Canvas.DrawFocusRect(focusRect);
    }
}

void TCustomListView::WMNCCalcSize(TMessage& Message) {
    BorderBandCalcSize(Message, m_borderWidth);
    DefaultHandler(Message);
}

void TCustomListView::WMNCPaint(TMessage& Message) {
    DefaultHandler(Message);
    if (HandleAllocated()) BorderBandPaint(m_handle, m_borderWidth, GetColor());
}
