#pragma once
// TListItem: one row of a list view: its caption, the texts of the further columns
// (SubItems), an application pointer (Data) and its selection and focus, which the view
// keeps.
#include <memory>
#include <string>

#include "platform/gfx/Geometry.h"
#include "platform/vcl/core/Persistent.h"
#include "platform/vcl/comctrls/SubItems.h"
#include "platform/vcl/core/StringList.h"

class TCustomListView;
class TListItems;

// What part of an item DisplayRect reports, in the VCL's order.
enum TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };

class TListItem : public TPersistent {
    QV_DECLARE_CLASS(TListItem, TPersistent)

    explicit TListItem(TListItems* AOwner);
    ~TListItem() override;

    TListItems* Owner() const { return m_owner; }
    TCustomListView* GetListView() const;
    int GetIndex() const { return m_index; }

    const std::string& GetCaption() const { return m_caption; }
    void SetCaption(const std::string& Value);
    TStrings* GetSubItems() { return &m_subItems; }
    const TStrings* GetSubItems() const { return &m_subItems; }
    void SetSubItems(const TStrings* Value) { m_subItems.Assign(Value); }
    void* GetData() const { return m_data; }
    void SetData(void* Value) { m_data = Value; }
    int GetImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int Value) { m_imageIndex = Value; }

    bool GetSelected() const;
    void SetSelected(bool Value);
    bool GetFocused() const;
    void SetFocused(bool Value);

    // Scrolls the view until the item shows; with PartialOK a partly shown item is left.
    void MakeVisible(bool PartialOK);
    // The item's rectangle in the view's client coordinates.
    TRect DisplayRect(TDisplayCode Code) const;
    void Update();
    void Delete();

    void Assign(const TPersistent* Source) override;

private:
    friend class TListItems;
    friend class TSubItems;
    void SubItemsChanged();

    // Laid out without padding: a long list holds many of these.
    TListItems* m_owner;
    int m_index = -1;
    int m_imageIndex = -1;
    std::string m_caption;
    TSubItems m_subItems{this};
    void* m_data = nullptr;
};
