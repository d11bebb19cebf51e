// TCustomListView: properties, selection, the scrolling model and the input that drives it.
// Painting and the window frame are in ListViewPaint.cpp.
#include "platform/vcl/comctrls/CustomListView.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gfx/Font.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/controls/ScrollRequest.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Windows.h"

namespace {

// The lines one notch of the wheel scrolls, as the desktop's default says.
constexpr int kWheelLines = 3;
// How far from a column's right edge the pointer may be to drag it.
constexpr int kDividerSlack = 3;

}  // namespace

const TClassInfo& TCustomListView::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCustomListView>("TCustomListView").Build();
    return info;
}

TCustomListView::TCustomListView(TComponent* AOwner)
    : TCustomControl(AOwner), m_columns(this), m_items(this) {
    SetBounds(GetLeft(), GetTop(), 250, 150);
    SetColor(clWindow);
    SetTabStop(true);
    m_controlStyle |= csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
}

TCustomListView::~TCustomListView() {
    Destroying();
    // No selection events while the rows go.
    OnSelectItem = nullptr;
    OnChange = nullptr;
    OnDeletion = nullptr;
}

// Selection and focus.

TListItem* TCustomListView::GetSelected() const {
    return m_selectedIndex >= 0 ? m_items.GetItem(m_selectedIndex) : nullptr;
}

void TCustomListView::SetSelected(TListItem* Value) {
    if (Value && Value->GetListView() != this)
        throw EInvalidOperation("The item belongs to another list view");
    SetItemIndex(Value ? Value->GetIndex() : -1);
}

void TCustomListView::SetItemIndex(int Value) {
    if (Value < -1 || Value >= m_items.Count())
        throw EListError("List index out of bounds (" + IntToStr(Value) + ")");
    const int old = m_selectedIndex;
    if (Value == old) return;
    m_selectedIndex = Value;
    if (Value >= 0) m_focusedIndex = Value;
    InvalidateItem(old);
    InvalidateItem(Value);
    TComponentGuard guard(this);
    if (old >= 0 && old < m_items.Count()) DoSelectItem(m_items.GetItem(old), false);
    if (!guard.Exists()) return;
    if (m_selectedIndex == Value && Value >= 0) DoSelectItem(m_items.GetItem(Value), true);
    if (!guard.Exists()) return;
    if (OnChange) OnChange(this);
}

TListItem* TCustomListView::GetItemFocused() const {
    return m_focusedIndex >= 0 ? m_items.GetItem(m_focusedIndex) : nullptr;
}

void TCustomListView::SetItemFocused(TListItem* Value) {
    if (Value && Value->GetListView() != this)
        throw EInvalidOperation("The item belongs to another list view");
    const int old = m_focusedIndex;
    m_focusedIndex = Value ? Value->GetIndex() : -1;
    InvalidateItem(old);
    InvalidateItem(m_focusedIndex);
}

void TCustomListView::DoSelectItem(TListItem* Item, bool Selected) {
    if (OnSelectItem) OnSelectItem(this, Item, Selected);
}

// Properties.

void TCustomListView::SetViewStyle(TViewStyle Value) {
    if (Value == m_viewStyle) return;
    m_viewStyle = Value;
    UpdateScrollBars();
    Invalidate();
}

void TCustomListView::SetRowSelect(bool Value) {
    if (Value == m_rowSelect) return;
    m_rowSelect = Value;
    Invalidate();
}

void TCustomListView::SetHideSelection(bool Value) {
    if (Value == m_hideSelection) return;
    m_hideSelection = Value;
    Invalidate();
}

void TCustomListView::SetGridLines(bool Value) {
    if (Value == m_gridLines) return;
    m_gridLines = Value;
    Invalidate();
}

void TCustomListView::SetShowColumnHeaders(bool Value) {
    if (Value == m_showColumnHeaders) return;
    m_showColumnHeaders = Value;
    UpdateScrollBars();
    Invalidate();
}

void TCustomListView::SetSortType(TSortType Value) {
    if (Value != stNone)
        throw EInvalidOperation("Sorting the rows is not supported; add them in order");
    m_sortType = Value;
}

void TCustomListView::SetBorderStyle(TBorderStyle Value) {
    if (Value != bsNone && Value != bsSingle)
        throw EInvalidOperation("A list view's border is bsNone or bsSingle");
    if (Value == m_borderStyle) return;
    m_borderStyle = Value;
    RecreateWnd();
}

void TCustomListView::SetBorderWidth(int Value) {
    if (Value < 0) throw EInvalidOperation("BorderWidth cannot be negative");
    if (Value == m_borderWidth) return;
    m_borderWidth = Value;
    if (HandleAllocated())
        SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    UpdateScrollBars();
}

