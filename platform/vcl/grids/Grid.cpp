// TCustomGrid: properties, geometry, scrolling, the current cell, keys and the mouse.
#include <algorithm>

#include "platform/vcl/controls/BorderBand.h"
#include "platform/vcl/controls/ScrollRequest.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/grids/Grids.h"
#include "platform/win/Windows.h"

namespace {

const TEnumInfo GridOptionInfo{
    "TGridOption",
    {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
     "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
     "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"}};
const TEnumInfo GridBorderStyleInfo{"TBorderStyle", {"bsNone", "bsSingle"}};
const TEnumInfo GridScrollStyleInfo{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};

// How near a column's right edge, in pixels, the mouse starts resizing it.
constexpr int kSizingMargin = 3;

}  // namespace

const TClassInfo& TCustomGrid::StaticClassInfo() {
    using C = TCustomGrid;
    static const TClassInfo info =
        TClassBuilder<C>("TCustomGrid")
            .Enum("BorderStyle", GridBorderStyleInfo, &C::GetBorderStyle, &C::SetBorderStyle, bsSingle)
            .Integer("BorderWidth", &C::GetBorderWidth, &C::SetBorderWidth, 0)
            .Integer("ColCount", &C::GetColCount, &C::SetColCount, 5)
            .Integer("DefaultColWidth", &C::GetDefaultColWidth, &C::SetDefaultColWidth, 64)
            .Integer("DefaultRowHeight", &C::GetDefaultRowHeight, &C::SetDefaultRowHeight, 24)
            .Color("FixedColor", &C::GetFixedColor, &C::SetFixedColor, clBtnFace)
            .Integer("FixedCols", &C::GetFixedCols, &C::SetFixedCols, 1)
            .Integer("FixedRows", &C::GetFixedRows, &C::SetFixedRows, 1)
            .Integer("GridLineWidth", &C::GetGridLineWidth, &C::SetGridLineWidth, 1)
            .Set("Options", GridOptionInfo, &C::GetOptions, &C::SetOptions,
                 goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect)
            .Integer("RowCount", &C::GetRowCount, &C::SetRowCount, 5)
            .Enum("ScrollBars", GridScrollStyleInfo, &C::GetScrollBars, &C::SetScrollBars, ssBoth)
            .Hidden()
            .Build();
    return info;
}

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
    m_controlStyle |= csOpaque | csDoubleClicks;
    m_colWidths.assign(5, -1);
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(GetLeft(), GetTop(), 320, 120);
}

TCustomGrid::~TCustomGrid() = default;

// Properties.

void TCustomGrid::SetColCount(int Value) {
    Value = std::max(Value, 1);
    m_colWidths.resize(static_cast<std::size_t>(Value), -1);
    m_fixedCols = std::min(m_fixedCols, Value - 1 < 0 ? 0 : Value - 1);
    m_col = std::clamp(m_col, m_fixedCols, Value - 1);
    m_leftCol = std::clamp(m_leftCol, m_fixedCols, Value - 1);
    ColWidthsChanged();
}

void TCustomGrid::SetRowCount(int Value) {
    Value = std::max(Value, 1);
    m_rowCount = Value;
    if (static_cast<int>(m_rowHeights.size()) > Value) m_rowHeights.resize(static_cast<std::size_t>(Value));
    m_fixedRows = std::min(m_fixedRows, Value - 1 < 0 ? 0 : Value - 1);
    m_row = std::clamp(m_row, m_fixedRows, Value - 1);
    m_topRow = std::clamp(m_topRow, m_fixedRows, Value - 1);
    RowHeightsChanged();
}

void TCustomGrid::SetFixedCols(int Value) {
    m_fixedCols = std::clamp(Value, 0, GetColCount() - 1);
    m_col = std::max(m_col, m_fixedCols);
    m_leftCol = std::max(m_leftCol, m_fixedCols);
    ColWidthsChanged();
}

