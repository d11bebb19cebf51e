#pragma once
// TCustomListBox: a list of strings, one of which can be selected, scrolled by the window's
// vertical scroll bar in whole items, driven by the mouse, the wheel and the keyboard
// (arrows, pages, Home/End and an item's first letter). Owner-drawn styles hand each item to
// OnDrawItem.
#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/stdctrls/ListBoxStrings.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };

// The state of an item being drawn, as the VCL's TOwnerDrawState set.
enum TOwnerDrawStateFlag : unsigned {
    odSelected = 1u << 0,
    odGrayed = 1u << 1,
    odDisabled = 1u << 2,
    odChecked = 1u << 3,
    odFocused = 1u << 4,
};
using TOwnerDrawState = unsigned;

class TCustomListBox;
using TDrawItemEvent =
    TEvent<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

class TCustomListBox : public TCustomControl {
    QV_DECLARE_CLASS(TCustomListBox, TCustomControl)

    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    TStrings* GetItems() { return &m_items; }
    void SetItems(const TStrings* Value) { m_items.Assign(Value); }
    int Count() const { return m_items.Count(); }
    void Clear() { m_items.Clear(); }

    // The selected item's index; -1 clears the selection.
    int GetItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int Value);
    bool GetSelected(int Index) const { return Index >= 0 && Index == m_itemIndex; }
    int GetTopIndex() const { return m_topIndex; }
    void SetTopIndex(int Value);
    int GetItemHeight() const;
    void SetItemHeight(int Value);
    bool GetSorted() const { return m_items.GetSorted(); }
    void SetSorted(bool Value);
    TListBoxStyle GetStyle() const { return m_style; }
    void SetStyle(TListBoxStyle Value);
    TBorderStyle GetBorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    int GetBorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Value);

    // The item under a client point; -1 when there is none and Existing asks for one, else
    // the index the point would have.
    int ItemAtPos(TPoint Pos, bool Existing) const;
    TRect ItemRect(int Index) const;
    int VisibleItemCount() const;
    void MakeItemVisible(int Index);

    TDrawItemEvent OnDrawItem;

    // Called by the items when they change; a descendant that mirrors the scroll bar hooks
    // ItemsChanged.
    virtual void ItemsChanged();
    void ItemInserted(int Index);
    void ItemDeleted(int Index);
    void ItemsCleared();
    void ItemsExchanged(int Index1, int Index2);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMSize(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    // Draws one item: OnDrawItem for owner-drawn styles, else the text.
    virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
    // Where the item's text starts: a check list box keeps room for its boxes.
    virtual int TextIndent() const { return 2; }
    // The user moved the selection (the VCL's list box reports it as a click).
    void UserSelect(int Index);
    void InvalidateItem(int Index);
    void UpdateScrollBars();
    TListBoxStrings& Strings() { return m_items; }

private:
    void WMVScroll(TMessage& Message);
    void WMMouseWheel(TMessage& Message);

    TListBoxStrings m_items{this};
    TListBoxStyle m_style = lbStandard;
    TBorderStyle m_borderStyle = bsSingle;
    int m_borderWidth = 0;
    int m_itemIndex = -1;
    int m_topIndex = 0;
    int m_itemHeight = 0;  // 0: from the font
    int m_wheelRemainder = 0;
    bool m_updatingScrollBars = false;
};
