#include "Source/db/SKDBFrame.h"

#include "Source/edits/SKEdit.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/controls/WinControl.h"

TskDBFrame::~TskDBFrame() {
    if (m_fileTheme) m_fileTheme->RemoveFreeNotification(m_control);
}

void TskDBFrame::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme == Value) return;
    if (m_fileTheme) m_fileTheme->RemoveFreeNotification(m_control);
    m_fileTheme = Value;
    if (m_fileTheme) m_fileTheme->FreeNotification(m_control);
}

TskUIStyle TskDBFrame::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    m_borderColor = SkinControlBorderColor(m_fileTheme, Value);
    TskUIStyle effective = Value;
    UsingFileTheme(m_fileTheme, Value, effective);
    return effective;
}

void TskDBFrame::SetBorderColor(TColor Value) {
    m_borderColor = Value;
    if (m_control->ComponentState() & csLoading) m_borderColorRead = true;
}

void TskDBFrame::KeepStoredBorderColor(TColor Stored) {
    if ((m_control->ComponentState() & csLoading) && m_borderColorRead) m_borderColor = Stored;
}

bool TskDBFrame::FileThemeRemoved(const TComponent* AComponent) {
    if (!AComponent || AComponent != m_fileTheme) return false;
    m_fileTheme = nullptr;
    return true;
}

void TskDBFrame::Draw() {
    if (m_control->HandleAllocated())
        DrawControlBorder(m_control, m_borderColor, m_control->GetColor(), true);
}
