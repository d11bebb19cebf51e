#include "platform/vcl/stdctrls/CustomListBox.h"

#include <algorithm>
#include <cctype>

#include "platform/gfx/Font.h"
#include "platform/vcl/controls/BorderBand.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/controls/ScrollRequest.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Windows.h"

namespace {

constexpr int kWheelLines = 3;

}  // namespace

const TClassInfo& TCustomListBox::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCustomListBox>("TCustomListBox").Build();
    return info;
}

TCustomListBox::TCustomListBox(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(GetLeft(), GetTop(), 121, 97);
    SetColor(clWindow);
    SetTabStop(true);
    m_controlStyle |= csDoubleClicks | csOpaque;
    m_controlStyle &= ~csClickEvents;  // clicks are reported when the selection moves
}

TCustomListBox::~TCustomListBox() {
    Destroying();
}

// Properties.

void TCustomListBox::SetItemIndex(int Value) {
    if (Value < -1 || Value >= m_items.Count())
        throw EListError("List index out of bounds (" + IntToStr(Value) + ")");
    if (Value == m_itemIndex) return;
    InvalidateItem(m_itemIndex);
    m_itemIndex = Value;
    InvalidateItem(m_itemIndex);
}

void TCustomListBox::SetTopIndex(int Value) {
    Value = std::clamp(Value, 0, std::max(0, m_items.Count() - VisibleItemCount()));
    if (Value == m_topIndex) return;
    m_topIndex = Value;
    if (HandleAllocated()) SetScrollPos(m_handle, SB_VERT, m_topIndex, TRUE);
    Invalidate();
}

int TCustomListBox::GetItemHeight() const {
    if (m_itemHeight > 0) return m_itemHeight;
    return gfx::FontFace::Get(GetFont()->Desc())->Height();
}

void TCustomListBox::SetItemHeight(int Value) {
    if (Value < 0) throw EInvalidOperation("ItemHeight cannot be negative");
    if (Value == m_itemHeight) return;
    m_itemHeight = Value;
    UpdateScrollBars();
    Invalidate();
}

void TCustomListBox::SetSorted(bool Value) {
    if (Value == m_items.GetSorted()) return;
    // Sorting moves the strings under the selection, which therefore goes.
    if (Value) m_itemIndex = -1;
    m_items.SetSorted(Value);
    Invalidate();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
    if (Value == m_style) return;
    m_style = Value;
    Invalidate();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
    if (Value != bsNone && Value != bsSingle)
        throw EInvalidOperation("A list box's border is bsNone or bsSingle");
    if (Value == m_borderStyle) return;
    m_borderStyle = Value;
    RecreateWnd();
}

void TCustomListBox::SetBorderWidth(int Value) {
    if (Value < 0) throw EInvalidOperation("BorderWidth cannot be negative");
    if (Value == m_borderWidth) return;
    m_borderWidth = Value;
    if (HandleAllocated())
        SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    UpdateScrollBars();
}

// Geometry and scrolling.

int TCustomListBox::VisibleItemCount() const {
    return std::max(0, GetClientRect().Height() / GetItemHeight());
}

TRect TCustomListBox::ItemRect(int Index) const {
    const int height = GetItemHeight();
    const int top = (Index - m_topIndex) * height;
    return {0, top, GetClientRect().Width(), top + height};
}

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) const {
    const TRect client = GetClientRect();
    const int index = m_topIndex + (Pos.y >= 0 ? Pos.y / GetItemHeight() : -1);
    const bool inside = client.Contains(Pos) && index >= 0 && index < m_items.Count();
    if (inside) return index;
    return Existing ? -1 : std::clamp(index, 0, m_items.Count());
}

void TCustomListBox::MakeItemVisible(int Index) {
    if (Index < 0 || Index >= m_items.Count()) return;
    const int rows = std::max(VisibleItemCount(), 1);
    if (Index < m_topIndex)
        SetTopIndex(Index);
    else if (Index >= m_topIndex + rows)
        SetTopIndex(Index - rows + 1);
}

