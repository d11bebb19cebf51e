#include "platform/vcl/comctrls/ListColumn.h"

#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"

namespace {

const TEnumInfo AlignmentInfo{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};

}  // namespace

const TClassInfo& TListColumn::StaticClassInfo() {
    using C = TListColumn;
    static const TClassInfo info =
        TClassBuilder<C>("TListColumn")
            .Enum("Alignment", AlignmentInfo, &C::GetAlignment, &C::SetAlignment, taLeftJustify)
            .String("Caption", &C::GetCaption, &C::SetCaption)
            .Stored([](C& c) { return !c.GetCaption().empty(); })
            .Integer("Width", &C::GetWidth, &C::SetWidth, 50)
            .Build();
    return info;
}

TListColumn::TListColumn(TCollection* Collection) : TCollectionItem(Collection) {}

void TListColumn::SetCaption(const std::string& Value) {
    if (Value == m_caption) return;
    m_caption = Value;
    Changed(false);
}

void TListColumn::SetWidth(int Value) {
    // A column can shrink to nothing but not below; the header has no negative widths.
    Value = std::max(Value, 0);
    if (Value == m_width) return;
    m_width = Value;
    Changed(true);
}

void TListColumn::SetAlignment(TAlignment Value) {
    if (Value == m_alignment) return;
    m_alignment = Value;
    Changed(false);
}

std::string TListColumn::GetDisplayName() const {
    return m_caption.empty() ? TCollectionItem::GetDisplayName() : m_caption;
}

void TListColumn::Assign(const TPersistent* Source) {
    if (auto* column = dynamic_cast<const TListColumn*>(Source)) {
        m_caption = column->m_caption;
        m_width = column->m_width;
        m_alignment = column->m_alignment;
        Changed(true);
        return;
    }
    TCollectionItem::Assign(Source);
}
