#pragma once
// The smallest and largest size a control may take; 0 leaves that side free.
#include "platform/vcl/core/Event.h"
#include "platform/vcl/core/Persistent.h"

class TControl;

class TSizeConstraints : public TPersistent {
    QV_DECLARE_CLASS(TSizeConstraints, TPersistent)

    explicit TSizeConstraints(TControl* Control = nullptr) : m_control(Control) {}

    int GetMaxHeight() const { return m_maxHeight; }
    void SetMaxHeight(int Value);
    int GetMaxWidth() const { return m_maxWidth; }
    void SetMaxWidth(int Value);
    int GetMinHeight() const { return m_minHeight; }
    void SetMinHeight(int Value);
    int GetMinWidth() const { return m_minWidth; }
    void SetMinWidth(int Value);

    // Width and height brought within the limits.
    void Constrain(int& Width, int& Height) const;

    void Assign(const TPersistent* Source) override;
    TPersistent* GetOwner() const override;

    TNotifyEvent OnChange;

private:
    void Set(int& field, int value);

    TControl* m_control;
    int m_maxHeight = 0;
    int m_maxWidth = 0;
    int m_minHeight = 0;
    int m_minWidth = 0;
};
