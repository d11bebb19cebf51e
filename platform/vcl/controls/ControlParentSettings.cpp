// The settings a control takes from its parent until it is given its own: whether hints
// show (ShowHint) and the reading order (BiDiMode). A parent's change reaches every child
// that still follows it, and through those their children.
#include "platform/vcl/controls/Control.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/win/Windows.h"

void TControl::SetShowHint(bool Value) {
    m_parentShowHint = false;
    if (Value == m_showHint) return;
    m_showHint = Value;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value) {
    if (Value == m_parentShowHint) return;
    m_parentShowHint = Value;
    if (Value && m_parent) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
    m_parentBiDiMode = false;
    if (Value == m_bidiMode) return;
    m_bidiMode = Value;
    Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool Value) {
    if (Value == m_parentBiDiMode) return;
    m_parentBiDiMode = Value;
    if (Value && m_parent) Perform(CM_PARENTBIDIMODECHANGED);
}

void TControl::CMShowHintChanged(TMessage&) {}

void TControl::CMParentShowHintChanged(TMessage&) {
    if (!m_parentShowHint || !m_parent || m_parent->GetShowHint() == m_showHint) return;
    m_showHint = m_parent->GetShowHint();
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::CMBiDiModeChanged(TMessage&) {
    Invalidate();
}

void TControl::CMParentBiDiModeChanged(TMessage&) {
    if (!m_parentBiDiMode || !m_parent || m_parent->GetBiDiMode() == m_bidiMode) return;
    m_bidiMode = m_parent->GetBiDiMode();
    Perform(CM_BIDIMODECHANGED);
}

void TControl::TakeParentSettings() {
    if (!m_parent) return;
    if (m_parentColor) Perform(CM_PARENTCOLORCHANGED);
    if (m_parentFont) Perform(CM_PARENTFONTCHANGED);
    if (m_parentShowHint) Perform(CM_PARENTSHOWHINTCHANGED);
    if (m_parentBiDiMode) Perform(CM_PARENTBIDIMODECHANGED);
}

void TWinControl::CMShowHintChanged(TMessage& Message) {
    TControl::CMShowHintChanged(Message);
    NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TWinControl::CMBiDiModeChanged(TMessage& Message) {
    TControl::CMBiDiModeChanged(Message);
    NotifyControls(CM_PARENTBIDIMODECHANGED);
}
