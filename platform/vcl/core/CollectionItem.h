#pragma once
// An item of a TCollection: it joins the collection it is created for and leaves it when
// freed.
#include <string>

#include "platform/vcl/core/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
    QV_DECLARE_CLASS(TCollectionItem, TPersistent)

    // Joins Collection (when given) at its end.
    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return m_collection; }
    void SetCollection(TCollection* Value);
    int GetIndex() const;
    void SetIndex(int Value);
    int ID() const { return m_id; }
    virtual std::string GetDisplayName() const;

    TPersistent* GetOwner() const override;
    std::string GetNamePath() const override;

protected:
    // Tells the collection this item changed (AllItems: the change affects every item).
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* m_collection = nullptr;
    int m_id = 0;
};
