#pragma once
// TListBoxStrings: the items of a list box. Every change reaches the list box, which keeps
// its selection on the same string and its scroll range current; each string can carry
// flags (a check box's state) that travel with it when the list is sorted.
#include "platform/vcl/core/StringList.h"

class TCustomListBox;

class TListBoxStrings : public TStringList {
    QV_DECLARE_CLASS(TListBoxStrings, TStringList)

    explicit TListBoxStrings(TCustomListBox* ListBox);
    ~TListBoxStrings() override;

    TCustomListBox* GetListBox() const { return m_listBox; }

    int Add(const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    void Exchange(int Index1, int Index2) override;

    int GetItemFlags(int Index) const;
    void SetItemFlags(int Index, int Flags);

protected:
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    void Changed() override;

private:
    void FreeData(int Index);

    TCustomListBox* m_listBox;
};
