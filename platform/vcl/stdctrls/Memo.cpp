// TCustomMemo and TMemo.
#include "platform/vcl/stdctrls/Memo.h"

#include "platform/vcl/core/ClassBuilder.h"

namespace {

const TEnumInfo ScrollStyleInfo{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};

}  // namespace

const TClassInfo& TCustomMemo::StaticClassInfo() {
    using C = TCustomMemo;
    static const TClassInfo info =
        TClassBuilder<C>("TCustomMemo")
            .Persistent("Lines", &C::GetLines)
            .Hidden()
            .Enum("ScrollBars", ScrollStyleInfo, &C::GetScrollBars, &C::SetScrollBars, ssNone)
            .Hidden()
            .Boolean("WantReturns", &C::GetWantReturns, &C::SetWantReturns, true)
            .Hidden()
            .Boolean("WantTabs", &C::GetWantTabs, &C::SetWantTabs, false)
            .Hidden()
            .Boolean("WordWrap", &C::GetWordWrap, &C::SetWordWrap, true)
            .Hidden()
            .Build();
    return info;
}

const TClassInfo& TMemo::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TMemo>("TMemo")
                                       .Publish("Alignment")
                                       .Publish("BorderStyle")
                                       .Publish("Ctl3D")
                                       .Publish("HideSelection")
                                       .Publish("Lines")
                                       .Publish("MaxLength")
                                       .Publish("ReadOnly")
                                       .Publish("ScrollBars")
                                       .Publish("WantReturns")
                                       .Publish("WantTabs")
                                       .Publish("WordWrap")
                                       .Publish("OnChange")
                                       .Build();
    return info;
}

TCustomMemo::TCustomMemo(TComponent* AOwner)
    : TCustomEdit(AOwner), m_linesObject(std::make_unique<TMemoStrings>(this)) {
    m_wordWrap = true;
    SetBounds(GetLeft(), GetTop(), 185, 89);
    SetAutoSelect(false);
}

TCustomMemo::~TCustomMemo() {
    Destroying();
}

void TCustomMemo::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.Style |= ES_MULTILINE;
    if (m_wordWrap) Params.Style &= ~ES_AUTOHSCROLL;
    if (m_scrollBars == ssVertical || m_scrollBars == ssBoth) Params.Style |= WS_VSCROLL;
    if (m_scrollBars == ssHorizontal || m_scrollBars == ssBoth) Params.Style |= WS_HSCROLL;
}

void TCustomMemo::SetWordWrap(bool Value) {
    if (Value == m_wordWrap) return;
    m_wordWrap = Value;
    InvalidateLayout();
    RecreateWnd();
    Invalidate();
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
    if (Value == m_scrollBars) return;
    m_scrollBars = Value;
    InvalidateLayout();
    RecreateWnd();
}

TPoint TCustomMemo::GetCaretPos() {
    const std::string text = GetText();
    const int caret = CaretPos();
    int line = 0, start = 0;
    for (int i = 0; i < caret; ++i)
        if (text[i] == '\n') {
            ++line;
            start = i + 1;
        }
    return {caret - start, line};
}
