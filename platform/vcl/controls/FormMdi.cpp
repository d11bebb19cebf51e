// TCustomForm's MDI side: the frame a child lives in and the frame's list and arrangement
// of its children.
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/win/Windows.h"

TCustomForm* TCustomForm::MDIParent() const {
    TCustomForm* main = Application->MainForm();
    if (main && main != this && main->m_formStyle == fsMDIForm) {
        main->HandleNeeded();
        return main;
    }
    for (TCustomForm* f : Forms())
        if (f != this && f->m_formStyle == fsMDIForm) {
            f->HandleNeeded();
            return f;
        }
    return nullptr;
}

int TCustomForm::MDIChildCount() const {
    int n = 0;
    for (TCustomForm* f : Forms())
        if (f->m_formStyle == fsMDIChild && f->m_handle && m_clientHandle &&
            GetAncestor(f->m_handle, GA_PARENT) == m_clientHandle)
            ++n;
    return n;
}

TCustomForm* TCustomForm::MDIChildren(int Index) const {
    // In Z-order, the front child first, as the MDI client lists them.
    int n = 0;
    for (HWND h = m_clientHandle ? GetTopWindow(m_clientHandle) : nullptr; h;
         h = GetWindow(h, GW_HWNDNEXT))
        if (auto* form = dynamic_cast<TCustomForm*>(FindControl(h)))
            if (n++ == Index) return form;
    throw EListError("MDI child index out of bounds (" + IntToStr(Index) + ")");
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    for (HWND h = m_clientHandle ? GetTopWindow(m_clientHandle) : nullptr; h;
         h = GetWindow(h, GW_HWNDNEXT))
        if (auto* form = dynamic_cast<TCustomForm*>(FindControl(h)); form && form->GetVisible())
            return form;
    return nullptr;
}

void TCustomForm::Cascade() {
    const int count = MDIChildCount();
    std::vector<TCustomForm*> children;
    for (int i = count - 1; i >= 0; --i) children.push_back(MDIChildren(i));
    int offset = 0;
    for (TCustomForm* f : children) {
        f->SetBounds(offset, offset, f->GetWidth(), f->GetHeight());
        BringWindowToTop(f->Handle());
        offset += GetSystemMetrics(SM_CYCAPTION) + 4;
    }
}

void TCustomForm::Tile() {
    const int count = MDIChildCount();
    if (count == 0) return;
    RECT area;
    ::GetClientRect(m_clientHandle, &area);
    const int height = area.Height() / count;
    for (int i = 0; i < count; ++i) MDIChildren(i)->SetBounds(0, i * height, area.Width(), height);
}

void TCustomForm::Next() {
    if (MDIChildCount() < 2) return;
    TCustomForm* front = MDIChildren(0);
    SetWindowPos(front->Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    MDIChildren(0)->SetFocus();
}

void TCustomForm::Previous() {
    const int count = MDIChildCount();
    if (count < 2) return;
    TCustomForm* back = MDIChildren(count - 1);
    BringWindowToTop(back->Handle());
    back->SetFocus();
}
