#include "platform/gfx/FreeTypeFace.h"

#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <stdexcept>

namespace gfx {

namespace {

// Metrics in font units that decide the text cell, as Windows reads them.
struct CellMetrics {
    int unitsPerEm = 2048;
    int ascent = 0;
    int descent = 0;
};

CellMetrics ReadCellMetrics(FT_Face face) {
    CellMetrics m;
    m.unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        m.ascent = os2->usWinAscent;
        m.descent = os2->usWinDescent;
    } else {
        m.ascent = face->ascender;
        m.descent = -face->descender;
    }
    if (m.ascent + m.descent <= 0) {
        m.ascent = m.unitsPerEm * 4 / 5;
        m.descent = m.unitsPerEm / 5;
    }
    return m;
}

// Rounds up so that no hinted outline reaches outside the cell.
int ScaleUp(int units, int em, int unitsPerEm) {
    return static_cast<int>((static_cast<long long>(units) * em + unitsPerEm - 1) / unitsPerEm);
}

int ScaleRound(int units, int em, int unitsPerEm) {
    return static_cast<int>(std::lround(static_cast<double>(units) * em / unitsPerEm));
}

int CellFor(const CellMetrics& m, int em) {
    return ScaleUp(m.ascent, em, m.unitsPerEm) + ScaleUp(m.descent, em, m.unitsPerEm);
}

// FreeType reads the font through this stream instead of mapping the file: a face needs a
// few tables and the outlines of the glyphs drawn, and a mapping of the file would keep
// every page touched around them resident (most of the file).
unsigned long ReadFontFile(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                           unsigned long count) {
    if (count == 0) return offset > stream->size ? 1 : 0;  // a seek: non-zero is an error
    const int fd = static_cast<int>(stream->descriptor.value);
    unsigned long done = 0;
    while (done < count) {
        const ssize_t n = pread(fd, buffer + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<unsigned long>(n);
    }
    return done;
}

// Called by FreeType when the face is done with, or when opening it failed.
void CloseFontFile(FT_Stream stream) {
    ::close(static_cast<int>(stream->descriptor.value));
    delete stream;
}

FT_Stream OpenFontFile(const std::string& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    auto* stream = new FT_StreamRec{};
    stream->size = static_cast<unsigned long>(info.st_size);
    stream->descriptor.value = fd;
    stream->read = ReadFontFile;
    stream->close = CloseFontFile;
    return stream;
}

FT_Face OpenFace(const std::string& file, int index) {
    FT_Face face = nullptr;
    std::lock_guard lock(FreeTypeMutex());
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = OpenFontFile(file);
    // FreeType closes the stream itself, whether the face opens or not.
    if (!args.stream || FT_Open_Face(FreeTypeLibrary(), &args, index, &face) != 0)
        throw std::runtime_error("FreeType cannot read the font file \"" + file + "\"");
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0 && face->num_charmaps > 0)
        FT_Set_Charmap(face, face->charmaps[0]);
    return face;
}

}  // namespace

FT_Library FreeTypeLibrary() {
    // Never freed: faces cached in static objects may outlive any other owner.
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0) throw std::runtime_error("FreeType could not start");
        // Pin the hinting engine so that text renders the same whatever the environment's
        // FREETYPE_PROPERTIES say. The full bytecode interpreter snaps stems to whole pixels
        // in both directions, which keeps small dialog text as crisp as on Windows.
        FT_UInt interpreter = TT_INTERPRETER_VERSION_35;
        FT_Property_Set(lib, "truetype", "interpreter-version", &interpreter);
        return lib;
    }();
    return library;
}

std::mutex& FreeTypeMutex() {
    static std::mutex mutex;
    return mutex;
}

int FreeTypeFace::EmForCell(const FontMatch& match, int cellPixels) {
    FT_Face face = OpenFace(match.file, match.index);
    const CellMetrics m = ReadCellMetrics(face);
    {
        std::lock_guard lock(FreeTypeMutex());
        FT_Done_Face(face);
    }
    // The largest em size whose cell still fits the height asked for.
    int em = std::max(1, static_cast<int>(static_cast<long long>(cellPixels) * m.unitsPerEm /
                                          (m.ascent + m.descent)));
    while (em > 1 && CellFor(m, em) > cellPixels) --em;
    while (CellFor(m, em + 1) <= cellPixels) ++em;
    return em;
}

FreeTypeFace::FreeTypeFace(const FontMatch& match, int emPixels, FontStyles style)
    : m_file(match.file),
      m_family(match.family),
      m_em(std::max(emPixels, 1)),
      m_style(style),
      m_emboldened(match.synthesizeBold),
      m_slanted(match.synthesizeItalic) {
    m_face = OpenFace(match.file, match.index);
    if (FT_Set_Pixel_Sizes(m_face, 0, static_cast<FT_UInt>(m_em)) != 0) {
        std::lock_guard lock(FreeTypeMutex());
        FT_Done_Face(m_face);
        throw std::runtime_error("FreeType cannot size \"" + m_file + "\" to " +
                                 std::to_string(m_em) + " pixels");
    }
    if (m_family.empty() && m_face->family_name) m_family = m_face->family_name;
    ComputeMetrics();
}

FreeTypeFace::~FreeTypeFace() {
    std::lock_guard lock(FreeTypeMutex());
    for (auto& [key, face] : m_fallbacks)
        if (face) FT_Done_Face(face);
    FT_Done_Face(m_face);
}

