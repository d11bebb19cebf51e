#pragma once
// TDBGrid: the records of a data source as rows and their fields as columns, with a title
// row, an indicator column that shows the current record and its state, and an in-place
// editor that writes into the field. Moving to another row posts the edit as a dataset
// move does; Insert, Ctrl+Delete and Escape insert, delete and cancel.
#include <memory>
#include <string>

#include "platform/db/DataLink.h"
#include "platform/vcl/core/Collection.h"
#include "platform/vcl/graphics/Font.h"
#include "platform/vcl/grids/Grids.h"

class TDBGrid;
class TColumn;

// A column's title: its caption (the field's DisplayLabel when empty).
class TColumnTitle : public TPersistent {
    QV_DECLARE_CLASS(TColumnTitle, TPersistent)

    TColumnTitle() = default;
    explicit TColumnTitle(TColumn* Column) : m_column(Column) {}
    std::string GetCaption() const;
    void SetCaption(const std::string& Value);
    bool HasCaption() const { return !m_caption.empty(); }
    void Assign(const TPersistent* Source) override;

private:
    TColumn* m_column = nullptr;
    std::string m_caption;
};

class TColumn : public TCollectionItem {
    QV_DECLARE_CLASS(TColumn, TCollectionItem)

    explicit TColumn(TCollection* Collection);

    const std::string& GetFieldName() const { return m_fieldName; }
    void SetFieldName(const std::string& Value);
    // The field of the grid's dataset that the column shows, or null.
    TField* GetField() const;
    TColumnTitle* GetTitle() { return &m_title; }
    // In pixels; 0 takes the field's DisplayWidth.
    int GetWidth() const { return m_width; }
    void SetWidth(int Value);
    bool GetVisible() const { return m_visible; }
    void SetVisible(bool Value);
    bool GetReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value);
    TDBGrid* Grid() const;
    std::string GetDisplayName() const override;
    void Assign(const TPersistent* Source) override;

private:
    friend class TColumnTitle;
    std::string m_fieldName;
    TColumnTitle m_title{this};
    int m_width = 0;
    bool m_visible = true;
    bool m_readOnly = false;
};

class TDBGridColumns : public TCollection {
    QV_DECLARE_CLASS(TDBGridColumns, TCollection)

    explicit TDBGridColumns(TDBGrid* Grid);
    TColumn* Items(int Index) const { return static_cast<TColumn*>(TCollection::Items(Index)); }
    TColumn* Add() { return static_cast<TColumn*>(TCollection::Add()); }
    TDBGrid* Grid() const { return m_grid; }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TDBGrid* m_grid;
};

enum TDBGridOptionFlag : unsigned {
    dgEditing = 1u << 0,
    dgAlwaysShowEditor = 1u << 1,
    dgTitles = 1u << 2,
    dgIndicator = 1u << 3,
    dgColumnResize = 1u << 4,
    dgColLines = 1u << 5,
    dgRowLines = 1u << 6,
    dgTabs = 1u << 7,
    dgRowSelect = 1u << 8,
    dgAlwaysShowSelection = 1u << 9,
    dgConfirmDelete = 1u << 10,
    dgCancelOnExit = 1u << 11,
};
using TDBGridOptions = unsigned;
constexpr TDBGridOptions kDefaultDBGridOptions = dgEditing | dgTitles | dgIndicator |
                                                 dgColumnResize | dgColLines | dgRowLines |
                                                 dgTabs | dgConfirmDelete | dgCancelOnExit;

class TDBGrid : public TCustomGrid {
    QV_DECLARE_CLASS(TDBGrid, TCustomGrid)

    explicit TDBGrid(TComponent* AOwner);
    ~TDBGrid() override;

    TDataSource* GetDataSource() const;
    void SetDataSource(TDataSource* Value);
    TDBGridColumns* GetColumns() { return m_columns.get(); }
    TDBGridOptions GetOptions() const { return m_dbOptions; }
    void SetOptions(TDBGridOptions Value);
    TFont* GetTitleFont() { return &m_titleFont; }
    bool GetReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value);
    // The field of the current column.
    TField* GetSelectedField() const;
    int GetSelectedIndex() const;
    void SetSelectedIndex(int Value);
    TDataLink* GetDataLink();
    // Offered an action: the grid's own handling first, then its data link's.
    bool ExecuteAction(TBasicAction* Action) override {
        return inherited::ExecuteAction(Action) || GetDataLink()->ExecuteAction(Action);
    }
    bool UpdateAction(TBasicAction* Action) override {
        return inherited::UpdateAction(Action) || GetDataLink()->UpdateAction(Action);
    }
    // The columns shown: the Columns collection, or one per visible field when it is empty.
    int VisibleColumnCount() const { return static_cast<int>(m_shown.size()); }
    TField* ColumnField(int Index) const;
    // Where the indicator shows the current record: 1 with the title row, else 0.
    int TitleOffset() const { return (m_dbOptions & dgTitles) ? 1 : 0; }
    int IndicatorOffset() const { return (m_dbOptions & dgIndicator) ? 1 : 0; }

    // The columns changed: rebuilt from the collection or the fields.
    void LayoutChanged();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    bool CanEditShow() const override;
    bool CanEditModify() override;
    bool CanEditAcceptKey(char Key) const override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    std::string GetEditMask(int ACol, int ARow) override;
    int GetEditLimit() override;
    void ColumnResized(int ACol) override;
    bool ShowsSelection() const override;
    void WndProc(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void DoExit() override;
    // Draws a field's text in a cell, aligned as the field asks.
    void DefaultDrawColumnCell(const TRect& Rect, TField* Field);

private:
    friend class TGridDataLink;
    class TGridDataLink;

    void LinkActive(bool Value);
    void DataChanged();
    void RecordChanged(TField* Field);
    void EditingChanged();
    void UpdateData();
    void FocusField(TField** Field);
    void SyncRow();
    void DrawIndicator(const TRect& Rect);
    void ApplyGridOptions();
    int ColumnWidthFor(int Index) const;
    TColumn* ColumnAt(int GridCol) const;

    std::unique_ptr<TGridDataLink> m_link;
    std::unique_ptr<TDBGridColumns> m_columns;
    TFont m_titleFont;
    TDBGridOptions m_dbOptions = kDefaultDBGridOptions;
    bool m_readOnly = false;
    // The columns shown: their field and (for the collection's) the column.
    struct TShownColumn {
        TField* Field = nullptr;
        TColumn* Column = nullptr;
    };
    std::vector<TShownColumn> m_shown;
    std::string m_editText;
    bool m_editModified = false;
    bool m_syncing = false;
    bool m_layoutChanging = false;
};
