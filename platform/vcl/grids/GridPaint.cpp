// TCustomGrid: painting the cells, their lines and the focus.
#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/grids/Grids.h"
#include "platform/win/Windows.h"

void TCustomGrid::DrawGridLines(TCanvas& Canvas, const TRect& Cell, bool Fixed) {
    if (m_gridLineWidth <= 0) return;
    const bool vert = Fixed ? (m_options & goFixedVertLine) : (m_options & goVertLine);
    const bool horz = Fixed ? (m_options & goFixedHorzLine) : (m_options & goHorzLine);
    Canvas.GetBrush()->SetColor(Fixed ? clBtnShadow : clSilver);
    if (vert)
        Canvas.FillRect({Cell.right, Cell.top, Cell.right + m_gridLineWidth, Cell.bottom + m_gridLineWidth});
    if (horz)
        Canvas.FillRect({Cell.left, Cell.bottom, Cell.right + m_gridLineWidth, Cell.bottom + m_gridLineWidth});
}

void TCustomGrid::Paint() {
    TCanvas& canvas = *GetCanvas();
    const TRect client = GetClientRect();
    const bool focused = Focused();
    const bool highlight = ShowsSelection();
    canvas.GetBrush()->SetColor(GetColor());
    canvas.FillRect(client);
    std::vector<int> rows;
    for (int r = 0; r < m_fixedRows; ++r) rows.push_back(r);
    int y = 0;
    for (int r = 0; r < m_fixedRows; ++r) y += GetRowHeights(r) + m_gridLineWidth;
    for (int r = m_topRow; r < m_rowCount && y < client.bottom; ++r) {
        rows.push_back(r);
        y += GetRowHeights(r) + m_gridLineWidth;
    }
    std::vector<int> cols;
    for (int c = 0; c < m_fixedCols; ++c) cols.push_back(c);
    int x = 0;
    for (int c = 0; c < m_fixedCols; ++c) x += GetColWidths(c) + m_gridLineWidth;
    for (int c = m_leftCol; c < GetColCount() && x < client.right; ++c) {
        cols.push_back(c);
        x += GetColWidths(c) + m_gridLineWidth;
    }
    for (int r : rows) {
        for (int c : cols) {
            const TRect cell = CellRect(c, r);
            if (cell.IsEmpty() && GetColWidths(c) > 0 && GetRowHeights(r) > 0) continue;
            const bool fixed = c < m_fixedCols || r < m_fixedRows;
            TGridDrawState state = 0;
            if (fixed) {
                state |= gdFixed;
            } else {
                if (r == m_row && (c == m_col || (m_options & goRowSelect))) state |= gdSelected;
                if (r == m_row && c == m_col && focused) state |= gdFocused;
            }
            canvas.SetFont(GetFont());
            if (fixed) {
                canvas.GetBrush()->SetColor(m_fixedColor);
            } else if (highlight && (state & gdSelected) &&
                       (!(state & gdFocused) || (m_options & (goDrawFocusSelected | goRowSelect)))) {
                canvas.GetBrush()->SetColor(clHighlight);
                canvas.GetFont()->SetColor(clHighlightText);
            } else {
                canvas.GetBrush()->SetColor(GetColor());
            }
            canvas.FillRect(cell);
            if (fixed) {
                // A raised edge, as fixed cells look like buttons.
                canvas.GetBrush()->SetColor(clBtnHighlight);
                canvas.FillRect({cell.left, cell.top, cell.right, cell.top + 1});
                canvas.FillRect({cell.left, cell.top, cell.left + 1, cell.bottom});
                canvas.GetBrush()->SetColor(m_fixedColor);
            }
            DrawCell(c, r, cell, state);
            if ((state & gdFocused) && !GetEditorMode() && !(m_options & goRowSelect))
                canvas.DrawFocusRect(cell);
            DrawGridLines(canvas, cell, fixed);
        }
    }
    if (focused && (m_options & goRowSelect)) {
        const TRect first = CellRect(cols.empty() ? 0 : std::max(m_fixedCols, m_leftCol), m_row);
        if (!first.IsEmpty()) canvas.DrawFocusRect({first.left, first.top, x - m_gridLineWidth, first.bottom});
    }
}

// The in-place editor.

const TClassInfo& TInplaceEdit::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TInplaceEdit>("TInplaceEdit").Build();
    return info;
}

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
    SetBorderStyle(bsNone);
    SetAutoSelect(false);
    SetTabStop(false);
}

