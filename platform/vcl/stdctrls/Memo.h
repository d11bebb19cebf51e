#pragma once
// TCustomMemo: the multi-line edit, with its text as Lines, word wrap, the Enter and Tab keys
// as text, and native scroll bars; TMemo is the one forms place.
#include <memory>

#include "platform/vcl/stdctrls/CustomEdit.h"
#include "platform/vcl/stdctrls/MemoStrings.h"

class TCustomMemo : public TCustomEdit {
    QV_DECLARE_CLASS(TCustomMemo, TCustomEdit)

    explicit TCustomMemo(TComponent* AOwner);
    ~TCustomMemo() override;

    TStrings* GetLines() { return m_linesObject.get(); }
    void SetLines(const TStrings* Value) { m_linesObject->Assign(Value); }
    bool GetWordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool Value);
    TScrollStyle GetScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool GetWantReturns() const { return m_wantReturns; }
    void SetWantReturns(bool Value) { m_wantReturns = Value; }
    bool GetWantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool Value) { m_wantTabs = Value; }
    // The caret's line and column.
    TPoint GetCaretPos();

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    std::unique_ptr<TMemoStrings> m_linesObject;
};

class TMemo : public TCustomMemo {
    QV_DECLARE_CLASS(TMemo, TCustomMemo)

    explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
};
