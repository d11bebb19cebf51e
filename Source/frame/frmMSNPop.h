#pragma once
// TfrmMSNPopForm: the notification window that TskMSNPopForm shows: a borderless picture
// with a title and a message, sliding up from the bottom of the work area, staying for a
// while and sliding down again. It never takes the keyboard focus from the window the user
// is working in.
#include <memory>

#include "platform/vcl/controls/Form.h"
#include "platform/vcl/controls/Timer.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/stdctrls/Label.h"

class TfrmMSNPopForm : public TForm {
    QV_DECLARE_CLASS(TfrmMSNPopForm, TForm)

    explicit TfrmMSNPopForm(TComponent* AOwner);
    ~TfrmMSNPopForm() override;
    void AfterConstruction() override;

    TTimer* Timer1 = nullptr;
    TLabel* lbl_title = nullptr;
    TLabel* lbl_text = nullptr;

    void FormCreate(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormHide(TObject* Sender);
    void FormClick(TObject* Sender);
    void FormMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Timer1Timer(TObject* Sender);

    // Set by the component before each showing.
    int AnimateTime = 400;
    int StayTime = 2000;
    bool ClickHide = false;
    // Fired once the window has been hidden, and on a click of its body.
    TNotifyEvent OnCloseEvent;
    TNotifyEvent OnBodyClick;

    // The close box of the picture, both ends included.
    static constexpr TRect CloseBox{162, 6, 175, 19};

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void WndProc(TMessage& Message) override;

private:
    std::unique_ptr<TBitmap> m_background;
    DWORD m_shownTick = 0;
    bool m_closeBoxPressed = false;
};