void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
    if (m_grid) m_grid->EditorKeyDown(Key, Shift);
    if (Key) TCustomMaskEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(char& Key) {
    const auto ch = static_cast<unsigned char>(Key);
    const bool changes = ch >= 32 || Key == 8 || Key == 22 || Key == 24;
    if (m_grid && changes && (!m_grid->CanEditAcceptKey(Key) || !m_grid->CanEditModify())) {
        MessageBeep(0);
        Key = 0;
        return;
    }
    TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::Change() {
    TCustomMaskEdit::Change();
    if (m_grid) m_grid->EditorChanged();
}

void TInplaceEdit::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        // Return, Escape and the arrows are the grid's while editing.
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS |
                         (m_grid && (m_grid->GetOptions() & goTabs) ? DLGC_WANTTAB : 0);
        return;
    }
    if (m_grid && (Message.Msg == WM_PASTE || Message.Msg == WM_CUT) && !m_grid->CanEditModify())
        return;
    TCustomMaskEdit::WndProc(Message);
}

void TCustomGrid::EditorKeyDown(WORD& Key, TShiftState Shift) {
    const int length = static_cast<int>(m_editor->GetText().size());
    bool forward = false;
    switch (Key) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_ESCAPE:
        case VK_RETURN:
        case VK_F1 + 1: forward = true; break;
        case VK_TAB: forward = (m_options & goTabs) != 0; break;
        // Left and Right leave the cell only from the text's ends.
        case VK_LEFT: forward = m_editor->GetSelStart() == 0 && m_editor->GetSelLength() == 0; break;
        case VK_RIGHT: forward = m_editor->GetSelStart() >= length && m_editor->GetSelLength() == 0; break;
        case VK_HOME:
        case VK_END: forward = (Shift & ssCtrl) != 0; break;
        default: break;
    }
    if (forward) KeyDown(Key, Shift);
}

void TCustomGrid::EditorChanged() {
    if (m_editor && m_editorShown) SetEditText(m_col, m_row, m_editor->GetText());
}

void TCustomGrid::ShowEditor() {
    if (!CanEditShow()) return;
    if (!m_editor) {
        m_editor = new TInplaceEdit(this);
        m_editor->m_grid = this;
        m_editor->SetParent(this);
    }
    ScrollToCurrent();
    m_editorShown = false;
    m_editor->SetEditMask(GetEditMask(m_col, m_row));
    m_editor->SetMaxLength(GetEditLimit());
    m_editor->SetText(GetEditText(m_col, m_row));
    m_editorShown = true;
    UpdateEditorPosition();
    m_editor->SetVisible(true);
    if (Focused() || GetFocus() == nullptr || !m_editor->Focused()) {
        if (m_editor->CanFocus()) m_editor->SetFocus();
    }
    m_editor->SelectAll();
    InvalidateCell(m_col, m_row);
}

void TCustomGrid::HideEditor() {
    if (!m_editor || !m_editorShown) return;
    const bool hadFocus = m_editor->Focused();
    m_editorShown = false;
    m_editor->SetVisible(false);
    if (hadFocus && CanFocus()) SetFocus();
    InvalidateCell(m_col, m_row);
}

void TCustomGrid::SetEditorMode(bool Value) {
    if (Value)
        ShowEditor();
    else
        HideEditor();
}

void TCustomGrid::InvalidateEditor() {
    if (!GetEditorMode()) return;
    if (!CanEditShow()) {
        HideEditor();
        return;
    }
    m_editorShown = false;
    m_editor->SetEditMask(GetEditMask(m_col, m_row));
    m_editor->SetText(GetEditText(m_col, m_row));
    m_editor->SelectAll();
    m_editorShown = true;
    UpdateEditorPosition();
}

void TCustomGrid::ResetEditor() {
    InvalidateEditor();
}

void TCustomGrid::UpdateEditorPosition() {
    if (!m_editor || !m_editorShown) return;
    const TRect cell = CellRect(m_col, m_row);
    if (cell.IsEmpty()) {
        m_editor->SetBounds(-100, -100, 1, 1);
        return;
    }
    m_editor->SetBounds(cell.left + 1, cell.top + 1, std::max(cell.Width() - 2, 1),
                        std::max(cell.Height() - 2, 1));
}