void TCustomListView::SetCtl3D(bool Value) {
    if (Value == m_ctl3D) return;
    m_ctl3D = Value;
    RecreateWnd();
}

// Geometry.

int TCustomListView::TextHeightOfFont() const {
    return gfx::FontFace::Get(GetFont()->Desc())->Height();
}

int TCustomListView::RowHeight() const {
    return TextHeightOfFont() + 4;
}

int TCustomListView::HeaderHeight() const {
    return m_showColumnHeaders ? TextHeightOfFont() + 6 : 0;
}

int TCustomListView::VisibleRowCount() const {
    return std::max(0, (GetClientRect().Height() - HeaderHeight()) / RowHeight());
}

TListItem* TCustomListView::GetTopItem() const {
    return m_topIndex < m_items.Count() ? m_items.GetItem(m_topIndex) : nullptr;
}

TRect TCustomListView::ItemRect(int Index, TDisplayCode Code) const {
    if (Index < 0 || Index >= m_items.Count()) return {};
    const int top = HeaderHeight() + (Index - m_topIndex) * RowHeight();
    const int left = -m_scrollX;
    const int first =
        m_columns.Count() > 0 ? m_columns.Items(0)->GetWidth() : GetClientRect().Width();
    const int total = m_columns.Count() > 0 ? m_columns.TotalWidth() : first;
    switch (Code) {
        case drIcon:
            return {left, top, left, top + RowHeight()};
        case drLabel:
            return {left, top, left + first, top + RowHeight()};
        case drSelectBounds:
            if (!m_rowSelect) return {left, top, left + first, top + RowHeight()};
            [[fallthrough]];
        case drBounds:
        default:
            return {left, top, left + total, top + RowHeight()};
    }
}

TListItem* TCustomListView::GetItemAt(int X, int Y) const {
    const int header = HeaderHeight();
    if (Y < header || X < 0 || X >= GetClientRect().Width()) return nullptr;
    const int index = m_topIndex + (Y - header) / RowHeight();
    if (index >= m_items.Count()) return nullptr;
    const TRect hit = ItemRect(index, drSelectBounds);
    return X >= hit.left && X < hit.right ? m_items.GetItem(index) : nullptr;
}

int TCustomListView::ColumnAtX(int X) const {
    int right = -m_scrollX;
    for (int i = 0; i < m_columns.Count(); ++i) {
        right += m_columns.Items(i)->GetWidth();
        if (X < right) return i;
    }
    return -1;
}

int TCustomListView::ColumnDividerAt(int X) const {
    int right = -m_scrollX;
    for (int i = 0; i < m_columns.Count(); ++i) {
        right += m_columns.Items(i)->GetWidth();
        if (std::abs(X - right) <= kDividerSlack) return i;
    }
    return -1;
}

// Scrolling.

void TCustomListView::SetTopIndex(int Value) {
    Value = std::clamp(Value, 0, std::max(0, m_items.Count() - VisibleRowCount()));
    if (Value == m_topIndex) return;
    m_topIndex = Value;
    if (HandleAllocated()) SetScrollPos(m_handle, SB_VERT, m_topIndex, TRUE);
    Invalidate();
}

void TCustomListView::SetScrollX(int Value) {
    Value = std::clamp(Value, 0, std::max(0, m_columns.TotalWidth() - GetClientRect().Width()));
    if (Value == m_scrollX) return;
    m_scrollX = Value;
    if (HandleAllocated()) SetScrollPos(m_handle, SB_HORZ, m_scrollX, TRUE);
    Invalidate();
}

void TCustomListView::Scroll(int DX, int DY) {
    SetScrollX(m_scrollX + DX);
    // Partial rows round away from zero, so that any movement asked for moves.
    const int rowHeight = RowHeight();
    const int rows =
        DY >= 0 ? (DY + rowHeight - 1) / rowHeight : -((-DY + rowHeight - 1) / rowHeight);
    SetTopIndex(m_topIndex + rows);
}

void TCustomListView::MakeItemVisible(int Index, bool PartialOK) {
    if (Index < 0 || Index >= m_items.Count()) return;
    const int rows = VisibleRowCount();
    if (Index < m_topIndex) {
        SetTopIndex(Index);
        return;
    }
    if (Index < m_topIndex + rows) return;
    const int rowTop = HeaderHeight() + (Index - m_topIndex) * RowHeight();
    if (PartialOK && rowTop < GetClientRect().Height()) return;
    SetTopIndex(Index - std::max(rows, 1) + 1);
}

