#pragma once
// TskMSNPopForm: a notification with a title and a message that slides up at the bottom
// right of the work area, stays for StayTime and slides down again. It owns its window,
// TfrmMSNPopForm.
#include <string>

#include "platform/vcl/core/Component.h"
#include "platform/vcl/core/Event.h"
#include "platform/vcl/graphics/Font.h"

class TfrmMSNPopForm;

class TskMSNPopForm : public TComponent {
    QV_DECLARE_CLASS(TskMSNPopForm, TComponent)

    explicit TskMSNPopForm(TComponent* AOwner);
    ~TskMSNPopForm() override;

    // Shows the notification with the current properties; while it shows, takes the new
    // texts, fonts and place and comes to the front without restarting the stay.
    void Popup();
    // Stops the stay and slides the window out now.
    void Close();

    int GetAnimateTime() const { return m_animateTime; }
    void SetAnimateTime(int Value) { m_animateTime = Value; }
    int GetStayTime() const { return m_stayTime; }
    void SetStayTime(int Value) { m_stayTime = Value; }
    int GetPositionX() const { return m_positionX; }
    void SetPositionX(int Value) { m_positionX = Value; }
    int GetPositionY() const { return m_positionY; }
    void SetPositionY(int Value) { m_positionY = Value; }
    bool GetAutoPosition() const { return m_autoPosition; }
    void SetAutoPosition(bool Value) { m_autoPosition = Value; }
    bool GetClickHide() const { return m_clickHide; }
    void SetClickHide(bool Value) { m_clickHide = Value; }
    const std::string& GetTitle() const { return m_title; }
    void SetTitle(const std::string& Value) { m_title = Value; }
    const std::string& GetMessageText() const { return m_messageText; }
    void SetMessageText(const std::string& Value) { m_messageText = Value; }
    TFont* GetTitleFont() { return &m_titleFont; }
    void SetTitleFont(const TFont* Value) { m_titleFont.Assign(Value); }
    TFont* GetMessageFont() { return &m_messageFont; }
    void SetTextFont(const TFont* Value) { m_messageFont.Assign(Value); }

    // The window, for whoever needs to look at it.
    TfrmMSNPopForm* Window() const { return m_window; }

    TNotifyEvent OnTitleClick;
    TNotifyEvent OnClick;
    TNotifyEvent OnClose;

private:
    void InternalOnClick(TObject* Sender);
    void InternalOnTitleClick(TObject* Sender);
    void InternalOnClose(TObject* Sender);

    TfrmMSNPopForm* m_window = nullptr;
    int m_animateTime = 400;
    int m_stayTime = 2000;
    int m_positionX = 0;
    int m_positionY = 0;
    bool m_autoPosition = true;
    bool m_clickHide = false;
    std::string m_title;
    std::string m_messageText;
    TFont m_titleFont;
    TFont m_messageFont;
};

// Makes TskMSNPopForm and its window known to the form reader.
void RegisterMSNPopClasses();