void TCustomGrid::SetFixedRows(int Value) {
    m_fixedRows = std::clamp(Value, 0, m_rowCount - 1);
    m_row = std::max(m_row, m_fixedRows);
    m_topRow = std::max(m_topRow, m_fixedRows);
    RowHeightsChanged();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
    m_defaultColWidth = std::max(Value, 0);
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
    m_defaultRowHeight = std::max(Value, 1);
    RowHeightsChanged();
}

int TCustomGrid::GetColWidths(int Index) const {
    if (Index < 0 || Index >= GetColCount()) return m_defaultColWidth;
    const int w = m_colWidths[static_cast<std::size_t>(Index)];
    return w < 0 ? m_defaultColWidth : w;
}

void TCustomGrid::SetColWidths(int Index, int Value) {
    if (Index < 0 || Index >= GetColCount()) return;
    m_colWidths[static_cast<std::size_t>(Index)] = std::max(Value, 0);
    ColWidthsChanged();
}

int TCustomGrid::GetRowHeights(int Index) const {
    if (Index < 0 || Index >= static_cast<int>(m_rowHeights.size())) return m_defaultRowHeight;
    const int h = m_rowHeights[static_cast<std::size_t>(Index)];
    return h <= 0 ? m_defaultRowHeight : h;
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
    if (Index < 0 || Index >= m_rowCount) return;
    if (static_cast<int>(m_rowHeights.size()) <= Index) m_rowHeights.resize(static_cast<std::size_t>(Index) + 1, 0);
    m_rowHeights[static_cast<std::size_t>(Index)] = std::max(Value, 1);
    RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int Value) {
    m_gridLineWidth = std::max(Value, 0);
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
    m_options = Value;
    if (Value & goRowSelect) HideEditor();
    if ((Value & goAlwaysShowEditor) && (Value & goEditing) && !(Value & goRowSelect)) ShowEditor();
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
    m_fixedColor = Value;
    Invalidate();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
    if (m_borderStyle == Value) return;
    m_borderStyle = Value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomGrid::SetBorderWidth(int Value) {
    Value = std::max(Value, 0);
    if (m_borderWidth == Value) return;
    m_borderWidth = Value;
    if (HandleAllocated())
        SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    UpdateScrollBars();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
    m_scrollBars = Value;
    UpdateScrollBars();
}

void TCustomGrid::ColWidthsChanged() {
    UpdateScrollBars();
    UpdateEditorPosition();
    Invalidate();
}

void TCustomGrid::RowHeightsChanged() {
    UpdateScrollBars();
    UpdateEditorPosition();
    Invalidate();
}

void TCustomGrid::TopLeftChanged() {}

// Geometry.

int TCustomGrid::ColLeft(int ACol) const {
    int x = 0;
    for (int c = 0; c < m_fixedCols && c < ACol; ++c) x += GetColWidths(c) + m_gridLineWidth;
    if (ACol < m_fixedCols) return x;
    if (ACol < m_leftCol) return -1;
    const int width = GetClientRect().Width();
    for (int c = m_leftCol; c < ACol; ++c) {
        x += GetColWidths(c) + m_gridLineWidth;
        if (x > width) return -1;
    }
    return x;
}

int TCustomGrid::RowTop(int ARow) const {
    int y = 0;
    for (int r = 0; r < m_fixedRows && r < ARow; ++r) y += GetRowHeights(r) + m_gridLineWidth;
    if (ARow < m_fixedRows) return y;
    if (ARow < m_topRow) return -1;
    const int height = GetClientRect().Height();
    for (int r = m_topRow; r < ARow; ++r) {
        y += GetRowHeights(r) + m_gridLineWidth;
        if (y > height) return -1;
    }
    return y;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
    if (ACol < 0 || ACol >= GetColCount() || ARow < 0 || ARow >= m_rowCount) return {};
    const int x = ColLeft(ACol), y = RowTop(ARow);
    if (x < 0 || y < 0) return {};
    const TRect client = GetClientRect();
    if (x >= client.right || y >= client.bottom) return {};
    return {x, y, x + GetColWidths(ACol), y + GetRowHeights(ARow)};
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
    TGridCoord coord{-1, -1};
    int x = 0;
    for (int c = 0; c < GetColCount(); ++c) {
        if (c == m_fixedCols) c = m_leftCol;
        if (c >= GetColCount()) break;
        const int next = x + GetColWidths(c) + m_gridLineWidth;
        if (X >= x && X < next) {
            coord.X = c;
            break;
        }
        x = next;
    }
    int y = 0;
    const int height = GetClientRect().Height();
    for (int r = 0; r < m_rowCount && y < height; ++r) {
        if (r == m_fixedRows) r = m_topRow;
        if (r >= m_rowCount) break;
        const int next = y + GetRowHeights(r) + m_gridLineWidth;
        if (Y >= y && Y < next) {
            coord.Y = r;
            break;
        }
        y = next;
    }
    return coord;
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    const TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

int TCustomGrid::GetVisibleRowCount() const {
    int y = 0;
    for (int r = 0; r < m_fixedRows; ++r) y += GetRowHeights(r) + m_gridLineWidth;
    const int height = GetClientRect().Height();
    int count = 0;
    for (int r = m_topRow; r < m_rowCount; ++r) {
        y += GetRowHeights(r) + m_gridLineWidth;
        if (y - m_gridLineWidth > height) break;
        ++count;
    }
    return count;
}

int TCustomGrid::GetVisibleColCount() const {
    int x = 0;
    for (int c = 0; c < m_fixedCols; ++c) x += GetColWidths(c) + m_gridLineWidth;
    const int width = GetClientRect().Width();
    int count = 0;
    for (int c = m_leftCol; c < GetColCount(); ++c) {
        x += GetColWidths(c) + m_gridLineWidth;
        if (x - m_gridLineWidth > width) break;
        ++count;
    }
    return count;
}

// The largest top row that still fills the client area.
int TCustomGrid::LastFullyVisibleRow() const {
    int space = GetClientRect().Height();
    for (int r = 0; r < m_fixedRows; ++r) space -= GetRowHeights(r) + m_gridLineWidth;
    int top = m_rowCount - 1;
    int used = GetRowHeights(top) + m_gridLineWidth;
    while (top - 1 >= m_fixedRows && used + GetRowHeights(top - 1) + m_gridLineWidth <= space) {
        --top;
        used += GetRowHeights(top) + m_gridLineWidth;
    }
    return std::max(top, m_fixedRows);
}

int TCustomGrid::LastFullyVisibleCol() const {
    int space = GetClientRect().Width();
    for (int c = 0; c < m_fixedCols; ++c) space -= GetColWidths(c) + m_gridLineWidth;
    int left = GetColCount() - 1;
    int used = GetColWidths(left) + m_gridLineWidth;
    while (left - 1 >= m_fixedCols && used + GetColWidths(left - 1) + m_gridLineWidth <= space) {
        --left;
        used += GetColWidths(left) + m_gridLineWidth;
    }
    return std::max(left, m_fixedCols);
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
    if (!HandleAllocated()) return;
    const TRect r = CellRect(ACol, ARow);
    if (r.IsEmpty()) return;
    const TRect withLines{r.left, r.top, r.right + m_gridLineWidth, r.bottom + m_gridLineWidth};
    InvalidateRect(m_handle, &withLines, FALSE);
}

void TCustomGrid::InvalidateRow(int ARow) {
    if (!HandleAllocated()) return;
    const int y = RowTop(ARow);
    if (y < 0) return;
    const TRect r{0, y, GetClientRect().Width(), y + GetRowHeights(ARow) + m_gridLineWidth};
    InvalidateRect(m_handle, &r, FALSE);
}

void TCustomGrid::InvalidateCol(int ACol) {
    if (!HandleAllocated()) return;
    const int x = ColLeft(ACol);
    if (x < 0) return;
    const TRect r{x, 0, x + GetColWidths(ACol) + m_gridLineWidth, GetClientRect().Height()};
    InvalidateRect(m_handle, &r, FALSE);
}

// Scrolling.

void TCustomGrid::SetTopRow(int Value) {
    Value = std::clamp(Value, m_fixedRows, std::max(m_fixedRows, LastFullyVisibleRow()));
    if (Value == m_topRow) return;
    m_topRow = Value;
    UpdateScrollBars();
    UpdateEditorPosition();
    Invalidate();
    TopLeftChanged();
}

void TCustomGrid::SetLeftCol(int Value) {
    Value = std::clamp(Value, m_fixedCols, std::max(m_fixedCols, LastFullyVisibleCol()));
    if (Value == m_leftCol) return;
    m_leftCol = Value;
    UpdateScrollBars();
    UpdateEditorPosition();
    Invalidate();
    TopLeftChanged();
}

void TCustomGrid::ScrollToCurrent() {
    if (m_row < m_topRow)
        SetTopRow(m_row);
    else if (m_row >= m_topRow + std::max(GetVisibleRowCount(), 1))
        SetTopRow(m_row - std::max(GetVisibleRowCount(), 1) + 1);
    if (!(m_options & goRowSelect)) {
        if (m_col < m_leftCol)
            SetLeftCol(m_col);
        else
            while (m_col >= m_leftCol + std::max(GetVisibleColCount(), 1) && m_leftCol < m_col)
                SetLeftCol(m_leftCol + 1);
    }
}

void TCustomGrid::UpdateScrollBars() {
    if (!HandleAllocated() || m_updatingScrollBars) return;
    m_updatingScrollBars = true;
    for (int pass = 0; pass < 2; ++pass) {
        const TRect before = GetClientRect();
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        if (m_scrollBars == ssVertical || m_scrollBars == ssBoth) {
            const int page = std::max(GetVisibleRowCount(), 1);
            info.nMin = m_fixedRows;
            info.nMax = std::max(m_rowCount - 1, m_fixedRows);
            info.nPage = m_rowCount - m_fixedRows > page ? static_cast<UINT>(page)
                                                         : static_cast<UINT>(info.nMax - info.nMin + 1);
            info.nPos = m_topRow;
            SetScrollInfo(m_handle, SB_VERT, &info, TRUE);
        }
        if (m_scrollBars == ssHorizontal || m_scrollBars == ssBoth) {
            const int page = std::max(GetVisibleColCount(), 1);
            info.nMin = m_fixedCols;
            info.nMax = std::max(GetColCount() - 1, m_fixedCols);
            info.nPage = GetColCount() - m_fixedCols > page ? static_cast<UINT>(page)
                                                            : static_cast<UINT>(info.nMax - info.nMin + 1);
            info.nPos = m_leftCol;
            SetScrollInfo(m_handle, SB_HORZ, &info, TRUE);
        }
        if (GetClientRect() == before) break;
    }
    m_updatingScrollBars = false;
}

void TCustomGrid::ScrollMessage(int Bar, WPARAM Code) {
    if (Bar == SB_VERT) {
        const int page = std::max(GetVisibleRowCount(), 1);
        SetTopRow(ScrollRequestPosition(m_handle, SB_VERT, Code, m_topRow, 1, page, m_rowCount - 1));
    } else {
        const int page = std::max(GetVisibleColCount(), 1);
        SetLeftCol(ScrollRequestPosition(m_handle, SB_HORZ, Code, m_leftCol, 1, page, GetColCount() - 1));
    }
}

// The current cell.

bool TCustomGrid::SelectCell(int, int) {
    return true;
}

bool TCustomGrid::FocusCell(int ACol, int ARow, bool Show) {
    ACol = std::clamp(ACol, m_fixedCols, GetColCount() - 1);
    ARow = std::clamp(ARow, m_fixedRows, m_rowCount - 1);
    if (ACol == m_col && ARow == m_row) {
        if (Show) ScrollToCurrent();
        return true;
    }
    TComponentGuard guard(this);
    if (!SelectCell(ACol, ARow) || !guard.Exists()) return false;
    MoveColRow(ACol, ARow, Show);
    return true;
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool Show) {
    const int oldCol = m_col, oldRow = m_row;
    if (m_options & goRowSelect) {
        InvalidateRow(oldRow);
    } else {
        InvalidateCell(oldCol, oldRow);
    }
    m_col = std::clamp(ACol, m_fixedCols, GetColCount() - 1);
    m_row = std::clamp(ARow, m_fixedRows, m_rowCount - 1);
    if (Show) ScrollToCurrent();
    if (m_options & goRowSelect)
        InvalidateRow(m_row);
    else
        InvalidateCell(m_col, m_row);
    CellChanged(oldCol, oldRow);
    if (GetEditorMode()) InvalidateEditor();
}

// Keys and mouse.

bool TCustomGrid::CanEditShow() const {
    return (m_options & goEditing) && !(m_options & goRowSelect) && m_col >= m_fixedCols &&
           m_row >= m_fixedRows;
}

bool TCustomGrid::CanEditAcceptKey(char Key) const {
    (void)Key;
    return true;
}

void TCustomGrid::SetEditText(int, int, const std::string&) {}

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    const bool ctrl = Shift & ssCtrl;
    const int page = std::max(GetVisibleRowCount(), 1);
    int col = m_col, row = m_row;
    switch (Key) {
        case VK_UP: --row; break;
        case VK_DOWN: ++row; break;
        case VK_LEFT:
            if (m_options & goRowSelect)
                SetLeftCol(m_leftCol - 1);
            else
                --col;
            break;
        case VK_RIGHT:
            if (m_options & goRowSelect)
                SetLeftCol(m_leftCol + 1);
            else
                ++col;
            break;
        case VK_PRIOR: row -= page; break;
        case VK_NEXT: row += page; break;
        case VK_HOME:
            if (ctrl) row = m_fixedRows;
            col = m_fixedCols;
            break;
        case VK_END:
            if (ctrl) row = m_rowCount - 1;
            col = GetColCount() - 1;
            break;
        case VK_TAB:
            if (!(m_options & goTabs)) return;
            if (Shift & ssShift) {
                if (--col < m_fixedCols) {
                    col = GetColCount() - 1;
                    --row;
                }
            } else if (++col >= GetColCount()) {
                col = m_fixedCols;
                ++row;
            }
            if (row < m_fixedRows || row >= m_rowCount) return;
            break;
        case VK_F1 + 1:  // F2 opens the editor on the cell
            if (CanEditShow()) ShowEditor();
            Key = 0;
            return;
        case VK_RETURN:
            if (GetEditorMode() && !(m_options & goAlwaysShowEditor))
                HideEditor();
            else if (CanEditShow())
                ShowEditor();
            Key = 0;
            return;
        case VK_ESCAPE:
            if (GetEditorMode()) {
                ResetEditor();
                if (!(m_options & goAlwaysShowEditor)) HideEditor();
                Key = 0;
            }
            return;
        default: return;
    }
    Key = 0;
    FocusCell(col, row);
}

void TCustomGrid::KeyPress(char& Key) {
    TCustomControl::KeyPress(Key);
    const auto ch = static_cast<unsigned char>(Key);
    if (ch < 32 || !CanEditShow() || !CanEditAcceptKey(Key)) return;
    // A typed character opens the editor and becomes its first character.
    ShowEditor();
    if (GetEditorMode()) {
        m_editor->SelectAll();
        m_editor->Perform(WM_CHAR, ch, 0);
    }
    Key = 0;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TComponentGuard guard(this);
    if (CanFocus() && !Focused() && !GetEditorMode()) SetFocus();
    if (!guard.Exists()) return;
    if (Button == mbLeft) {
        const TGridCoord cell = MouseCoord(X, Y);
        if ((m_options & goColSizing) && cell.Y >= 0 && cell.Y < m_fixedRows && cell.X >= 0) {
            // Near the right edge of a title cell: drag to resize that column.
            const TRect r = CellRect(cell.X, cell.Y);
            int sizing = -1;
            if (X >= r.right - kSizingMargin) sizing = cell.X;
            else if (X < r.left + kSizingMargin && cell.X > 0) sizing = cell.X - 1;
            if (sizing >= 0) {
                m_sizingCol = sizing;
                // The edge follows the mouse from where it was taken, not from the click.
                m_sizingStart = X - GetColWidths(sizing);
                SetCapture(m_handle);
                return;
            }
        }
        if (cell.X >= m_fixedCols && cell.Y >= m_fixedRows) {
            const bool same = cell.X == m_col && cell.Y == m_row;
            FocusCell(cell.X, cell.Y);
            if (!guard.Exists()) return;
            if (same && CanEditShow() && !GetEditorMode()) ShowEditor();
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
    if (m_sizingCol >= 0) {
        SetColWidths(m_sizingCol, std::max(X - m_sizingStart, 0));
        return;
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (m_sizingCol >= 0) {
        const int col = m_sizingCol;
        m_sizingCol = -1;
        ReleaseCapture();
        ColumnResized(col);
        return;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::DblClick() {
    if (CanEditShow() && !GetEditorMode()) ShowEditor();
    TCustomControl::DblClick();
}

void TCustomGrid::DoExit() {
    // The editor is part of the grid: moving the focus into it is not leaving.
    if (m_editor && m_editor->HandleAllocated() && GetFocus() == m_editor->Handle()) return;
    TCustomControl::DoExit();
}

void TCustomGrid::WMSize(TMessage& Message) {
    TCustomControl::WMSize(Message);
    UpdateScrollBars();
    UpdateEditorPosition();
    Invalidate();
}

void TCustomGrid::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    if (m_borderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
    if (m_scrollBars == ssVertical || m_scrollBars == ssBoth) Params.Style |= WS_VSCROLL;
    if (m_scrollBars == ssHorizontal || m_scrollBars == ssBoth) Params.Style |= WS_HSCROLL;
}

void TCustomGrid::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateScrollBars();
}

void TCustomGrid::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_VSCROLL:
            ScrollMessage(SB_VERT, Message.WParam);
            Message.Result = 0;
            return;
        case WM_HSCROLL:
            ScrollMessage(SB_HORZ, Message.WParam);
            Message.Result = 0;
            return;
        case WM_MOUSEWHEEL: {
            const int delta = static_cast<short>(HIWORD(Message.WParam));
            FocusCell(m_col, m_row + (delta > 0 ? -1 : 1) * std::max(1, std::abs(delta) / 120));
            Message.Result = 0;
            return;
        }
        case WM_NCCALCSIZE:
            BorderBandCalcSize(Message, m_borderWidth);
            DefaultHandler(Message);
            return;
        case WM_NCPAINT:
            DefaultHandler(Message);
            BorderBandPaint(m_handle, m_borderWidth, GetColor());
            return;
        case WM_GETDLGCODE:
            Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | ((m_options & goTabs) ? DLGC_WANTTAB : 0);
            return;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            TCustomControl::WndProc(Message);
            InvalidateCell(m_col, m_row);
            if (m_options & goRowSelect) InvalidateRow(m_row);
            return;
        default: TCustomControl::WndProc(Message);
    }
}

// TDrawGrid

const TClassInfo& TDrawGrid::StaticClassInfo() {
    using C = TDrawGrid;
    static const TClassInfo info = TClassBuilder<C>("TDrawGrid")
                                       .Publish("ScrollBars")
                                       .Event("OnDrawCell", &C::OnDrawCell)
                                       .Event("OnSelectCell", &C::OnSelectCell)
                                       .Event("OnGetEditText", &C::OnGetEditText)
                                       .Event("OnSetEditText", &C::OnSetEditText)
                                       .Event("OnTopLeftChanged", &C::OnTopLeftChanged)
                                       .Build();
    return info;
}

void TDrawGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TDrawGrid::SelectCell(int ACol, int ARow) {
    bool can = true;
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
    return can;
}

std::string TDrawGrid::GetEditText(int ACol, int ARow) {
    std::string value;
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TDrawGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

void TDrawGrid::TopLeftChanged() {
    TCustomGrid::TopLeftChanged();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}