void TCustomListView::UpdateScrollBars() {
    if (!HandleAllocated() || m_updatingScrollBars > 0) return;
    ++m_updatingScrollBars;
    // Showing one bar takes room from the other direction, so settle in a few passes.
    for (int pass = 0; pass < 3; ++pass) {
        const TRect before = GetClientRect();
        const int rows = VisibleRowCount();
        const int count = m_items.Count();
        const int total = m_columns.TotalWidth();
        m_topIndex = std::clamp(m_topIndex, 0, std::max(0, count - rows));
        m_scrollX = std::clamp(m_scrollX, 0, std::max(0, total - before.Width()));
        SCROLLINFO vertical;
        vertical.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        vertical.nMin = 0;
        vertical.nMax = std::max(count - 1, 0);
        vertical.nPage = static_cast<UINT>(rows);
        vertical.nPos = m_topIndex;
        SetScrollInfo(m_handle, SB_VERT, &vertical, TRUE);
        SCROLLINFO horizontal;
        horizontal.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        horizontal.nMin = 0;
        horizontal.nMax = std::max(total - 1, 0);
        horizontal.nPage = static_cast<UINT>(std::max(before.Width(), 0));
        horizontal.nPos = m_scrollX;
        SetScrollInfo(m_handle, SB_HORZ, &horizontal, TRUE);
        if (GetClientRect() == before) break;
    }
    --m_updatingScrollBars;
}

// Notifications from the columns and the items.

void TCustomListView::ColumnsChanged() {
    UpdateScrollBars();
    Invalidate();
}

void TCustomListView::ItemsChanged() {
    UpdateScrollBars();
    Invalidate();
}

void TCustomListView::ItemInserted(int Index) {
    if (m_selectedIndex >= Index) ++m_selectedIndex;
    if (m_focusedIndex >= Index) ++m_focusedIndex;
}

void TCustomListView::ItemDeleting(TListItem* Item) {
    const int index = Item->GetIndex();
    if (OnDeletion) OnDeletion(this, Item);
    if (m_selectedIndex == index)
        m_selectedIndex = -1;
    else if (m_selectedIndex > index)
        --m_selectedIndex;
    if (m_focusedIndex == index)
        m_focusedIndex = -1;
    else if (m_focusedIndex > index)
        --m_focusedIndex;
}

void TCustomListView::InvalidateItem(int Index) {
    if (!HandleAllocated() || Index < 0 || Index >= m_items.Count()) return;
    const int rows = VisibleRowCount();
    if (Index < m_topIndex || Index > m_topIndex + rows) return;
    TRect row = ItemRect(Index, drBounds);
    row.left = 0;
    row.right = GetClientRect().Width();
    InvalidateRect(m_handle, &row, FALSE);
}

// Messages and input.

void TCustomListView::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    if (m_borderStyle == bsSingle) {
        if (m_ctl3D)
            Params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            Params.Style |= WS_BORDER;
    }
}

void TCustomListView::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateScrollBars();
}

void TCustomListView::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_VSCROLL:
            WMVScroll(Message);
            return;
        case WM_HSCROLL:
            WMHScroll(Message);
            return;
        case WM_MOUSEWHEEL:
            WMMouseWheel(Message);
            return;
        case WM_NCCALCSIZE:
            WMNCCalcSize(Message);
            return;
        case WM_NCPAINT:
            WMNCPaint(Message);
            return;
        case WM_GETDLGCODE:
            Message.Result = DLGC_WANTARROWS;
            return;
        default:
            TCustomControl::WndProc(Message);
    }
}

void TCustomListView::WMSize(TMessage& Message) {
    TCustomControl::WMSize(Message);
    UpdateScrollBars();
    Invalidate();
}

void TCustomListView::WMVScroll(TMessage& Message) {
    const int rows = std::max(VisibleRowCount(), 1);
    SetTopIndex(ScrollRequestPosition(m_handle, SB_VERT, Message.WParam, m_topIndex, 1, rows,
                                      m_items.Count()));
    Message.Result = 0;
}

void TCustomListView::WMHScroll(TMessage& Message) {
    const int page = std::max(GetClientRect().Width(), 1);
    SetScrollX(ScrollRequestPosition(m_handle, SB_HORZ, Message.WParam, m_scrollX,
                                     kWheelLines * 5, page, m_columns.TotalWidth()));
    Message.Result = 0;
}

void TCustomListView::WMMouseWheel(TMessage& Message) {
    // Fine-grained wheels send less than a notch; the remainder waits for the next one.
    m_wheelRemainder += GET_WHEEL_DELTA_WPARAM(Message.WParam);
    const int notches = m_wheelRemainder / WHEEL_DELTA;
    m_wheelRemainder -= notches * WHEEL_DELTA;
    if (notches != 0) SetTopIndex(m_topIndex - notches * kWheelLines);
    Message.Result = 0;
}

