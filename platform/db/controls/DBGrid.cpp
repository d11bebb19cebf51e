// TDBGrid: rows from the data link, columns from the fields, and editing through them.
#include "platform/db/controls/DBGrid.h"

#include <algorithm>
#include <climits>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "platform/win/Windows.h"

namespace {
const TEnumInfo DBGridOptionInfo{
    "TDBGridOption",
    {"dgEditing", "dgAlwaysShowEditor", "dgTitles", "dgIndicator", "dgColumnResize", "dgColLines",
     "dgRowLines", "dgTabs", "dgRowSelect", "dgAlwaysShowSelection", "dgConfirmDelete",
     "dgCancelOnExit"}};
constexpr int kIndicatorWidth = 11;
// Every record is in the link's window: the grid scrolls over all of them itself.
constexpr int kWholeSet = INT_MAX / 4;
}  // namespace

class TDBGrid::TGridDataLink : public TDataLink {
public:
    explicit TGridDataLink(TDBGrid& Grid) : m_grid(Grid) {
        SetVisualControl(true);
        SetBufferCount(kWholeSet);
    }

protected:
    void ActiveChanged() override { m_grid.LinkActive(GetActive()); }
    void DataSetChanged() override { m_grid.DataChanged(); }
    void DataSetScrolled(int) override { m_grid.DataChanged(); }
    void LayoutChanged() override { m_grid.LayoutChanged(); }
    void EditingChanged() override { m_grid.EditingChanged(); }
    void RecordChanged(TField* Field) override { m_grid.RecordChanged(Field); }
    void UpdateData() override { m_grid.UpdateData(); }
    void FocusControl(TField** Field) override { m_grid.FocusField(Field); }

private:
    TDBGrid& m_grid;
};

const TClassInfo& TDBGrid::StaticClassInfo() {
    using C = TDBGrid;
    static const TClassInfo info =
        TClassBuilder<C>("TDBGrid")
            .Persistent("Columns", [](C& c) { return c.GetColumns(); })
            .Reference("DataSource", &C::GetDataSource, &C::SetDataSource)
            .Publish("DefaultRowHeight")
            .Publish("FixedColor")
            .Set("Options", DBGridOptionInfo, &C::GetOptions, &C::SetOptions, kDefaultDBGridOptions)
            .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly)
            .Persistent("TitleFont", [](C& c) { return c.GetTitleFont(); })
            .Publish("BorderStyle")
            .Build();
    return info;
}

TDBGrid::TDBGrid(TComponent* AOwner)
    : TCustomGrid(AOwner),
      m_link(std::make_unique<TGridDataLink>(*this)),
      m_columns(std::make_unique<TDBGridColumns>(this)) {
    SetDefaultRowHeight(18);
    m_titleFont.OnChange = [this](TObject*) { Invalidate(); };
    ApplyGridOptions();
    LayoutChanged();
}

TDBGrid::~TDBGrid() {
    m_titleFont.OnChange = nullptr;
    m_link->SetDataSource(nullptr);
    m_link.reset();
}

TDataSource* TDBGrid::GetDataSource() const {
    return m_link->GetDataSource();
}

void TDBGrid::SetDataSource(TDataSource* Value) {
    if (TDataSource* old = m_link->GetDataSource()) RemoveFreeNotification(old);
    m_link->SetDataSource(Value);
    if (Value) FreeNotification(Value);
}

TDataLink* TDBGrid::GetDataLink() {
    return m_link.get();
}

void TDBGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && m_link && AComponent == m_link->GetDataSource())
        m_link->SetDataSource(nullptr);
}

void TDBGrid::SetOptions(TDBGridOptions Value) {
    m_dbOptions = Value;
    ApplyGridOptions();
    LayoutChanged();
}

void TDBGrid::SetReadOnly(bool Value) {
    m_readOnly = Value;
    if (Value) HideEditor();
}