void TCustomListBox::UpdateScrollBars() {
    if (!HandleAllocated() || m_updatingScrollBars) return;
    m_updatingScrollBars = true;
    for (int pass = 0; pass < 2; ++pass) {
        const TRect before = GetClientRect();
        const int rows = VisibleItemCount();
        m_topIndex = std::clamp(m_topIndex, 0, std::max(0, m_items.Count() - rows));
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = std::max(m_items.Count() - 1, 0);
        info.nPage = static_cast<UINT>(rows);
        info.nPos = m_topIndex;
        SetScrollInfo(m_handle, SB_VERT, &info, TRUE);
        if (GetClientRect() == before) break;
    }
    m_updatingScrollBars = false;
}

void TCustomListBox::InvalidateItem(int Index) {
    if (!HandleAllocated() || Index < m_topIndex || Index >= m_items.Count()) return;
    const TRect rect = ItemRect(Index);
    InvalidateRect(m_handle, &rect, FALSE);
}

// Notifications from the items.

void TCustomListBox::ItemsChanged() {
    UpdateScrollBars();
    Invalidate();
}

void TCustomListBox::ItemInserted(int Index) {
    if (m_itemIndex >= Index) ++m_itemIndex;
}

void TCustomListBox::ItemDeleted(int Index) {
    if (m_itemIndex == Index)
        m_itemIndex = -1;
    else if (m_itemIndex > Index)
        --m_itemIndex;
}

void TCustomListBox::ItemsCleared() {
    m_itemIndex = -1;
    m_topIndex = 0;
}

void TCustomListBox::ItemsExchanged(int Index1, int Index2) {
    if (m_itemIndex == Index1)
        m_itemIndex = Index2;
    else if (m_itemIndex == Index2)
        m_itemIndex = Index1;
}

// Messages and input.

void TCustomListBox::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    if (m_borderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateScrollBars();
}

void TCustomListBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_VSCROLL:
            WMVScroll(Message);
            return;
        case WM_MOUSEWHEEL:
            WMMouseWheel(Message);
            return;
        case WM_NCCALCSIZE:
            BorderBandCalcSize(Message, m_borderWidth);
            DefaultHandler(Message);
            return;
        case WM_NCPAINT:
            DefaultHandler(Message);
            BorderBandPaint(m_handle, m_borderWidth, GetColor());
            return;
        case WM_GETDLGCODE:
            Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
            return;
        default:
            TCustomControl::WndProc(Message);
    }
}

void TCustomListBox::WMSize(TMessage& Message) {
    TCustomControl::WMSize(Message);
    UpdateScrollBars();
    Invalidate();
}

void TCustomListBox::CMFontChanged(TMessage& Message) {
    TCustomControl::CMFontChanged(Message);
    UpdateScrollBars();
    Invalidate();
}

void TCustomListBox::WMVScroll(TMessage& Message) {
    const int page = std::max(VisibleItemCount(), 1);
    SetTopIndex(ScrollRequestPosition(m_handle, SB_VERT, Message.WParam, m_topIndex, 1, page,
                                      m_items.Count()));
    Message.Result = 0;
}

void TCustomListBox::WMMouseWheel(TMessage& Message) {
    m_wheelRemainder += GET_WHEEL_DELTA_WPARAM(Message.WParam);
    const int notches = m_wheelRemainder / WHEEL_DELTA;
    m_wheelRemainder -= notches * WHEEL_DELTA;
    if (notches != 0) SetTopIndex(m_topIndex - notches * kWheelLines);
    Message.Result = 0;
}

void TCustomListBox::UserSelect(int Index) {
    if (m_items.Count() == 0) return;
    Index = std::clamp(Index, 0, m_items.Count() - 1);
    MakeItemVisible(Index);
    if (Index == m_itemIndex) return;
    SetItemIndex(Index);
    Click();
}

void TCustomListBox::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    const int rows = std::max(VisibleItemCount(), 1);
    const int current = m_itemIndex;
    switch (Key) {
        case VK_UP:
        case VK_LEFT:
            UserSelect(current < 0 ? 0 : current - 1);
            break;
        case VK_DOWN:
        case VK_RIGHT:
            UserSelect(current < 0 ? 0 : current + 1);
            break;
        case VK_PRIOR:
            UserSelect(current - (rows - 1));
            break;
        case VK_NEXT:
            UserSelect(current < 0 ? rows - 1 : current + (rows - 1));
            break;
        case VK_HOME:
            UserSelect(0);
            break;
        case VK_END:
            UserSelect(m_items.Count() - 1);
            break;
        default:
            return;
    }
    Key = 0;
}

