#include "platform/vcl/graphics/Font.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/TypInfo.h"

namespace {

const TEnumInfo FontStyleInfo{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};

const TIdentMap CharsetIdents{
    {0, "ANSI_CHARSET"},         {1, "DEFAULT_CHARSET"},       {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},         {128, "SHIFTJIS_CHARSET"},    {129, "HANGEUL_CHARSET"},
    {134, "GB2312_CHARSET"},     {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},
    {162, "TURKISH_CHARSET"},    {177, "HEBREW_CHARSET"},      {178, "ARABIC_CHARSET"},
    {186, "BALTIC_CHARSET"},     {204, "RUSSIAN_CHARSET"},     {222, "THAI_CHARSET"},
    {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
};

}  // namespace

const TClassInfo& TGraphicsObject::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TGraphicsObject>("TGraphicsObject").Build();
    return info;
}

void TGraphicsObject::Changed() {
    if (OnChange) OnChange(this);
}

const TClassInfo& TFont::StaticClassInfo() {
    static const gfx::FontDesc defaults;
    static const TClassInfo info =
        TClassBuilder<TFont>("TFont")
            .Integer("Charset", &TFont::GetCharset, &TFont::SetCharset, defaults.charset,
                     &CharsetIdents)
            .Color("Color", &TFont::GetColor, &TFont::SetColor, defaults.color)
            .Integer("Height", &TFont::GetHeight, &TFont::SetHeight, defaults.height)
            .String("Name", &TFont::GetName, &TFont::SetName)
            .Stored([](TFont& f) { return f.GetName() != defaults.name; })
            .Integer("Size", &TFont::GetSize, &TFont::SetSize)
            .NotStored()
            .Set("Style", FontStyleInfo, &TFont::GetStyle, &TFont::SetStyle)
            .Build();
    return info;
}

void TFont::SetCharset(int Value) {
    if (Value == m_desc.charset) return;
    m_desc.charset = Value;
    Changed();
}

void TFont::SetColor(TColor Value) {
    if (Value == m_desc.color) return;
    m_desc.color = Value;
    Changed();
}

void TFont::SetHeight(int Value) {
    if (Value == m_desc.height) return;
    m_desc.height = Value;
    Changed();
}

void TFont::SetName(const std::string& Value) {
    if (Value.empty() || Value == m_desc.name) return;
    m_desc.name = Value;
    Changed();
}

void TFont::SetSize(int Value) {
    gfx::FontDesc desc = m_desc;
    desc.SetSize(Value);
    SetHeight(desc.height);
}

void TFont::SetStyle(TFontStyles Value) {
    if (Value == m_desc.style) return;
    m_desc.style = Value;
    Changed();
}

void TFont::SetDesc(const gfx::FontDesc& Value) {
    if (Value == m_desc) return;
    m_desc = Value;
    Changed();
}

void TFont::Assign(const TPersistent* Source) {
    if (auto* font = dynamic_cast<const TFont*>(Source)) return SetDesc(font->m_desc);
    inherited::Assign(Source);
}
