#pragma once
// TMemoStrings: a memo's Lines, read from and written back to the memo's text, so that
// the memo stays the one owner of what it shows.
#include <string>
#include <vector>

#include "platform/vcl/core/Strings.h"

class TCustomEdit;

class TMemoStrings : public TStrings {
    QV_DECLARE_CLASS(TMemoStrings, TStrings)

    explicit TMemoStrings(TCustomEdit* Memo = nullptr) : m_memo(Memo) {}

    int Count() const override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;

protected:
    const std::string& Get(int Index) const override;
    void Put(int Index, const std::string& S) override;

private:
    // The memo's lines, split again whenever its text has changed.
    const std::vector<std::string>& Lines() const;
    void Store(const std::vector<std::string>& Lines);

    TCustomEdit* m_memo;
    mutable std::string m_source;
    mutable std::vector<std::string> m_lines;
    mutable bool m_split = false;
};
