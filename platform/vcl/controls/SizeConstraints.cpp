#include "platform/vcl/controls/SizeConstraints.h"

#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/controls/Control.h"

const TClassInfo& TSizeConstraints::StaticClassInfo() {
    using C = TSizeConstraints;
    static const TClassInfo info = TClassBuilder<C>("TSizeConstraints")
                                       .Integer("MaxHeight", &C::GetMaxHeight, &C::SetMaxHeight, 0)
                                       .Integer("MaxWidth", &C::GetMaxWidth, &C::SetMaxWidth, 0)
                                       .Integer("MinHeight", &C::GetMinHeight, &C::SetMinHeight, 0)
                                       .Integer("MinWidth", &C::GetMinWidth, &C::SetMinWidth, 0)
                                       .Build();
    return info;
}

void TSizeConstraints::Set(int& field, int value) {
    if (value < 0) throw EPropertyError("A size constraint cannot be negative");
    if (field == value) return;
    field = value;
    if (OnChange) OnChange(this);
}

void TSizeConstraints::SetMaxHeight(int Value) {
    Set(m_maxHeight, Value);
}
void TSizeConstraints::SetMaxWidth(int Value) {
    Set(m_maxWidth, Value);
}
void TSizeConstraints::SetMinHeight(int Value) {
    Set(m_minHeight, Value);
}
void TSizeConstraints::SetMinWidth(int Value) {
    Set(m_minWidth, Value);
}

void TSizeConstraints::Constrain(int& Width, int& Height) const {
    if (m_maxWidth > 0) Width = std::min(Width, m_maxWidth);
    if (m_maxHeight > 0) Height = std::min(Height, m_maxHeight);
    Width = std::max(Width, m_minWidth);
    Height = std::max(Height, m_minHeight);
}

void TSizeConstraints::Assign(const TPersistent* Source) {
    if (auto* s = dynamic_cast<const TSizeConstraints*>(Source)) {
        m_maxHeight = s->m_maxHeight;
        m_maxWidth = s->m_maxWidth;
        m_minHeight = s->m_minHeight;
        m_minWidth = s->m_minWidth;
        if (OnChange) OnChange(this);
        return;
    }
    inherited::Assign(Source);
}

TPersistent* TSizeConstraints::GetOwner() const {
    return m_control;
}
