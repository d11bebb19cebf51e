#pragma once
// TSubItems: the texts a list item shows in the columns after its caption. A list view may
// hold a hundred thousand rows of one sub-item each, so the first text lives inside the
// object and only further texts, or objects, take an allocation of their own.
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/core/Strings.h"

class TListItem;

class TSubItems final : public TStrings {
    QV_DECLARE_CLASS(TSubItems, TStrings)

    // Every change repaints item's row, once at the end of an update.
    explicit TSubItems(TListItem* item) : m_item(item) {}

    int Count() const override { return m_count; }
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;

protected:
    const std::string& Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    void SetUpdateState(bool Updating) override;

private:
    struct More {
        std::vector<std::string> texts;  // from the second on
        std::vector<TObject*> objects;   // all of them, or none while every one is null
    };
    void CheckIndex(int Index) const;
    std::string& Text(int Index);
    More& GetMore();
    void Changed();

    TListItem* m_item;
    std::string m_first;
    std::unique_ptr<More> m_more;
    int m_count = 0;
};
