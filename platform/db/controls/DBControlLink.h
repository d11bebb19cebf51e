#pragma once
// What every single-field data-aware control shares: its field link, bound to its control,
// the DataSource/DataField/ReadOnly properties, and leaving the control by writing the
// pending edit into the record (focus comes back when the field refuses it).
#include <memory>
#include <string>

#include "platform/db/DataLink.h"
#include "platform/vcl/controls/ControlTypes.h"

class TWinControl;

class TDBControlLink {
public:
    explicit TDBControlLink(TWinControl* Control);
    ~TDBControlLink();

    TFieldDataLink& Link() { return *m_link; }
    TDataSource* GetDataSource() const { return m_link->GetDataSource(); }
    // Also asks for a removal notification, so that a freed source is forgotten.
    void SetDataSource(TDataSource* Value);
    std::string GetDataField() const { return m_link->GetFieldName(); }
    void SetDataField(const std::string& Value) { m_link->SetFieldName(Value); }
    bool GetReadOnly() const { return m_link->GetReadOnly(); }
    void SetReadOnly(bool Value) { m_link->SetReadOnly(Value); }
    TField* GetField() const { return m_link->GetField(); }
    // For the control's Notification.
    void Removed(TComponent* AComponent);
    // Writes the pending edit; on a refusal puts the focus back on the control and raises.
    void UpdateRecordOnExit();
    // Answers CM_GETDATALINK with the link; true when the message was that one.
    bool AnswerDataLink(TMessage& Message);

private:
    TWinControl* m_control;
    std::unique_ptr<TFieldDataLink> m_link;
};