void TDBGrid::ApplyGridOptions() {
    TGridOptions options = goFixedVertLine | goFixedHorzLine;
    if (m_dbOptions & dgColLines) options |= goVertLine;
    if (m_dbOptions & dgRowLines) options |= goHorzLine;
    if (m_dbOptions & dgEditing) options |= goEditing;
    if (m_dbOptions & dgAlwaysShowEditor) options |= goAlwaysShowEditor;
    if (m_dbOptions & dgTabs) options |= goTabs;
    if (m_dbOptions & dgRowSelect) options |= goRowSelect;
    if (m_dbOptions & dgColumnResize) options |= goColSizing;
    TCustomGrid::SetOptions(options);
}

// Columns.

TField* TDBGrid::ColumnField(int Index) const {
    if (Index < 0 || Index >= static_cast<int>(m_shown.size())) return nullptr;
    return m_shown[static_cast<std::size_t>(Index)].Field;
}

TColumn* TDBGrid::ColumnAt(int GridCol) const {
    const int index = GridCol - IndicatorOffset();
    if (index < 0 || index >= static_cast<int>(m_shown.size())) return nullptr;
    return m_shown[static_cast<std::size_t>(index)].Column;
}

int TDBGrid::ColumnWidthFor(int Index) const {
    const TShownColumn& shown = m_shown[static_cast<std::size_t>(Index)];
    if (shown.Column && shown.Column->GetWidth() > 0) return shown.Column->GetWidth();
    const int chars = shown.Field ? std::min(shown.Field->GetDisplayWidth(), 40) : 10;
    TCanvas& canvas = *const_cast<TDBGrid*>(this)->GetCanvas();
    canvas.SetFont(const_cast<TDBGrid*>(this)->GetFont());
    std::string title = shown.Field ? shown.Field->GetDisplayLabel() : std::string();
    if (shown.Column) title = shown.Column->GetTitle()->GetCaption();
    return std::max(chars * canvas.TextWidth("0"), canvas.TextWidth(title)) + 6;
}

void TDBGrid::LayoutChanged() {
    if (m_layoutChanging || !m_link) return;
    m_layoutChanging = true;
    m_shown.clear();
    TDataSet* dataSet = m_link->GetActive() ? m_link->GetDataSet() : nullptr;
    if (m_columns->Count() > 0) {
        for (int i = 0; i < m_columns->Count(); ++i) {
            TColumn* column = m_columns->Items(i);
            if (column->GetVisible()) m_shown.push_back({column->GetField(), column});
        }
    } else if (dataSet) {
        for (int i = 0; i < dataSet->FieldCount(); ++i)
            if (dataSet->Fields(i)->GetVisible()) m_shown.push_back({dataSet->Fields(i), nullptr});
    }
    const int indicator = IndicatorOffset();
    const int keepCol = GetCol();
    SetColCount(indicator + std::max<int>(1, static_cast<int>(m_shown.size())));
    SetFixedCols(indicator);
    if (indicator) SetColWidths(0, kIndicatorWidth);
    for (int i = 0; i < static_cast<int>(m_shown.size()); ++i)
        SetColWidths(indicator + i, ColumnWidthFor(i));
    if (m_shown.empty()) SetColWidths(indicator, GetDefaultColWidth());
    MoveColRow(std::clamp(keepCol, indicator, GetColCount() - 1), GetRow(), false);
    m_layoutChanging = false;
    DataChanged();
}

TField* TDBGrid::GetSelectedField() const {
    return ColumnField(GetCol() - IndicatorOffset());
}

int TDBGrid::GetSelectedIndex() const {
    return GetCol() - IndicatorOffset();
}

void TDBGrid::SetSelectedIndex(int Value) {
    FocusCell(Value + IndicatorOffset(), GetRow());
}

void TDBGrid::ColumnResized(int ACol) {
    const int index = ACol - IndicatorOffset();
    if (index < 0 || index >= static_cast<int>(m_shown.size())) return;
    TColumn* column = m_shown[static_cast<std::size_t>(index)].Column;
    if (column) {
        m_layoutChanging = true;
        column->SetWidth(GetColWidths(ACol));
        m_layoutChanging = false;
    } else if (TField* field = m_shown[static_cast<std::size_t>(index)].Field) {
        // Default columns keep the width in the field, as characters.
        GetCanvas()->SetFont(GetFont());
        const int charWidth = std::max(GetCanvas()->TextWidth("0"), 1);
        m_layoutChanging = true;
        field->SetDisplayWidth(std::max((GetColWidths(ACol) - 6) / charWidth, 1));
        m_layoutChanging = false;
    }
}

