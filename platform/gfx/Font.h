#pragma once
// Fonts: a description (name, height, style, colour) and the rasteriser behind it
// (FreeType faces found through fontconfig).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/gfx/Color.h"

namespace gfx {

enum FontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using FontStyles = unsigned;

constexpr int DEFAULT_CHARSET = 1;
constexpr int ANSI_CHARSET = 0;

// What a font is asked to be. Height < 0 is the character height in pixels at 96 DPI,
// Height > 0 the cell height; Size is points (Size = -Height * 72 / 96).
struct FontDesc {
    std::string name = "MS Sans Serif";
    int height = -11;
    FontStyles style = 0;
    TColor color = clWindowText;
    int charset = DEFAULT_CHARSET;

    int Size() const;
    void SetSize(int points);
    friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

// A rasterised face at one pixel size, shared between canvases through a cache.
class FontFace {
public:
    virtual ~FontFace() = default;
    static std::shared_ptr<const FontFace> Get(const FontDesc& desc);
    // The file and family name fontconfig chose, for diagnostics and tests.
    virtual std::string FamilyName() const = 0;

    virtual int Ascent() const = 0;                      // pixels above the baseline
    virtual int Descent() const = 0;                     // pixels below the baseline
    int Height() const { return Ascent() + Descent(); }  // the text cell: TextHeight
    virtual int TextWidth(std::string_view utf8) const = 0;
    // Advance widths of each byte offset's character, to place a caret or an underline.
    virtual int CharWidth(char32_t ch) const = 0;

    // Calls plot(x, y, coverage 0..255) for every covered pixel of the text whose cell
    // starts at (x, y) (top of the cell, not the baseline), including underline and
    // strike-out lines for those styles.
    using PlotFn = std::function<void(int x, int y, std::uint8_t coverage)>;
    void Render(std::string_view utf8, int x, int y, const PlotFn& plot) const;

    // The same coverage a glyph at a time, for drawing that works on whole rows: put is
    // called in drawing order with a block's top left pixel, its size and its coverage
    // (rows of width bytes, 0 where the block leaves a pixel alone). Glyphs are rendered
    // once per face and kept, so the blocks are the cached renderings themselves.
    using GlyphFn =
        std::function<void(int x, int y, int width, int height, const std::uint8_t* coverage)>;
    virtual void RenderGlyphs(std::string_view utf8, int x, int y, const GlyphFn& put) const = 0;
};

// Starts a thread, for a program about to draw text, that reads fontconfig's
// configuration (most of a start-up's font work) and renders the default font's printable
// ASCII glyphs in its regular and bold faces: the first window's text finds them ready
// instead of waiting for them. Calling it again does nothing.
void PrepareFonts();

// Decodes one UTF-8 character at text[pos], advancing pos; bad bytes read as U+FFFD.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos);

// The UTF-8 bytes of one character; empty for a surrogate or a value past Unicode's end.
std::string EncodeUtf8(char32_t ch);

}  // namespace gfx
