#pragma once
// TFont: the name, height, style, colour and character set of text, over gfx::FontDesc.
#include <string>

#include "platform/gfx/Font.h"
#include "platform/vcl/graphics/GraphicsObject.h"

using TFontStyles = gfx::FontStyles;  // fsBold | fsItalic | fsUnderline | fsStrikeOut
using gfx::fsBold;
using gfx::fsItalic;
using gfx::fsStrikeOut;
using gfx::fsUnderline;

class TFont : public TGraphicsObject {
    QV_DECLARE_CLASS(TFont, TGraphicsObject)

    TFont() = default;

    int GetCharset() const { return m_desc.charset; }
    void SetCharset(int Value);
    TColor GetColor() const { return m_desc.color; }
    void SetColor(TColor Value);
    // Negative: the character height in pixels; positive: the cell height.
    int GetHeight() const { return m_desc.height; }
    void SetHeight(int Value);
    const std::string& GetName() const { return m_desc.name; }
    void SetName(const std::string& Value);
    // Points at 96 pixels per inch; setting it sets Height.
    int GetSize() const { return m_desc.Size(); }
    void SetSize(int Value);
    TFontStyles GetStyle() const { return m_desc.style; }
    void SetStyle(TFontStyles Value);

    const gfx::FontDesc& Desc() const { return m_desc; }
    void SetDesc(const gfx::FontDesc& Value);

    void Assign(const TPersistent* Source) override;

private:
    gfx::FontDesc m_desc;
};
