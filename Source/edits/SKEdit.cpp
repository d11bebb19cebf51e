// TskEdit and TskMaskEdit: the platform's edits with the skin's flat frame.
#include "Source/edits/SKEdit.h"

#include "Source/edits/SKSpinEdit.h"

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

TColor SkinControlBorderColor(const TskFileTheme* FileTheme, TskUIStyle Style) {
    TskUIStyle effective = Style;
    if (UsingFileTheme(FileTheme, Style, effective))
        return FileTheme->GetColor(SkItem::ControlBorderColor);
    return GetInsideThemeColor(effective, SkItem::ControlBorderColor);
}

namespace {

// The frame goes on after whatever the platform painted: its client painting, its erasing
// and its own non-client painting, which fills the border band with the edit's colour.
bool PaintsOverFrame(UINT Msg) {
    return Msg == WM_NCPAINT;
}

}  // namespace

const TClassInfo& TskEdit::StaticClassInfo() {
    using C = TskEdit;
    static const TClassInfo info =
        TClassBuilder<C>("TskEdit")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Publish("AutoSelect")
            .Publish("AutoSize")
            .Publish("CharCase")
            .Publish("Color")
            .Publish("Constraints")
            .Publish("Ctl3D")
            .Publish("Enabled")
            .Publish("Font")
            .Publish("HideSelection")
            .Publish("MaxLength")
            .Publish("ParentColor")
            .Publish("ParentFont")
            .Publish("PasswordChar")
            .Publish("PopupMenu")
            .Publish("ReadOnly")
            .Publish("ShowHint")
            .Publish("TabOrder")
            .Publish("TabStop")
            .Publish("Text")
            .Publish("Visible")
            .Publish("OnChange")
            .Build();
    return info;
}

TskEdit::TskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
    m_controlStyle |= csOpaque;
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskEdit::~TskEdit() = default;

void TskEdit::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
    m_fileTheme = Value;
    if (m_fileTheme) m_fileTheme->FreeNotification(this);
    // References are resolved after the whole form is read; a border colour the form
    // stores must still win over the theme's, as it would had the theme come first.
    const TColor stored = m_borderColor;
    SetUIStyle(m_uiStyle);
    if ((ComponentState() & csLoading) && m_borderColorRead) SetBorderColor(stored);
}

void TskEdit::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    m_borderColor = SkinControlBorderColor(m_fileTheme, m_uiStyle);
    UIStyleChanged();
    Repaint();
}

void TskEdit::SetBorderColor(TColor Value) {
    m_borderColor = Value;
    if (ComponentState() & csLoading) m_borderColorRead = true;
    Repaint();
}

void TskEdit::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TskEdit::WndProc(TMessage& Message) {
    TCustomEdit::WndProc(Message);
    if (PaintsOverFrame(Message.Msg) && HandleAllocated())
        DrawControlBorder(this, m_borderColor, GetColor(), true);
}

void TskEdit::WMPaint(TMessage& Message) {
    TCustomEdit::WMPaint(Message);
    DrawControlBorder(this, m_borderColor, GetColor(), true);
}

void TskEdit::WMEraseBkgnd(TMessage& Message) {
    TCustomEdit::WMEraseBkgnd(Message);
    DrawControlBorder(this, m_borderColor, GetColor(), true);
}

const TClassInfo& TskMaskEdit::StaticClassInfo() {
    using C = TskMaskEdit;
    static const TClassInfo info =
        TClassBuilder<C>("TskMaskEdit")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Publish("AutoSelect")
            .Publish("AutoSize")
            .Publish("BorderStyle")
            .Publish("CharCase")
            .Publish("Color")
            .Publish("Constraints")
            .Publish("Enabled")
            .Publish("EditMask")
            .Publish("Font")
            .Publish("MaxLength")
            .Publish("ParentColor")
            .Publish("ParentFont")
            .Publish("PasswordChar")
            .Publish("PopupMenu")
            .Publish("ReadOnly")
            .Publish("ShowHint")
            .Publish("TabOrder")
            .Publish("TabStop")
            .Publish("Text")
            .Publish("Visible")
            .Publish("OnChange")
            .Build();
    return info;
}

TskMaskEdit::TskMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
    m_controlStyle |= csOpaque;
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskMaskEdit::~TskMaskEdit() = default;

void TskMaskEdit::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
    m_fileTheme = Value;
    if (m_fileTheme) m_fileTheme->FreeNotification(this);
    const TColor stored = m_borderColor;
    SetUIStyle(m_uiStyle);
    if ((ComponentState() & csLoading) && m_borderColorRead) SetBorderColor(stored);
}

void TskMaskEdit::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    m_borderColor = SkinControlBorderColor(m_fileTheme, m_uiStyle);
    Repaint();
}

void TskMaskEdit::SetBorderColor(TColor Value) {
    m_borderColor = Value;
    if (ComponentState() & csLoading) m_borderColorRead = true;
    Repaint();
}

void TskMaskEdit::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomMaskEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TskMaskEdit::WndProc(TMessage& Message) {
    TCustomMaskEdit::WndProc(Message);
    if (PaintsOverFrame(Message.Msg) && HandleAllocated())
        DrawControlBorder(this, m_borderColor, GetColor(), true);
}

void TskMaskEdit::WMPaint(TMessage& Message) {
    TCustomMaskEdit::WMPaint(Message);
    DrawControlBorder(this, m_borderColor, GetColor(), true);
}

void TskMaskEdit::WMEraseBkgnd(TMessage& Message) {
    TCustomMaskEdit::WMEraseBkgnd(Message);
    DrawControlBorder(this, m_borderColor, GetColor(), true);
}

void RegisterSKEditClasses() {
    for (const TClassInfo* info : {&TskEdit::StaticClassInfo(), &TskMaskEdit::StaticClassInfo(),
                                   &TskNumberEdit::StaticClassInfo()})
        RegisterClass(*info);
    RegisterSKSpinEditClasses();
}
