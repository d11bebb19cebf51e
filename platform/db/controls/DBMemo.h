#pragma once
// TDBMemo: a memo that shows and edits a text (memo) field of the current record.
#include "platform/db/controls/DBControlLink.h"
#include "platform/vcl/stdctrls/Memo.h"

class TDBMemo : public TCustomMemo {
    QV_DECLARE_CLASS(TDBMemo, TCustomMemo)

    explicit TDBMemo(TComponent* AOwner);
    ~TDBMemo() override;

    TDataSource* GetDataSource() const { return m_data.GetDataSource(); }
    void SetDataSource(TDataSource* Value) { m_data.SetDataSource(Value); }
    std::string GetDataField() const { return m_data.GetDataField(); }
    void SetDataField(const std::string& Value) { m_data.SetDataField(Value); }
    bool GetReadOnly() const { return m_data.GetReadOnly(); }
    void SetReadOnly(bool Value) { m_data.SetReadOnly(Value); }
    TField* GetField() const { return m_data.GetField(); }
    TFieldDataLink* GetDataLink() { return &m_data.Link(); }
    // Offered an action: the control's own handling first, then its data link's.
    bool ExecuteAction(TBasicAction* Action) override {
        return inherited::ExecuteAction(Action) || m_data.Link().ExecuteAction(Action);
    }
    bool UpdateAction(TBasicAction* Action) override {
        return inherited::UpdateAction(Action) || m_data.Link().UpdateAction(Action);
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void Change() override;
    void DoExit() override;
    void WndProc(TMessage& Message) override;

private:
    TDBControlLink m_data{this};
};
