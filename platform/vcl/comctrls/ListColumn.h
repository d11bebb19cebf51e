#pragma once
// TListColumn: one column of a report list view, with its header caption, width and the
// alignment of the text in its cells.
#include <string>

#include "platform/vcl/core/CollectionItem.h"
#include "platform/vcl/controls/ControlTypes.h"

class TListColumn : public TCollectionItem {
    QV_DECLARE_CLASS(TListColumn, TCollectionItem)

    explicit TListColumn(TCollection* Collection);

    const std::string& GetCaption() const { return m_caption; }
    void SetCaption(const std::string& Value);
    int GetWidth() const { return m_width; }
    void SetWidth(int Value);
    TAlignment GetAlignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);

    std::string GetDisplayName() const override;
    void Assign(const TPersistent* Source) override;

private:
    std::string m_caption;
    int m_width = 50;
    TAlignment m_alignment = taLeftJustify;
};