// The link's notifications.

void TDBGrid::LinkActive(bool) {
    HideEditor();
    m_editModified = false;
    LayoutChanged();
}

void TDBGrid::SyncRow() {
    TDataSet* dataSet = m_link->GetActive() ? m_link->GetDataSet() : nullptr;
    const int title = TitleOffset();
    const int records = dataSet ? dataSet->BufferRecordCount() : 0;
    m_syncing = true;
    SetFixedRows(0);
    SetRowCount(title + std::max(records, 1));
    SetFixedRows(title);
    const int current = dataSet ? std::max(dataSet->GetActiveRecord(), 0) : 0;
    MoveColRow(GetCol(), title + current, true);
    m_syncing = false;
}

void TDBGrid::DataChanged() {
    if (m_layoutChanging) return;
    SyncRow();
    if (!m_editModified) InvalidateEditor();
    Invalidate();
}

void TDBGrid::RecordChanged(TField* Field) {
    InvalidateRow(GetRow());
    if (GetEditorMode() && !m_editModified && (!Field || Field == GetSelectedField()))
        InvalidateEditor();
}

void TDBGrid::EditingChanged() {
    if (!m_link->GetEditing()) m_editModified = false;
    InvalidateCell(0, GetRow());
    if (GetEditorMode() && !m_editModified) InvalidateEditor();
}

void TDBGrid::UpdateData() {
    if (!m_editModified) return;
    TField* field = GetSelectedField();
    if (field) field->SetText(m_editText);
    m_editModified = false;
}

void TDBGrid::FocusField(TField** Field) {
    if (!Field || !*Field) return;
    for (int i = 0; i < static_cast<int>(m_shown.size()); ++i) {
        if (m_shown[static_cast<std::size_t>(i)].Field != *Field) continue;
        *Field = nullptr;
        MoveColRow(i + IndicatorOffset(), GetRow(), true);
        if (CanFocus()) SetFocus();
        ShowEditor();
        return;
    }
}

// Cells.

bool TDBGrid::SelectCell(int ACol, int ARow) {
    if (m_syncing) return true;
    TDataSet* dataSet = m_link->GetActive() ? m_link->GetDataSet() : nullptr;
    if (ARow != GetRow() && dataSet) {
        // Another row is another record: move the dataset, which posts a pending edit.
        TComponentGuard guard(this);
        if (m_editModified) m_link->UpdateRecord();
        dataSet->MoveBy(ARow - GetRow());
        if (!guard.Exists()) return false;
        if (ACol != GetCol()) MoveColRow(ACol, GetRow(), true);
        return false;
    }
    if (ACol != GetCol() && m_editModified) m_link->UpdateRecord();
    return true;
}

bool TDBGrid::CanEditShow() const {
    if (!(m_dbOptions & dgEditing) || m_readOnly || !m_link->GetActive()) return false;
    TField* field = GetSelectedField();
    if (!field || field->GetDataType() == ftMemo || field->GetDataType() == ftBlob ||
        field->GetDataType() == ftGraphic)
        return false;
    return TCustomGrid::CanEditShow();
}

bool TDBGrid::CanEditModify() {
    TField* field = GetSelectedField();
    TColumn* column = ColumnAt(GetCol());
    if (m_readOnly || !field || !field->CanModify() || (column && column->GetReadOnly()))
        return false;
    m_link->Edit();
    return m_link->GetEditing();
}

bool TDBGrid::CanEditAcceptKey(char Key) const {
    TField* field = GetSelectedField();
    return field && field->IsValidChar(Key);
}

std::string TDBGrid::GetEditText(int, int) {
    if (m_editModified) return m_editText;
    TField* field = GetSelectedField();
    return field ? field->GetText() : std::string();
}

void TDBGrid::SetEditText(int, int, const std::string& Value) {
    m_editText = Value;
    m_editModified = true;
    InvalidateCell(0, GetRow());
}

std::string TDBGrid::GetEditMask(int, int) {
    TField* field = GetSelectedField();
    return field ? field->GetEditMask() : std::string();
}