void TCustomListBox::KeyPress(char& Key) {
    TCustomControl::KeyPress(Key);
    const auto letter = static_cast<unsigned char>(Key);
    if (Key == 0 || letter < ' ') return;
    // The next item after the selection that starts with the letter, wrapping round.
    const int count = m_items.Count();
    for (int step = 1; step <= count; ++step) {
        const int index = (std::max(m_itemIndex, -1) + step + count) % count;
        const std::string& text = m_items.Strings(index);
        if (!text.empty() &&
            std::toupper(static_cast<unsigned char>(text[0])) == std::toupper(letter)) {
            UserSelect(index);
            break;
        }
    }
    Key = 0;
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TComponentGuard guard(this);
    if (CanFocus() && !Focused()) SetFocus();
    if (!guard.Exists()) return;
    if (Button == mbLeft) {
        const int index = ItemAtPos({X, Y}, true);
        if (index >= 0) UserSelect(index);
        if (!guard.Exists()) return;
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
    // Dragging with the button down moves the selection and scrolls past the edges.
    if ((Shift & ssLeft) && GetCapture() == m_handle && m_items.Count() > 0) {
        const int height = GetItemHeight();
        const int index =
            Y < 0 ? m_topIndex - 1 : std::min(m_topIndex + Y / height, m_items.Count() - 1);
        TComponentGuard guard(this);
        UserSelect(index);
        if (!guard.Exists()) return;
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // The press took the mouse through the window manager; the release gives it back.
    if (HandleAllocated() && GetCapture() == m_handle) ReleaseCapture();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// Painting.

void TCustomListBox::Paint() {
    TCanvas& canvas = *GetCanvas();
    canvas.SetFont(GetFont());
    const TRect client = GetClientRect();
    const TRect clip = canvas.ClipRect().Intersect(client);
    canvas.GetBrush()->SetStyle(bsSolid);
    canvas.GetBrush()->SetColor(GetColor());
    canvas.FillRect(clip);
    const int height = GetItemHeight();
    const int first = m_topIndex + std::max(0, clip.top) / height;
    const int last = m_topIndex + std::max(0, clip.bottom - 1) / height;
    const bool focused = Focused();
    for (int i = first; i <= last && i < m_items.Count(); ++i) {
        TOwnerDrawState state = 0;
        if (i == m_itemIndex) state |= odSelected;
        if (focused && i == m_itemIndex) state |= odFocused;
        if (!GetEnabled()) state |= odDisabled;
        DrawItem(i, ItemRect(i), state);
    }
    // With nothing selected the focus still shows, on the first item.
    if (focused && m_itemIndex < 0 && m_items.Count() > 0 && m_topIndex == 0) {
        canvas.GetBrush()->SetColor(GetColor());
        canvas.DrawFocusRect(ItemRect(0));
    }
}

void TCustomListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
    TCanvas& canvas = *GetCanvas();
    if (m_style != lbStandard && OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    const bool selected = (State & odSelected) != 0;
    // The highlight starts two pixels before the text: at the left edge of a plain item.
    const TRect highlight{Rect.left + TextIndent() - 2, Rect.top, Rect.right, Rect.bottom};
    TRect text{Rect.left + TextIndent(), Rect.top, Rect.right, Rect.bottom};
    canvas.GetBrush()->SetStyle(bsSolid);
    canvas.GetBrush()->SetColor(selected ? clHighlight : GetColor());
    canvas.FillRect(highlight);
    canvas.GetFont()->SetColor((State & odDisabled) ? clGrayText
                               : selected           ? clHighlightText
                                                    : GetFont()->GetColor());
    canvas.GetBrush()->SetStyle(bsClear);
    canvas.DrawText(m_items.Strings(Index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    canvas.GetBrush()->SetStyle(bsSolid);
    if (State & odFocused) {
        canvas.GetBrush()->SetColor(clHighlight);
        canvas.DrawFocusRect(highlight);
    }
}
