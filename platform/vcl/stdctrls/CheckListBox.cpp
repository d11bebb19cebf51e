#include "platform/vcl/stdctrls/CheckListBox.h"

#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/core/SysUtils.h"

namespace {

constexpr int kBoxSize = 13;
constexpr int kStateMask = 0x3;
constexpr int kDisabledFlag = 0x4;

void Fill(TCanvas& Canvas, const TRect& Rect, TColor Color) {
    Canvas.GetBrush()->SetStyle(bsSolid);
    Canvas.GetBrush()->SetColor(Color);
    Canvas.FillRect(Rect);
}

}  // namespace

const TClassInfo& TCheckListBox::StaticClassInfo() {
    using C = TCheckListBox;
    static const TEnumInfo ListBoxStyleInfo{"TListBoxStyle", {"lbStandard", "lbOwnerDrawFixed"}};
    static const TEnumInfo BorderStyleInfo{"TBorderStyle", {"bsNone", "bsSingle"}};
    static const TClassInfo info =
        TClassBuilder<C>("TCheckListBox")
            .Boolean("AllowGrayed", &C::GetAllowGrayed, &C::SetAllowGrayed, false)
            .Enum("BorderStyle", BorderStyleInfo, &C::GetBorderStyle, &C::SetBorderStyle, bsSingle)
            .Integer("BorderWidth", &C::GetBorderWidth, &C::SetBorderWidth, 0)
            .Boolean("Flat", &C::GetFlat, &C::SetFlat, true)
            .Integer("ItemHeight", &C::GetItemHeight, &C::SetItemHeight)
            .Persistent("Items", [](C& c) { return c.GetItems(); })
            .Boolean("Sorted", &C::GetSorted, &C::SetSorted, false)
            .Enum("Style", ListBoxStyleInfo, &C::GetStyle, &C::SetStyle, lbStandard)
            .Event("OnClickCheck", &C::OnClickCheck)
            .Event("OnDrawItem", &C::OnDrawItem)
            .Build();
    return info;
}

TCheckListBox::TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}

TCheckBoxState TCheckListBox::GetState(int Index) const {
    auto& items = const_cast<TCheckListBox*>(this)->Strings();
    return static_cast<TCheckBoxState>(items.GetItemFlags(Index) & kStateMask);
}

void TCheckListBox::SetState(int Index, TCheckBoxState Value) {
    TListBoxStrings& items = Strings();
    const int flags = items.GetItemFlags(Index);
    items.SetItemFlags(Index, (flags & ~kStateMask) | static_cast<int>(Value));
    InvalidateItem(Index);
}

bool TCheckListBox::GetItemEnabled(int Index) const {
    auto& items = const_cast<TCheckListBox*>(this)->Strings();
    return (items.GetItemFlags(Index) & kDisabledFlag) == 0;
}

void TCheckListBox::SetItemEnabled(int Index, bool Value) {
    TListBoxStrings& items = Strings();
    const int flags = items.GetItemFlags(Index);
    items.SetItemFlags(Index, Value ? flags & ~kDisabledFlag : flags | kDisabledFlag);
    InvalidateItem(Index);
}

void TCheckListBox::SetFlat(bool Value) {
    if (Value == m_flat) return;
    m_flat = Value;
    Invalidate();
}

int TCheckListBox::TextIndent() const {
    return kBoxSize + 6;
}

TRect TCheckListBox::CheckRect(int Index) const {
    const TRect item = ItemRect(Index);
    const int top = item.top + (item.Height() - kBoxSize) / 2;
    return {item.left + 2, top, item.left + 2 + kBoxSize, top + kBoxSize};
}

void TCheckListBox::Toggle(int Index) {
    if (Index < 0 || Index >= Count() || !GetItemEnabled(Index) || !GetEnabled()) return;
    switch (GetState(Index)) {
        case cbUnchecked:
            SetState(Index, cbChecked);
            break;
        case cbChecked:
            SetState(Index, m_allowGrayed ? cbGrayed : cbUnchecked);
            break;
        default:
            SetState(Index, cbUnchecked);
            break;
    }
    ClickCheck();
}

void TCheckListBox::ClickCheck() {
    if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::KeyPress(char& Key) {
    if (Key == ' ') {
        TComponentGuard guard(this);
        if (OnKeyPress) OnKeyPress(this, Key);
        if (!guard.Exists() || Key != ' ') return;
        Toggle(GetItemIndex());
        Key = 0;
        return;
    }
    TCustomListBox::KeyPress(Key);
}

void TCheckListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TComponentGuard guard(this);
    TCustomListBox::MouseDown(Button, Shift, X, Y);
    if (!guard.Exists() || Button != mbLeft) return;
    const int index = ItemAtPos({X, Y}, true);
    // The box answers a little beyond its edges, as a finger-sized target.
    if (index >= 0 && X < CheckRect(index).right + 2) Toggle(index);
}

void TCheckListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
    TCanvas& canvas = *GetCanvas();
    const bool enabled = GetItemEnabled(Index) && GetEnabled();
    Fill(canvas, {Rect.left, Rect.top, Rect.left + TextIndent() - 2, Rect.bottom}, GetColor());
    DrawCheck(canvas, CheckRect(Index), GetState(Index), enabled);
    if (!enabled) State |= odDisabled;
    TCustomListBox::DrawItem(Index, Rect, State);
}

void TCheckListBox::DrawCheck(TCanvas& Canvas, const TRect& Box, TCheckBoxState State,
                              bool Enabled) {
    const TRect& b = Box;
    if (m_flat) {
        Fill(Canvas, b, clBtnShadow);
    } else {
        // The classic sunken box: two shadowed edges above and left, light below and right.
        Fill(Canvas, b, clBtnHighlight);
        Fill(Canvas, {b.left, b.top, b.right - 1, b.top + 1}, clBtnShadow);
        Fill(Canvas, {b.left, b.top, b.left + 1, b.bottom - 1}, clBtnShadow);
        Fill(Canvas, {b.left + 1, b.top + 1, b.right - 2, b.top + 2}, cl3DDkShadow);
        Fill(Canvas, {b.left + 1, b.top + 1, b.left + 2, b.bottom - 2}, cl3DDkShadow);
        Fill(Canvas, {b.left + 1, b.bottom - 2, b.right - 1, b.bottom - 1}, cl3DLight);
        Fill(Canvas, {b.right - 2, b.top + 1, b.right - 1, b.bottom - 1}, cl3DLight);
    }
    const TRect inside{b.left + 2, b.top + 2, b.right - 2, b.bottom - 2};
    const TRect flatInside{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1};
    const TRect& well = m_flat ? flatInside : inside;
    Fill(Canvas, well, State == cbGrayed || !Enabled ? clBtnFace : clWindow);
    if (State == cbUnchecked) return;
    // The tick: three pixels thick, down-right for three columns and then up for four.
    const TColor mark = State == cbGrayed || !Enabled ? clBtnShadow : clWindowText;
    const int x = b.left + 3;
    const int y = b.top + 5;
    for (int i = 0; i < 7; ++i) {
        const int dy = i < 3 ? i : 4 - i;
        Fill(Canvas, {x + i, y + dy, x + i + 1, y + dy + 3}, mark);
    }
}
