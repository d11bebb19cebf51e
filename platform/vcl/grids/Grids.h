#pragma once
// TCustomGrid: cells in columns and rows, some fixed at the top and left, with column
// widths, row heights, scrolling by whole cells, a current cell moved by the keys a grid
// user expects, and an in-place editor. TDrawGrid hands each cell to OnDrawCell.
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/stdctrls/EditConsts.h"
#include "platform/vcl/stdctrls/MaskEdit.h"

enum TGridOptionFlag : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using TGridOptions = unsigned;

enum TGridDrawStateFlag : unsigned { gdSelected = 1u << 0, gdFocused = 1u << 1, gdFixed = 1u << 2 };
using TGridDrawState = unsigned;

struct TGridCoord {
    int X = 0;
    int Y = 0;
};

class TCustomGrid;

// The edit that a grid shows over its current cell.
class TInplaceEdit : public TCustomMaskEdit {
    QV_DECLARE_CLASS(TInplaceEdit, TCustomMaskEdit)

    explicit TInplaceEdit(TComponent* AOwner);
    TCustomGrid* Grid() const { return m_grid; }

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void Change() override;
    void WndProc(TMessage& Message) override;

private:
    friend class TCustomGrid;
    TCustomGrid* m_grid = nullptr;
};

class TCustomGrid : public TCustomControl {
    QV_DECLARE_CLASS(TCustomGrid, TCustomControl)

    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    int GetColCount() const { return static_cast<int>(m_colWidths.size()); }
    void SetColCount(int Value);
    int GetRowCount() const { return m_rowCount; }
    void SetRowCount(int Value);
    int GetFixedCols() const { return m_fixedCols; }
    void SetFixedCols(int Value);
    int GetFixedRows() const { return m_fixedRows; }
    void SetFixedRows(int Value);
    int GetDefaultColWidth() const { return m_defaultColWidth; }
    void SetDefaultColWidth(int Value);
    int GetDefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int Value);
    int GetColWidths(int Index) const;
    void SetColWidths(int Index, int Value);
    int GetRowHeights(int Index) const;
    void SetRowHeights(int Index, int Value);
    int GetGridLineWidth() const { return m_gridLineWidth; }
    void SetGridLineWidth(int Value);
    TGridOptions GetOptions() const { return m_options; }
    void SetOptions(TGridOptions Value);
    TColor GetFixedColor() const { return m_fixedColor; }
    void SetFixedColor(TColor Value);
    TBorderStyle GetBorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    int GetBorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Value);
    TScrollStyle GetScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle Value);

    // The current cell.
    int GetCol() const { return m_col; }
    void SetCol(int Value) { FocusCell(Value, m_row); }
    int GetRow() const { return m_row; }
    void SetRow(int Value) { FocusCell(m_col, Value); }
    // The first scrolling row and column shown.
    int GetTopRow() const { return m_topRow; }
    void SetTopRow(int Value);
    int GetLeftCol() const { return m_leftCol; }
    void SetLeftCol(int Value);
    int GetVisibleColCount() const;
    int GetVisibleRowCount() const;
    bool GetEditorMode() const { return m_editor && m_editorShown; }
    void SetEditorMode(bool Value);
    TInplaceEdit* InplaceEditor() const { return m_editor; }

    // A cell's rectangle in client coordinates; empty when it is scrolled out of view.
    TRect CellRect(int ACol, int ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);
    void InvalidateGrid() { Invalidate(); }

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
    void DblClick() override;
    void WMSize(TMessage& Message) override;
    void DoExit() override;

    // Hooks of a grid kind.
    virtual void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) = 0;
    virtual bool SelectCell(int ACol, int ARow);
    virtual bool CanEditShow() const;
    virtual bool CanEditModify() { return true; }
    virtual bool CanEditAcceptKey(char Key) const;
    virtual std::string GetEditText(int ACol, int ARow) { (void)ACol, (void)ARow; return {}; }
    virtual void SetEditText(int ACol, int ARow, const std::string& Value);
    virtual std::string GetEditMask(int ACol, int ARow) { (void)ACol, (void)ARow; return {}; }
    virtual int GetEditLimit() { return 0; }
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void TopLeftChanged();
    // The current cell moved (after SelectCell allowed it).
    virtual void CellChanged(int OldCol, int OldRow) { (void)OldCol, (void)OldRow; }
    virtual void ColumnResized(int ACol) { (void)ACol; }
    // Whether the selected cells are highlighted now (a data grid only while it has focus).
    virtual bool ShowsSelection() const { return true; }

    // Moves the current cell; answers false when SelectCell refused.
    bool FocusCell(int ACol, int ARow, bool Show = true);
    void MoveColRow(int ACol, int ARow, bool Show);
    void ShowEditor();
    void HideEditor();
    // Reads the current cell's text into the shown editor again.
    void InvalidateEditor();
    void UpdateEditorPosition();
    // The editor's text went back to the cell's (Escape in the editor).
    void ResetEditor();
    void ScrollToCurrent();
    void UpdateScrollBars();
    void DrawGridLines(TCanvas& Canvas, const TRect& Cell, bool Fixed);

private:
    friend class TInplaceEdit;
    int ColLeft(int ACol) const;
    int RowTop(int ARow) const;
    int LastFullyVisibleRow() const;
    int LastFullyVisibleCol() const;
    void ScrollMessage(int Bar, WPARAM Code);
    void EditorKeyDown(WORD& Key, TShiftState Shift);
    void EditorChanged();

    std::vector<int> m_colWidths;
    std::vector<int> m_rowHeights;  // empty entries use the default
    int m_rowCount = 5;
    int m_fixedCols = 1;
    int m_fixedRows = 1;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    int m_gridLineWidth = 1;
    TGridOptions m_options = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine |
                             goRangeSelect;
    TColor m_fixedColor = clBtnFace;
    TBorderStyle m_borderStyle = bsSingle;
    int m_borderWidth = 0;
    TScrollStyle m_scrollBars = ssBoth;
    int m_col = 1;
    int m_row = 1;
    int m_topRow = 1;
    int m_leftCol = 1;
    TInplaceEdit* m_editor = nullptr;
    bool m_editorShown = false;
    bool m_updatingScrollBars = false;
    int m_sizingCol = -1;
    int m_sizingStart = 0;  // the mouse's x less the column's width when sizing began
};

class TDrawGrid;
using TDrawCellEvent =
    TEvent<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TGetEditEvent = TEvent<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = TEvent<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;

class TDrawGrid : public TCustomGrid {
    QV_DECLARE_CLASS(TDrawGrid, TCustomGrid)

    explicit TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TNotifyEvent OnTopLeftChanged;

protected:
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void TopLeftChanged() override;
};
