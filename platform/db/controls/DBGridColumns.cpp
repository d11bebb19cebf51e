// The grid's columns: which field each shows, its title and width.
#include "platform/db/DataSet.h"
#include "platform/db/controls/DBGrid.h"
#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TColumnTitle::StaticClassInfo() {
    using C = TColumnTitle;
    static const TClassInfo info = TClassBuilder<C>("TColumnTitle")
                                       .String("Caption", &C::GetCaption, &C::SetCaption)
                                       .Stored([](C& c) { return c.HasCaption(); })
                                       .Build();
    return info;
}

std::string TColumnTitle::GetCaption() const {
    if (!m_caption.empty() || !m_column) return m_caption;
    TField* field = m_column->GetField();
    return field ? field->GetDisplayLabel() : m_column->GetFieldName();
}

void TColumnTitle::SetCaption(const std::string& Value) {
    m_caption = Value;
    if (m_column) m_column->Changed(false);
}

void TColumnTitle::Assign(const TPersistent* Source) {
    if (auto* title = dynamic_cast<const TColumnTitle*>(Source)) {
        SetCaption(title->m_caption);
        return;
    }
    TPersistent::Assign(Source);
}

const TClassInfo& TColumn::StaticClassInfo() {
    using C = TColumn;
    static const TClassInfo info =
        TClassBuilder<C>("TColumn")
            .String("FieldName", &C::GetFieldName, &C::SetFieldName)
            .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly)
            .Persistent("Title", [](C& c) { return c.GetTitle(); })
            .Boolean("Visible", &C::GetVisible, &C::SetVisible, true)
            .Integer("Width", &C::GetWidth, &C::SetWidth, 0)
            .Build();
    return info;
}

namespace {

// Holds the collection's updates while a column is built: the grid lays itself out again
// on every update and reads each column's title, which does not exist until the column's
// own constructor has run.
TCollection* HoldUpdates(TCollection* Collection) {
    if (Collection) Collection->BeginUpdate();
    return Collection;
}

}  // namespace

TColumn::TColumn(TCollection* Collection) : TCollectionItem(HoldUpdates(Collection)) {
    if (Collection) Collection->EndUpdate();
}

void TColumn::SetFieldName(const std::string& Value) {
    m_fieldName = Value;
    Changed(true);
}

TField* TColumn::GetField() const {
    TDBGrid* grid = Grid();
    if (!grid || m_fieldName.empty()) return nullptr;
    TDataSource* source = grid->GetDataSource();
    TDataSet* dataSet = source ? source->GetDataSet() : nullptr;
    return dataSet && dataSet->GetActive() ? dataSet->FindField(m_fieldName) : nullptr;
}

void TColumn::SetWidth(int Value) {
    m_width = std::max(Value, 0);
    Changed(true);
}

void TColumn::SetVisible(bool Value) {
    m_visible = Value;
    Changed(true);
}

void TColumn::SetReadOnly(bool Value) {
    m_readOnly = Value;
    Changed(false);
}

TDBGrid* TColumn::Grid() const {
    auto* columns = dynamic_cast<TDBGridColumns*>(Collection());
    return columns ? columns->Grid() : nullptr;
}

std::string TColumn::GetDisplayName() const {
    return m_fieldName.empty() ? TCollectionItem::GetDisplayName() : m_fieldName;
}

void TColumn::Assign(const TPersistent* Source) {
    if (auto* column = dynamic_cast<const TColumn*>(Source)) {
        m_fieldName = column->m_fieldName;
        m_title.Assign(&column->m_title);
        m_width = column->m_width;
        m_visible = column->m_visible;
        m_readOnly = column->m_readOnly;
        Changed(true);
        return;
    }
    TCollectionItem::Assign(Source);
}

const TClassInfo& TDBGridColumns::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TDBGridColumns>("TDBGridColumns").Build();
    return info;
}

TDBGridColumns::TDBGridColumns(TDBGrid* Grid)
    : TCollection(TColumn::StaticClassInfo(), Grid), m_grid(Grid) {}

void TDBGridColumns::Update(TCollectionItem*) {
    if (m_grid) m_grid->LayoutChanged();
}
