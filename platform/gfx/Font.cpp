#include "platform/gfx/Font.h"

#include <signal.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <tuple>

#include "platform/gfx/FontMatch.h"
#include "platform/gfx/FreeTypeFace.h"

namespace gfx {

namespace {

// MulDiv's rounding: halves go away from zero.
int MulDivRound(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

// A height of 0 asks for the default size; Windows picks 8 points for it.
constexpr int DEFAULT_EM_PIXELS = 11;
// Larger heights are clamped rather than rendered into enormous glyph bitmaps.
constexpr int MAX_EM_PIXELS = 2000;

}  // namespace

int FontDesc::Size() const {
    return MulDivRound(-height, 72, 96);
}

void FontDesc::SetSize(int points) {
    height = -MulDivRound(points, 96, 72);
}

std::shared_ptr<const FontFace> FontFace::Get(const FontDesc& desc) {
    const FontStyles style = desc.style & (fsBold | fsItalic | fsUnderline | fsStrikeOut);
    // Descriptions are looked up first, so that a repeated request costs no font matching.
    using DescKey = std::tuple<std::string, int, FontStyles>;
    static std::mutex descMutex;
    // Never destroyed, like the faces in them: the font thread may still be rendering the
    // default font's glyphs while a short-lived program exits.
    static auto& byDesc = *new std::map<DescKey, std::shared_ptr<const FontFace>>;
    const DescKey descKey{desc.name, desc.height, style};
    {
        std::lock_guard lock(descMutex);
        if (const auto it = byDesc.find(descKey); it != byDesc.end()) return it->second;
    }

    const FontMatch match = MatchFont(desc.name, style & fsBold, style & fsItalic);
    int em = DEFAULT_EM_PIXELS;
    if (desc.height < 0) em = -desc.height;
    if (desc.height > 0) em = FreeTypeFace::EmForCell(match, std::min(desc.height, MAX_EM_PIXELS));
    em = std::clamp(em, 1, MAX_EM_PIXELS);

    // Different names and heights that come to the same file and size share one face.
    using FaceKey = std::tuple<std::string, int, int, FontStyles>;
    static std::mutex faceMutex;
    static auto& byFace = *new std::map<FaceKey, std::shared_ptr<const FontFace>>;
    std::shared_ptr<const FontFace> face;
    {
        std::lock_guard lock(faceMutex);
        auto it = byFace.find({match.file, match.index, em, style});
        if (it == byFace.end())
            it = byFace
                     .emplace(FaceKey{match.file, match.index, em, style},
                              std::make_shared<FreeTypeFace>(match, em, style))
                     .first;
        face = it->second;
    }
    std::lock_guard lock(descMutex);
    byDesc.emplace(descKey, face);
    return face;
}

void PrepareFonts() {
    static std::once_flag started;
    std::call_once(started, [] {
        // Signals stay with the threads the program made; this one only reads files.
        sigset_t all, previous;
        sigfillset(&all);
        pthread_sigmask(SIG_SETMASK, &all, &previous);
        try {
            std::thread([] {
                // A failure here is met again, and reported, by the first match.
                try {
                    MatchDefaultFaces();
                    std::string printable;
                    for (char c = ' '; c < 0x7F; ++c) printable += c;
                    for (const FontStyles style : {FontStyles{0}, FontStyles{fsBold}}) {
                        FontDesc desc;
                        desc.style = style;
                        FontFace::Get(desc)->TextWidth(printable);
                    }
                } catch (...) {
                }
            }).detach();
        } catch (const std::system_error&) {
            // No thread to spare: the first text matches and renders for itself.
        }
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    });
}

void FontFace::Render(std::string_view utf8, int x, int y, const PlotFn& plot) const {
    RenderGlyphs(utf8, x, y, [&](int left, int top, int width, int height, const std::uint8_t* c) {
        for (int row = 0; row < height; ++row)
            for (int col = 0; col < width; ++col, ++c)
                if (*c != 0) plot(left + col, top + row, *c);
    });
}

char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
    constexpr char32_t REPLACEMENT = 0xFFFD;
    if (pos >= text.size()) return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t ch = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, ch = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, ch = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, ch = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return REPLACEMENT;
    }
    if (text.size() - pos < static_cast<std::size_t>(length)) {
        ++pos;
        return REPLACEMENT;
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return REPLACEMENT;
        }
        ch = (ch << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode's end are not characters.
    if (ch < minimum || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) {
        ++pos;
        return REPLACEMENT;
    }
    pos += length;
    return ch;
}

std::string EncodeUtf8(char32_t ch) {
    std::string out;
    if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return out;
    const auto put = [&](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (ch < 0x80) {
        put(ch);
    } else if (ch < 0x800) {
        put(0xC0 | (ch >> 6));
        put(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        put(0xE0 | (ch >> 12));
        put(0x80 | ((ch >> 6) & 0x3F));
        put(0x80 | (ch & 0x3F));
    } else {
        put(0xF0 | (ch >> 18));
        put(0x80 | ((ch >> 12) & 0x3F));
        put(0x80 | ((ch >> 6) & 0x3F));
        put(0x80 | (ch & 0x3F));
    }
    return out;
}

}  // namespace gfx
