#pragma once
// TCustomListView: a list of rows in report view: a header with the columns' captions over
// rows of a caption and sub-items, one selected row, scrolled by the window's own scroll
// bars (rows vertically, pixels horizontally), the keyboard and the mouse wheel. Only the
// rows in sight are painted, so long lists cost no more than short ones.
#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/comctrls/ListColumns.h"
#include "platform/vcl/comctrls/ListItems.h"

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TSortType { stNone, stData, stText, stBoth };

using TLVSelectItemEvent = TEvent<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVDeletedEvent = TEvent<void(TObject* Sender, TListItem* Item)>;
using TLVColumnClickEvent = TEvent<void(TObject* Sender, TListColumn* Column)>;
// Before the popup menu opens on a right click: Handled keeps it closed.
using TContextPopupEvent = TEvent<void(TObject* Sender, TPoint MousePos, bool& Handled)>;

class TCustomListView : public TCustomControl {
    QV_DECLARE_CLASS(TCustomListView, TCustomControl)

    explicit TCustomListView(TComponent* AOwner);
    ~TCustomListView() override;

    TListColumns* GetColumns() { return &m_columns; }
    void SetColumns(const TListColumns* Value) { m_columns.Assign(Value); }
    TListItems* GetItems() { return &m_items; }
    const TListItems* GetItems() const { return &m_items; }
    void SetItems(const TListItems* Value) { m_items.Assign(Value); }

    // The selected item, or null; setting null clears the selection.
    TListItem* GetSelected() const;
    void SetSelected(TListItem* Value);
    // The selected item's index; -1 clears the selection.
    int GetItemIndex() const { return m_selectedIndex; }
    void SetItemIndex(int Value);
    int GetSelCount() const { return m_selectedIndex >= 0 ? 1 : 0; }
    TListItem* GetItemFocused() const;
    void SetItemFocused(TListItem* Value);
    void ClearSelection() { SetItemIndex(-1); }

    TViewStyle GetViewStyle() const { return m_viewStyle; }
    void SetViewStyle(TViewStyle Value);
    bool GetRowSelect() const { return m_rowSelect; }
    void SetRowSelect(bool Value);
    bool GetHideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool Value);
    bool GetMultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool Value) { m_multiSelect = Value; }
    bool GetReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value) { m_readOnly = Value; }
    bool GetGridLines() const { return m_gridLines; }
    void SetGridLines(bool Value);
    bool GetShowColumnHeaders() const { return m_showColumnHeaders; }
    void SetShowColumnHeaders(bool Value);
    bool GetColumnClick() const { return m_columnClick; }
    void SetColumnClick(bool Value) { m_columnClick = Value; }
    // Rows stay in the order they were added; only stNone is implemented.
    TSortType GetSortType() const { return m_sortType; }
    void SetSortType(TSortType Value);

    TBorderStyle GetBorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    // A band inside the border that the rows never cover.
    int GetBorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Value);
    bool GetCtl3D() const { return m_ctl3D; }
    void SetCtl3D(bool Value);

    // The first row in sight and the horizontal scroll offset in pixels.
    int GetTopIndex() const { return m_topIndex; }
    TListItem* GetTopItem() const;
    int GetScrollX() const { return m_scrollX; }
    // The rows that fit whole between the header and the bottom of the client area.
    int VisibleRowCount() const;
    int RowHeight() const;
    int HeaderHeight() const;
    // The item under a client point, or null (the header and empty space have none).
    TListItem* GetItemAt(int X, int Y) const;
    TRect ItemRect(int Index, TDisplayCode Code) const;
    void MakeItemVisible(int Index, bool PartialOK);
    // Scrolls by DX pixels and DY pixels (rounded to whole rows).
    void Scroll(int DX, int DY);
    void Clear() { m_items.Clear(); }

    TLVSelectItemEvent OnSelectItem;
    TLVDeletedEvent OnDeletion;
    TLVColumnClickEvent OnColumnClick;
    TContextPopupEvent OnContextPopup;
    TNotifyEvent OnChange;

    // Called by the columns and the items when they change; a descendant that mirrors the
    // scroll bars hooks ItemsChanged.
    void ColumnsChanged();
    virtual void ItemsChanged();
    void ItemInserted(int Index);
    void ItemDeleting(TListItem* Item);
    void InvalidateItem(int Index);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void CMFontChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void WMSize(TMessage& Message) override;
    virtual void DoSelectItem(TListItem* Item, bool Selected);
    // Asks OnContextPopup before the popup menu opens at a screen point.
    virtual void DoContextPopup(TPoint MousePos, bool& Handled);
    void WMContextMenu(TMessage& Message) override;

    // Keeps the scroll bars' range, page and position equal to the scrolling model.
    void UpdateScrollBars();

private:
    void WMVScroll(TMessage& Message);
    void WMHScroll(TMessage& Message);
    void WMMouseWheel(TMessage& Message);
    void WMNCCalcSize(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void SetTopIndex(int Value);
    void SetScrollX(int Value);
    void MoveFocusTo(int Index);
    int ColumnAtX(int X) const;
    int ColumnDividerAt(int X) const;
    void PaintHeader(TCanvas& Canvas, const TRect& Client);
    void PaintRow(TCanvas& Canvas, int Index, const TRect& Row);
    int TextHeightOfFont() const;

    TListColumns m_columns;
    TListItems m_items;
    TViewStyle m_viewStyle = vsIcon;
    TSortType m_sortType = stNone;
    TBorderStyle m_borderStyle = bsSingle;
    int m_borderWidth = 0;
    bool m_ctl3D = true;
    bool m_rowSelect = false;
    bool m_hideSelection = true;
    bool m_multiSelect = false;
    bool m_readOnly = false;
    bool m_gridLines = false;
    bool m_showColumnHeaders = true;
    bool m_columnClick = true;
    int m_selectedIndex = -1;
    int m_focusedIndex = -1;
    int m_topIndex = 0;
    int m_scrollX = 0;
    int m_wheelRemainder = 0;
    int m_sizingColumn = -1;  // the column whose right edge is being dragged
    int m_sizingStart = 0;
    int m_sizingWidth = 0;
    int m_updatingScrollBars = 0;
};