void TCustomListView::MoveFocusTo(int Index) {
    if (m_items.Count() == 0) return;
    Index = std::clamp(Index, 0, m_items.Count() - 1);
    SetItemIndex(Index);
    MakeItemVisible(Index, false);
}

void TCustomListView::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    const int current = m_focusedIndex;
    const int rows = std::max(VisibleRowCount(), 1);
    const int lastInSight = m_topIndex + rows - 1;
    switch (Key) {
        case VK_UP:
            MoveFocusTo(current < 0 ? 0 : current - 1);
            break;
        case VK_DOWN:
            MoveFocusTo(current < 0 ? 0 : current + 1);
            break;
        // Paging goes first to the edge of what shows, then a page beyond it.
        case VK_PRIOR:
            MoveFocusTo(current > m_topIndex ? m_topIndex : current - (rows - 1));
            break;
        case VK_NEXT:
            MoveFocusTo(current >= 0 && current < lastInSight ? lastInSight : current + (rows - 1));
            break;
        case VK_HOME:
            MoveFocusTo(0);
            break;
        case VK_END:
            MoveFocusTo(m_items.Count() - 1);
            break;
        case VK_SPACE:
            if (current >= 0) SetItemIndex(current);
            break;
        case VK_LEFT:
            SetScrollX(m_scrollX - 10);
            break;
        case VK_RIGHT:
            SetScrollX(m_scrollX + 10);
            break;
        case VK_APPS:
            Perform(WM_CONTEXTMENU, 0, -1);
            break;
        default:
            return;
    }
    Key = 0;
}

void TCustomListView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TComponentGuard guard(this);
    if (CanFocus() && !Focused()) SetFocus();
    if (!guard.Exists()) return;
    if (Y < HeaderHeight()) {
        if (Button == mbLeft) {
            m_sizingColumn = ColumnDividerAt(X);
            if (m_sizingColumn >= 0) {
                m_sizingStart = X;
                m_sizingWidth = m_columns.Items(m_sizingColumn)->GetWidth();
            } else if (m_columnClick && OnColumnClick) {
                const int column = ColumnAtX(X);
                if (column >= 0) OnColumnClick(this, m_columns.Items(column));
            }
        }
    } else if (Button == mbLeft || Button == mbRight) {
        // A right click selects the row first, so that its popup menu acts on that row.
        TListItem* item = GetItemAt(X, Y);
        if (item) {
            const int index = item->GetIndex();
            SetItemIndex(index);
            if (!guard.Exists()) return;
            MakeItemVisible(index, true);
        } else if (Button == mbLeft) {
            SetItemIndex(-1);
        }
        if (!guard.Exists()) return;
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListView::MouseMove(TShiftState Shift, int X, int Y) {
    if (m_sizingColumn >= 0 && m_sizingColumn < m_columns.Count())
        m_columns.Items(m_sizingColumn)->SetWidth(m_sizingWidth + X - m_sizingStart);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomListView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    m_sizingColumn = -1;
    // The press took the mouse through the window manager; the release gives it back.
    if (HandleAllocated() && GetCapture() == m_handle) ReleaseCapture();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomListView::DoContextPopup(TPoint MousePos, bool& Handled) {
    if (OnContextPopup) OnContextPopup(this, MousePos, Handled);
}

void TCustomListView::WMContextMenu(TMessage& Message) {
    TPoint at{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    // The keyboard's request opens the menu at the focused row rather than at the corner.
    if (Message.LParam == -1) {
        const TRect row = ItemRect(m_focusedIndex, drSelectBounds);
        at = ClientToScreen(m_focusedIndex >= 0 ? TPoint{row.left + 4, row.bottom - 2}
                                                : TPoint{4, HeaderHeight() + 4});
    }
    bool handled = false;
    TComponentGuard guard(this);
    DoContextPopup(at, handled);
    if (!guard.Exists()) return;
    if (handled) {
        Message.Result = 1;
        return;
    }
    Message.LParam = MAKELPARAM(at.x, at.y);
    TCustomControl::WMContextMenu(Message);
}

void TCustomListView::CMFontChanged(TMessage& Message) {
    TCustomControl::CMFontChanged(Message);
    UpdateScrollBars();
    Invalidate();
}

void TCustomListView::CMEnabledChanged(TMessage& Message) {
    TCustomControl::CMEnabledChanged(Message);
    if (HandleAllocated()) {
        EnableScrollBar(m_handle, SB_VERT, GetEnabled());
        EnableScrollBar(m_handle, SB_HORZ, GetEnabled());
    }
}
