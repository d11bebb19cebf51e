#include "Source/db/SKDBLists.h"

#include "Source/edits/SKScrollBar.h"
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

TskDBListBox::~TskDBListBox() {
    m_bars.Link(true, nullptr);
}

void TskDBListBox::SetVScrollBar(TskScrollBar* Value) {
    if (m_bars.Link(true, Value)) m_bars.UpdatePositions();
}

void TskDBListBox::ItemsChanged() {
    TskFlatFramed<TDBListBox>::ItemsChanged();
    m_bars.UpdateBars();
}

void TskDBListBox::Notification(TComponent* AComponent, TOperation Operation) {
    TskFlatFramed<TDBListBox>::Notification(AComponent, Operation);
    if (Operation == opRemove) m_bars.Removed(AComponent);
}

void TskDBListBox::Loaded() {
    TskFlatFramed<TDBListBox>::Loaded();
    m_bars.UpdatePositions();
}

void TskDBListBox::CreateWnd() {
    TskFlatFramed<TDBListBox>::CreateWnd();
    m_bars.UpdateBars();
}

void TskDBListBox::WndProc(TMessage& Message) {
    TskFlatFramed<TDBListBox>::WndProc(Message);
    m_bars.Follow(Message.Msg);
}

void TskDBListBox::WMPaint(TMessage& Message) {
    TskFlatFramed<TDBListBox>::WMPaint(Message);
    // Selecting the field's item scrolls it into view without a scroll message.
    m_bars.UpdateBars();
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

TskDBLookupListBox::~TskDBLookupListBox() {
    m_bars.Link(true, nullptr);
}

void TskDBLookupListBox::SetVScrollBar(TskScrollBar* Value) {
    if (m_bars.Link(true, Value)) m_bars.UpdatePositions();
}

void TskDBLookupListBox::ItemsChanged() {
    TskFlatFramed<TDBLookupListBox>::ItemsChanged();
    m_bars.UpdateBars();
}

void TskDBLookupListBox::Notification(TComponent* AComponent, TOperation Operation) {
    TskFlatFramed<TDBLookupListBox>::Notification(AComponent, Operation);
    if (Operation == opRemove) m_bars.Removed(AComponent);
}

void TskDBLookupListBox::Loaded() {
    TskFlatFramed<TDBLookupListBox>::Loaded();
    m_bars.UpdatePositions();
}

void TskDBLookupListBox::CreateWnd() {
    TskFlatFramed<TDBLookupListBox>::CreateWnd();
    m_bars.UpdateBars();
}

void TskDBLookupListBox::WndProc(TMessage& Message) {
    TskFlatFramed<TDBLookupListBox>::WndProc(Message);
    m_bars.Follow(Message.Msg);
}

void TskDBLookupListBox::WMPaint(TMessage& Message) {
    TskFlatFramed<TDBLookupListBox>::WMPaint(Message);
    // Selecting the field's item scrolls it into view without a scroll message.
    m_bars.UpdateBars();
}

void RegisterDBListClasses() {
    RegisterClass(TskDBListBox::StaticClassInfo());
    RegisterClass(TskDBLookupListBox::StaticClassInfo());
}
