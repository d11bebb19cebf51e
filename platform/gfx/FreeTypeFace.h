#pragma once
// A FreeType face at one pixel size, with its glyphs rendered once and kept.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <atomic>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gfx/Font.h"
#include "platform/gfx/FontMatch.h"

namespace gfx {

class FreeTypeFace final : public FontFace {
public:
    // emPixels is the character height; style picks the synthesised bold and italic and the
    // underline and strike-out lines. Throws std::runtime_error when the file cannot be read.
    FreeTypeFace(const FontMatch& match, int emPixels, FontStyles style);
    ~FreeTypeFace() override;
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    // The em size whose cell (ascent + descent) is cellPixels high, for a positive Height.
    static int EmForCell(const FontMatch& match, int cellPixels);

    std::string FamilyName() const override { return m_family; }
    const std::string& FileName() const { return m_file; }
    int EmPixels() const { return m_em; }
    int Ascent() const override { return m_ascent; }
    int Descent() const override { return m_descent; }
    int TextWidth(std::string_view utf8) const override;
    int CharWidth(char32_t ch) const override;
    void RenderGlyphs(std::string_view utf8, int x, int y, const GlyphFn& put) const override;

private:
    struct Glyph {
        int advance = 0;
        int left = 0;  // bitmap offset from the pen position
        int top = 0;   // rows of the bitmap above the baseline
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> coverage;
    };
    const Glyph& GetGlyph(char32_t ch) const;
    // The face to take a character from: this one when it has it, else a fallback face of
    // the same size that does (opened once and kept), else this one's missing-glyph box.
    FT_Face FaceFor(char32_t ch, FT_UInt& index, bool& synthesizeBold) const;
    Glyph LoadGlyph(char32_t ch) const;
    void ComputeMetrics();
    void RenderLine(int x, int y, int width, const GlyphFn& put) const;

    FT_Face m_face = nullptr;
    std::string m_file;
    std::string m_family;
    int m_em = 0;
    FontStyles m_style = 0;
    bool m_emboldened = false;
    bool m_slanted = false;
    int m_ascent = 0;
    int m_descent = 0;
    int m_underlineOffset = 0;  // pixels below the baseline
    int m_strikeOutOffset = 0;  // pixels above the baseline
    mutable std::mutex m_mutex;
    mutable std::unordered_map<char32_t, Glyph> m_glyphs;
    // The glyphs of ASCII characters once rendered, read without the lock: most text is
    // ASCII, and a map node never moves once made.
    mutable std::array<std::atomic<const Glyph*>, 128> m_ascii{};
    mutable std::unordered_map<std::string, FT_Face> m_fallbacks;  // by file and index
};

// The FreeType library shared by every face, with a lock around calls that touch it.
FT_Library FreeTypeLibrary();
std::mutex& FreeTypeMutex();

}  // namespace gfx