FT_Face FreeTypeFace::FaceFor(char32_t ch, FT_UInt& index, bool& synthesizeBold) const {
    index = FT_Get_Char_Index(m_face, ch);
    synthesizeBold = m_emboldened;
    if (index != 0 || ch < 0x80) return m_face;
    const std::optional<FontMatch> match =
        MatchFontForChar(ch, (m_style & fsBold) != 0, (m_style & fsItalic) != 0);
    if (!match || match->file == m_file) return m_face;
    const std::string key = match->file + "#" + std::to_string(match->index);
    auto it = m_fallbacks.find(key);
    if (it == m_fallbacks.end()) {
        FT_Face face = nullptr;
        try {
            face = OpenFace(match->file, match->index);
            if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(m_em)) != 0) {
                std::lock_guard lock(FreeTypeMutex());
                FT_Done_Face(face);
                face = nullptr;
            }
        } catch (const std::runtime_error&) {
            face = nullptr;
        }
        it = m_fallbacks.emplace(key, face).first;
    }
    if (!it->second) return m_face;
    const FT_UInt fallbackIndex = FT_Get_Char_Index(it->second, ch);
    if (fallbackIndex == 0) return m_face;
    index = fallbackIndex;
    synthesizeBold = match->synthesizeBold;
    return it->second;
}

void FreeTypeFace::ComputeMetrics() {
    const CellMetrics m = ReadCellMetrics(m_face);
    m_ascent = ScaleUp(m.ascent, m_em, m.unitsPerEm);
    m_descent = ScaleUp(m.descent, m_em, m.unitsPerEm);
    // The underline sits below the baseline with a row of space, inside the cell.
    int underline = ScaleRound(-m_face->underline_position, m_em, m.unitsPerEm);
    m_underlineOffset = std::clamp(underline, 1, std::max(1, m_descent - 1));
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(m_face, FT_SFNT_OS2));
    const int strikeUnits = os2 && os2->version != 0xFFFF && os2->yStrikeoutPosition > 0
                                ? os2->yStrikeoutPosition
                                : m.unitsPerEm * 26 / 100;
    m_strikeOutOffset = std::clamp(ScaleRound(strikeUnits, m_em, m.unitsPerEm), 1, m_ascent);
}

FreeTypeFace::Glyph FreeTypeFace::LoadGlyph(char32_t ch) const {
    Glyph glyph;
    // A character no installed face has gets glyph 0, the face's own missing-glyph box.
    FT_UInt index = 0;
    bool embolden = false;
    FT_Face face = FaceFor(ch, index, embolden);
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0 &&
        FT_Load_Glyph(face, 0, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0)
        return glyph;
    FT_GlyphSlot slot = face->glyph;
    if (m_slanted) FT_GlyphSlot_Oblique(slot);
    if (embolden) FT_GlyphSlot_Embolden(slot);
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
    for (int row = 0; row < glyph.height; ++row) {
        const unsigned char* source =
            bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        std::copy_n(source, glyph.width,
                    glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width);
    }
    return glyph;
}

const FreeTypeFace::Glyph& FreeTypeFace::GetGlyph(char32_t ch) const {
    if (ch < m_ascii.size()) {
        if (const Glyph* glyph = m_ascii[ch].load(std::memory_order_acquire)) return *glyph;
    }
    std::lock_guard lock(m_mutex);
    auto it = m_glyphs.find(ch);
    if (it == m_glyphs.end()) it = m_glyphs.emplace(ch, LoadGlyph(ch)).first;
    // Map nodes stay where they are when the table grows, so the reference stays valid.
    if (ch < m_ascii.size()) m_ascii[ch].store(&it->second, std::memory_order_release);
    return it->second;
}

int FreeTypeFace::CharWidth(char32_t ch) const {
    return GetGlyph(ch).advance;
}

int FreeTypeFace::TextWidth(std::string_view utf8) const {
    int width = 0;
    for (std::size_t pos = 0; pos < utf8.size();) width += CharWidth(DecodeUtf8(utf8, pos));
    return width;
}

void FreeTypeFace::RenderLine(int x, int y, int width, const GlyphFn& put) const {
    if (width <= 0) return;
    const std::vector<std::uint8_t> line(static_cast<std::size_t>(width), 255);
    put(x, y, width, 1, line.data());
}

void FreeTypeFace::RenderGlyphs(std::string_view utf8, int x, int y, const GlyphFn& put) const {
    const int baseline = y + m_ascent;
    int pen = x;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Glyph& glyph = GetGlyph(DecodeUtf8(utf8, pos));
        // Hinting can push an accent a pixel above the cell; it is cut there, so that
        // repainting the cell always erases everything the text drew.
        const int firstRow = std::max(0, y - (baseline - glyph.top));
        const int endRow = std::min(glyph.height, y + Height() - (baseline - glyph.top));
        if (endRow > firstRow && glyph.width > 0)
            put(pen + glyph.left, baseline - glyph.top + firstRow, glyph.width, endRow - firstRow,
                glyph.coverage.data() + static_cast<std::size_t>(firstRow) * glyph.width);
        pen += glyph.advance;
    }
    if (m_style & fsUnderline) RenderLine(x, baseline + m_underlineOffset, pen - x, put);
    if (m_style & fsStrikeOut) RenderLine(x, baseline - m_strikeOutOffset, pen - x, put);
}

}  // namespace gfx
