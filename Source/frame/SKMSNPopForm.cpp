#include "Source/frame/SKMSNPopForm.h"

#include "Source/frame/frmMSNPop.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

namespace {

constexpr TColor kNavy = 0x800000;
constexpr int kRightGap = 18;

}  // namespace

const TClassInfo& TskMSNPopForm::StaticClassInfo() {
    using C = TskMSNPopForm;
    static const TClassInfo info =
        TClassBuilder<C>("TskMSNPopForm")
            .Integer("AnimateTime", &C::GetAnimateTime, &C::SetAnimateTime, 400)
            .Integer("StayTime", &C::GetStayTime, &C::SetStayTime, 2000)
            .Integer("PositionX", &C::GetPositionX, &C::SetPositionX, 0)
            .Integer("PositionY", &C::GetPositionY, &C::SetPositionY, 0)
            .Boolean("AutoPosition", &C::GetAutoPosition, &C::SetAutoPosition, true)
            .Boolean("ClickHide", &C::GetClickHide, &C::SetClickHide, false)
            .String("Title", &C::GetTitle, &C::SetTitle)
            .String("MessageText", &C::GetMessageText, &C::SetMessageText)
            .Persistent("TitleFont", [](C& c) { return c.GetTitleFont(); })
            .Persistent("MessageFont", [](C& c) { return c.GetMessageFont(); })
            .Event("OnTitleClick", &C::OnTitleClick)
            .Event("OnClick", &C::OnClick)
            .Event("OnClose", &C::OnClose)
            .Build();
    return info;
}

TskMSNPopForm::TskMSNPopForm(TComponent* AOwner) : TComponent(AOwner) {
    m_titleFont.SetColor(kNavy);
    m_messageFont.SetColor(kNavy);
    m_window = TCustomForm::Create<TfrmMSNPopForm>(this);
    m_window->OnBodyClick = [this](TObject* Sender) { InternalOnClick(Sender); };
    m_window->lbl_text->OnClick = [this](TObject* Sender) { InternalOnClick(Sender); };
    m_window->lbl_title->OnClick = [this](TObject* Sender) { InternalOnTitleClick(Sender); };
    m_window->OnCloseEvent = [this](TObject* Sender) { InternalOnClose(Sender); };
    m_window->AnimateTime = m_animateTime;
    m_window->Hide();
}

TskMSNPopForm::~TskMSNPopForm() {
    // The window goes first, while this component still stands, and tells no one: a
    // notification freed while it shows fires no OnClose and slides nothing.
    TfrmMSNPopForm* window = m_window;
    m_window = nullptr;
    window->OnCloseEvent = nullptr;
    window->OnBodyClick = nullptr;
    window->Timer1->SetEnabled(false);
    delete window;
}

void TskMSNPopForm::Popup() {
    m_window->AnimateTime = m_animateTime;
    m_window->StayTime = m_stayTime;
    m_window->ClickHide = m_clickHide;
    m_window->lbl_title->SetCaption(m_title);
    m_window->lbl_title->SetFont(&m_titleFont);
    m_window->lbl_text->SetCaption(m_messageText);
    m_window->lbl_text->SetFont(&m_messageFont);
    if (m_autoPosition) {
        const TRect work = GetWorkAreaRect();
        m_window->SetLeft(work.right - m_window->GetWidth() - kRightGap);
        m_window->SetTop(work.bottom - m_window->GetHeight());
    } else {
        m_window->SetLeft(m_positionX);
        m_window->SetTop(m_positionY);
    }
    if (m_window->GetVisible())
        SetWindowPos(m_window->Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    m_window->Show();
    m_window->Timer1->SetEnabled(true);
}

void TskMSNPopForm::Close() {
    m_window->Timer1->SetEnabled(false);
    m_window->Hide();
}

void TskMSNPopForm::InternalOnClick(TObject*) {
    if (OnClick) OnClick(this);
}

void TskMSNPopForm::InternalOnTitleClick(TObject*) {
    if (OnTitleClick) OnTitleClick(this);
}

void TskMSNPopForm::InternalOnClose(TObject*) {
    if (OnClose) OnClose(this);
}

void RegisterMSNPopClasses() {
    RegisterClassesOf<TskMSNPopForm, TfrmMSNPopForm>();
}
