#include "platform/vcl/controls/ControlCanvas.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/win/Windows.h"

const TClassInfo& TControlCanvas::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TControlCanvas>("TControlCanvas").Build();
    return info;
}

TControlCanvas::~TControlCanvas() {
    FreeHandle();
}

void TControlCanvas::SetControl(TControl* Value) {
    if (Value == m_control) return;
    FreeHandle();
    m_control = Value;
}

void TControlCanvas::SetHandle(HDC DC) {
    FreeHandle();
    m_dc = DC;
    SetTarget(DC ? CanvasFromDC(DC) : nullptr);
}

void TControlCanvas::FreeHandle() {
    if (m_window && m_dc) ReleaseDC(m_window, m_dc);
    m_window = nullptr;
    m_dc = nullptr;
    SetTarget(nullptr);
}

void TControlCanvas::CreateHandle() {
    if (!m_control) return;
    if (auto* windowed = dynamic_cast<TWinControl*>(m_control)) {
        m_window = windowed->Handle();
        m_dc = GetDC(m_window);
        SetTarget(CanvasFromDC(m_dc));
        return;
    }
    TWinControl* parent = m_control->GetParent();
    if (!parent) return;
    m_window = parent->Handle();
    m_dc = GetDC(m_window);
    SetViewportOrgEx(m_dc, m_control->GetLeft(), m_control->GetTop(), nullptr);
    IntersectClipRect(m_dc, 0, 0, m_control->GetWidth(), m_control->GetHeight());
    SetTarget(CanvasFromDC(m_dc));
}
