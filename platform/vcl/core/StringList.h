#pragma once
// The string list that owns its strings, optionally kept sorted.
#include <string>
#include <vector>

#include "platform/vcl/core/Strings.h"

enum class TDuplicates { dupIgnore, dupAccept, dupError };
using enum TDuplicates;

class TStringList : public TStrings {
    QV_DECLARE_CLASS(TStringList, TStrings)

    TStringList() = default;

    int Count() const override { return static_cast<int>(m_items.size()); }
    int Add(const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    void Exchange(int Index1, int Index2) override;
    int IndexOf(std::string_view S) const override;
    // Binary search of a sorted list: true when found; Index is where S is or would go.
    bool Find(std::string_view S, int& Index) const;
    void Sort();

    bool GetSorted() const { return m_sorted; }
    void SetSorted(bool Value);
    TDuplicates GetDuplicates() const { return m_duplicates; }
    void SetDuplicates(TDuplicates Value) { m_duplicates = Value; }
    bool GetCaseSensitive() const { return m_caseSensitive; }
    void SetCaseSensitive(bool Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    const std::string& Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    void SetUpdateState(bool Updating) override;
    virtual void Changed();
    virtual void Changing();
    int CompareStrings(std::string_view S1, std::string_view S2) const;

private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    void InsertItem(int Index, const std::string& S, TObject* AObject);
    void CheckIndex(int Index) const;

    std::vector<Item> m_items;
    bool m_sorted = false;
    bool m_caseSensitive = false;
    TDuplicates m_duplicates = dupIgnore;
};
