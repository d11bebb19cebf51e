#include "platform/vcl/controls/GraphicControl.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

const TClassInfo& TGraphicControl::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TGraphicControl>("TGraphicControl").Build();
    return info;
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), m_canvas(this) {}

TGraphicControl::~TGraphicControl() {
    m_canvas.FreeHandle();
}

void TGraphicControl::WndProc(TMessage& Message) {
    if (Message.Msg != WM_PAINT || !Message.WParam) {
        TControl::WndProc(Message);
        return;
    }
    m_canvas.SetHandle(reinterpret_cast<HDC>(Message.WParam));
    try {
        Paint();
    } catch (...) {
        m_canvas.SetHandle(nullptr);
        throw;
    }
    m_canvas.SetHandle(nullptr);
}
