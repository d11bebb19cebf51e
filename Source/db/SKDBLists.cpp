#include "Source/db/SKDBLists.h"

#include "Source/edits/SKScrollBar.h"
#include "Source/theme/SKFileTheme.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

const TClassInfo& TskDBListBox::StaticClassInfo() {
    using C = TskDBListBox;
    static const TClassInfo info =
        TClassBuilder<C>("TskDBListBox")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Reference("VScrollBar", &C::GetVScrollBar, &C::SetVScrollBar)
            .Build();
    return info;
}

TskDBListBox::TskDBListBox(TComponent* AOwner) : TDBListBox(AOwner) {
    m_controlStyle |= csOpaque;
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskDBListBox::~TskDBListBox() {
    m_bars.Link(true, nullptr);
}

void TskDBListBox::SetFileTheme(TskFileTheme* Value) {
    const TColor stored = m_frame.GetBorderColor();
    m_frame.SetFileTheme(Value);
    m_bars.ApplyFileTheme(Value);
    SetUIStyle(m_frame.GetUIStyle());
    m_frame.KeepStoredBorderColor(stored);
}

void TskDBListBox::SetUIStyle(TskUIStyle Value) {
    m_bars.ApplyStyle(m_frame.SetUIStyle(Value));
    Repaint();
}

void TskDBListBox::SetBorderColor(TColor Value) {
    m_frame.SetBorderColor(Value);
    Repaint();
}

void TskDBListBox::SetVScrollBar(TskScrollBar* Value) {
    if (m_bars.Link(true, Value)) m_bars.UpdatePositions();
}

void TskDBListBox::ItemsChanged() {
    TDBListBox::ItemsChanged();
    m_bars.UpdateBars();
}

void TskDBListBox::Notification(TComponent* AComponent, TOperation Operation) {
    TDBListBox::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    m_bars.Removed(AComponent);
    if (m_frame.FileThemeRemoved(AComponent)) SetUIStyle(DeepBlue);
}

void TskDBListBox::Loaded() {
    TDBListBox::Loaded();
    m_bars.UpdatePositions();
}

void TskDBListBox::CreateWnd() {
    TDBListBox::CreateWnd();
    m_bars.UpdateBars();
}

void TskDBListBox::WndProc(TMessage& Message) {
    TDBListBox::WndProc(Message);
    if (Message.Msg == WM_NCPAINT)
        m_frame.Draw();
    else
        m_bars.Follow(Message.Msg);
}

void TskDBListBox::WMPaint(TMessage& Message) {
    TDBListBox::WMPaint(Message);
    m_frame.Draw();
    // Selecting the field's item scrolls it into view without a scroll message.
    m_bars.UpdateBars();
}

void TskDBListBox::WMEraseBkgnd(TMessage& Message) {
    TDBListBox::WMEraseBkgnd(Message);
    m_frame.Draw();
}

const TClassInfo& TskDBLookupListBox::StaticClassInfo() {
    using C = TskDBLookupListBox;
    static const TClassInfo info =
        TClassBuilder<C>("TskDBLookupListBox")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Reference("VScrollBar", &C::GetVScrollBar, &C::SetVScrollBar)
            .Build();
    return info;
}

TskDBLookupListBox::TskDBLookupListBox(TComponent* AOwner) : TDBLookupListBox(AOwner) {
    m_controlStyle |= csOpaque;
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskDBLookupListBox::~TskDBLookupListBox() {
    m_bars.Link(true, nullptr);
}

void TskDBLookupListBox::SetFileTheme(TskFileTheme* Value) {
    const TColor stored = m_frame.GetBorderColor();
    m_frame.SetFileTheme(Value);
    m_bars.ApplyFileTheme(Value);
    SetUIStyle(m_frame.GetUIStyle());
    m_frame.KeepStoredBorderColor(stored);
}

void TskDBLookupListBox::SetUIStyle(TskUIStyle Value) {
    m_bars.ApplyStyle(m_frame.SetUIStyle(Value));
    Repaint();
}

void TskDBLookupListBox::SetBorderColor(TColor Value) {
    m_frame.SetBorderColor(Value);
    Repaint();
}

void TskDBLookupListBox::SetVScrollBar(TskScrollBar* Value) {
    if (m_bars.Link(true, Value)) m_bars.UpdatePositions();
}

void TskDBLookupListBox::ItemsChanged() {
    TDBLookupListBox::ItemsChanged();
    m_bars.UpdateBars();
}

void TskDBLookupListBox::Notification(TComponent* AComponent, TOperation Operation) {
    TDBLookupListBox::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    m_bars.Removed(AComponent);
    if (m_frame.FileThemeRemoved(AComponent)) SetUIStyle(DeepBlue);
}

void TskDBLookupListBox::Loaded() {
    TDBLookupListBox::Loaded();
    m_bars.UpdatePositions();
}

void TskDBLookupListBox::CreateWnd() {
    TDBLookupListBox::CreateWnd();
    m_bars.UpdateBars();
}

void TskDBLookupListBox::WndProc(TMessage& Message) {
    TDBLookupListBox::WndProc(Message);
    if (Message.Msg == WM_NCPAINT)
        m_frame.Draw();
    else
        m_bars.Follow(Message.Msg);
}

void TskDBLookupListBox::WMPaint(TMessage& Message) {
    TDBLookupListBox::WMPaint(Message);
    m_frame.Draw();
    // Selecting the field's item scrolls it into view without a scroll message.
    m_bars.UpdateBars();
}

void TskDBLookupListBox::WMEraseBkgnd(TMessage& Message) {
    TDBLookupListBox::WMEraseBkgnd(Message);
    m_frame.Draw();
}

void RegisterDBListClasses() {
    RegisterClass(TskDBListBox::StaticClassInfo());
    RegisterClass(TskDBLookupListBox::StaticClassInfo());
}
