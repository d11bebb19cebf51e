#include "platform/vcl/controls/CustomControl.h"

#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TCustomControl::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCustomControl>("TCustomControl").Build();
    return info;
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), m_canvas(this) {}

TCustomControl::~TCustomControl() {
    m_canvas.FreeHandle();
}

void TCustomControl::PaintWindow(HDC DC) {
    m_canvas.SetHandle(DC);
    try {
        Paint();
    } catch (...) {
        m_canvas.SetHandle(nullptr);
        throw;
    }
    m_canvas.SetHandle(nullptr);
}