int TDBGrid::GetEditLimit() {
    TField* field = GetSelectedField();
    return field && field->GetDataType() == ftString ? field->GetSize() : 0;
}

void TDBGrid::WndProc(TMessage& Message) {
    if (Message.Msg == CM_GETDATALINK) {
        Message.Result = reinterpret_cast<LRESULT>(m_link.get());
        return;
    }
    TCustomGrid::WndProc(Message);
}

bool TDBGrid::ShowsSelection() const {
    if (m_dbOptions & dgAlwaysShowSelection) return true;
    TInplaceEdit* editor = InplaceEditor();
    return Focused() || (editor && editor->HandleAllocated() && GetFocus() == editor->Handle());
}

// Keys.

void TDBGrid::KeyDown(WORD& Key, TShiftState Shift) {
    TDataSet* dataSet = m_link->GetActive() ? m_link->GetDataSet() : nullptr;
    if (!dataSet) {
        TCustomGrid::KeyDown(Key, Shift);
        return;
    }
    const bool ctrl = Shift & ssCtrl;
    const bool editing = (m_dbOptions & dgEditing) && !m_readOnly && dataSet->GetCanModify();
    const bool emptyInsert = dataSet->GetState() == dsInsert && !dataSet->GetModified() &&
                             !m_editModified;
    switch (Key) {
        case VK_DOWN:
            if (m_editModified) m_link->UpdateRecord();
            if (emptyInsert && dataSet->GetActiveRecord() + 1 == dataSet->BufferRecordCount()) break;
            dataSet->Next();
            // Down from the last record starts a new one, as a grid user expects.
            if (dataSet->GetEOF() && editing && dataSet->GetState() == dsBrowse) dataSet->Append();
            break;
        case VK_UP:
            if (emptyInsert) {
                dataSet->Cancel();
                break;
            }
            if (m_editModified) m_link->UpdateRecord();
            dataSet->Prior();
            break;
        // Pages and the ends move the dataset, not the rows: a set that reads in batches
        // holds only some of its records as rows.
        case VK_NEXT:
        case VK_PRIOR: {
            if (m_editModified) m_link->UpdateRecord();
            const int page = std::max(1, GetVisibleRowCount());
            dataSet->MoveBy(Key == VK_NEXT ? page : -page);
            break;
        }
        case VK_HOME:
        case VK_END:
            if (!ctrl) {
                TCustomGrid::KeyDown(Key, Shift);
                return;
            }
            if (m_editModified) m_link->UpdateRecord();
            if (Key == VK_HOME)
                dataSet->First();
            else
                dataSet->Last();
            break;
        case VK_INSERT:
            if (!editing) return;
            dataSet->Insert();
            break;
        case VK_DELETE:
            if (!ctrl || !editing || dataSet->IsEmpty()) {
                TCustomGrid::KeyDown(Key, Shift);
                return;
            }
            if ((m_dbOptions & dgConfirmDelete) &&
                MessageBox(Handle(), "Delete record?", "Confirm", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
                break;
            dataSet->Delete();
            break;
        case VK_ESCAPE:
            if (m_editModified) {
                m_editModified = false;
                m_link->UpdateRecord();  // nothing to write; clears the link's state
                InvalidateEditor();
            } else if (dataSet->GetState() == dsEdit || dataSet->GetState() == dsInsert) {
                dataSet->Cancel();
            }
            if (GetEditorMode() && !(m_dbOptions & dgAlwaysShowEditor)) HideEditor();
            break;
        case VK_RETURN:
            if (GetEditorMode()) {
                if (m_editModified) m_link->UpdateRecord();
                HideEditor();
            } else if (CanEditShow()) {
                ShowEditor();
            }
            break;
        default:
            TCustomGrid::KeyDown(Key, Shift);
            return;
    }
    Key = 0;
}

void TDBGrid::DoExit() {
    if (InplaceEditor() && InplaceEditor()->HandleAllocated() &&
        GetFocus() == InplaceEditor()->Handle())
        return;
    TDataSet* dataSet = m_link->GetActive() ? m_link->GetDataSet() : nullptr;
    try {
        if (dataSet && (m_dbOptions & dgCancelOnExit) && dataSet->GetState() == dsInsert &&
            !dataSet->GetModified() && !m_editModified)
            dataSet->Cancel();
        else if (m_editModified)
            m_link->UpdateRecord();
    } catch (...) {
        // The typed text stays in the editor; the user is taken back to it.
        if (GetEditorMode() && InplaceEditor()->CanFocus())
            InplaceEditor()->SetFocus();
        else if (CanFocus())
            SetFocus();
        throw;
    }
    TCustomGrid::DoExit();
}

// Painting.

void TDBGrid::DefaultDrawColumnCell(const TRect& Rect, TField* Field) {
    if (!Field) return;
    TCanvas& canvas = *GetCanvas();
    std::string text = Field->GetDisplayText();
    TRect r{Rect.left + 2, Rect.top, Rect.right - 2, Rect.bottom};
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (Field->GetAlignment() == taRightJustify) flags |= DT_RIGHT;
    if (Field->GetAlignment() == taCenter) flags |= DT_CENTER;
    canvas.GetBrush()->SetStyle(bsClear);
    canvas.DrawText(text, r, flags);
    canvas.GetBrush()->SetStyle(bsSolid);
}

void TDBGrid::DrawIndicator(const TRect& Rect) {
    TDataSet* dataSet = m_link->GetDataSet();
    if (!dataSet) return;
    TCanvas& canvas = *GetCanvas();
    const int cx = (Rect.left + Rect.right) / 2, cy = (Rect.top + Rect.bottom) / 2;
    canvas.GetBrush()->SetColor(clBlack);
    canvas.GetPen()->SetColor(clBlack);
    switch (dataSet->GetState()) {
        case dsEdit:
            // An I-beam: the record is being edited.
            canvas.FillRect({cx, cy - 4, cx + 1, cy + 5});
            canvas.FillRect({cx - 2, cy - 4, cx + 3, cy - 3});
            canvas.FillRect({cx - 2, cy + 4, cx + 3, cy + 5});
            break;
        case dsInsert:
            // An asterisk: a new record.
            canvas.FillRect({cx, cy - 3, cx + 1, cy + 4});
            canvas.FillRect({cx - 3, cy, cx + 4, cy + 1});
            canvas.FillRect({cx - 2, cy - 2, cx - 1, cy - 1});
            canvas.FillRect({cx + 2, cy - 2, cx + 3, cy - 1});
            canvas.FillRect({cx - 2, cy + 2, cx - 1, cy + 3});
            canvas.FillRect({cx + 2, cy + 2, cx + 3, cy + 3});
            break;
        default: {
            // A triangle pointing at the current record.
            canvas.Polygon({{cx - 2, cy - 4}, {cx + 2, cy}, {cx - 2, cy + 4}});
            break;
        }
    }
}

void TDBGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    const int title = TitleOffset(), indicator = IndicatorOffset();
    TCanvas& canvas = *GetCanvas();
    if (ARow < title) {
        if (ACol < indicator) return;
        TColumn* column = ColumnAt(ACol);
        TField* field = ColumnField(ACol - indicator);
        std::string caption = column ? column->GetTitle()->GetCaption()
                                     : field ? field->GetDisplayLabel() : std::string();
        canvas.SetFont(&m_titleFont);
        TRect r{ARect.left + 2, ARect.top, ARect.right - 2, ARect.bottom};
        canvas.GetBrush()->SetStyle(bsClear);
        canvas.DrawText(caption, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        canvas.GetBrush()->SetStyle(bsSolid);
        return;
    }
    if (ACol < indicator) {
        if (ARow == GetRow() && m_link->GetActive()) DrawIndicator(ARect);
        return;
    }
    if (!m_link->GetActive()) return;
    TDataSet* dataSet = m_link->GetDataSet();
    const int record = ARow - title;
    if (!dataSet || record >= dataSet->BufferRecordCount()) return;
    (void)AState;
    const int old = m_link->GetActiveRecord();
    m_link->SetActiveRecord(record);
    DefaultDrawColumnCell(ARect, ColumnField(ACol - indicator));
    m_link->SetActiveRecord(old);
}
