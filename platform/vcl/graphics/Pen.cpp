#include "platform/vcl/graphics/Pen.h"

#include "platform/vcl/core/ClassBuilder.h"

namespace {

const TEnumInfo PenStyleInfo{
    "TPenStyle",
    {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}};
const TEnumInfo PenModeInfo{
    "TPenMode", {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmXor", "pmNotXor"}};

gfx::PenMode ToGfx(TPenMode mode) {
    switch (mode) {
        case pmBlack:
            return gfx::PenMode::Black;
        case pmWhite:
            return gfx::PenMode::White;
        case pmNop:
            return gfx::PenMode::Nop;
        case pmNot:
            return gfx::PenMode::Not;
        case pmCopy:
            return gfx::PenMode::Copy;
        case pmXor:
            return gfx::PenMode::Xor;
        case pmNotXor:
            return gfx::PenMode::NotXor;
    }
    return gfx::PenMode::Copy;
}

}  // namespace

const TClassInfo& TPen::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TPen>("TPen")
            .Color("Color", &TPen::GetColor, &TPen::SetColor, clBlack)
            .Enum("Mode", PenModeInfo, &TPen::GetMode, &TPen::SetMode, pmCopy)
            .Enum("Style", PenStyleInfo, &TPen::GetStyle, &TPen::SetStyle, psSolid)
            .Integer("Width", &TPen::GetWidth, &TPen::SetWidth, 1)
            .Build();
    return info;
}

void TPen::SetColor(TColor Value) {
    if (Value == m_pen.color) return;
    m_pen.color = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value) {
    if (Value == m_mode) return;
    m_mode = Value;
    m_pen.mode = ToGfx(Value);
    Changed();
}

void TPen::SetStyle(TPenStyle Value) {
    if (Value == GetStyle()) return;
    m_pen.style = static_cast<gfx::PenStyle>(Value);
    Changed();
}

void TPen::SetWidth(int Value) {
    if (Value < 0 || Value == m_pen.width) return;
    m_pen.width = Value;
    Changed();
}

void TPen::Assign(const TPersistent* Source) {
    if (auto* pen = dynamic_cast<const TPen*>(Source)) {
        m_pen = pen->m_pen;
        m_mode = pen->m_mode;
        return Changed();
    }
    inherited::Assign(Source);
}
