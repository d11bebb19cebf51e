#include "platform/gfx/FontMatch.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <tuple>

namespace gfx {

namespace {

constexpr const char* DEFAULT_FAMILY = "Liberation Sans";

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return s;
}

struct FcPatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, FcPatternDeleter>;

FcConfig* Config() {
    // The configuration is loaded once; fontconfig keeps it for the life of the process.
    static FcConfig* config = [] {
        if (!FcInit()) throw std::runtime_error("fontconfig could not be initialised");
        return FcConfigGetCurrent();
    }();
    return config;
}

}  // namespace

void MatchDefaultFaces() {
    Config();
    MatchFont(DEFAULT_FAMILY, false, false);
    MatchFont(DEFAULT_FAMILY, true, false);
}

namespace {

bool HasFamily(FcPattern* font, const std::string& family) {
    const std::string wanted = Lower(family);
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &value) == FcResultMatch; ++i)
        if (Lower(reinterpret_cast<const char*>(value)) == wanted) return true;
    return false;
}

// The best font fontconfig offers for the family and style, or null when none exists.
PatternPtr Query(const std::string& family, bool bold, bool italic) {
    PatternPtr pattern(FcPatternCreate());
    if (!pattern) throw std::runtime_error("fontconfig: out of memory");
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(Config(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    return PatternPtr(FcFontMatch(Config(), pattern.get(), &result));
}

FontMatch ToMatch(FcPattern* font, bool bold, bool italic) {
    FontMatch match;
    FcChar8* value = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &value) != FcResultMatch)
        throw std::runtime_error("fontconfig matched a font without a file");
    match.file = reinterpret_cast<const char*>(value);
    if (FcPatternGetString(font, FC_FAMILY, 0, &value) == FcResultMatch)
        match.family = reinterpret_cast<const char*>(value);
    FcPatternGetInteger(font, FC_INDEX, 0, &match.index);
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(font, FC_SLANT, 0, &slant);
    // The usual configuration marks a face to be emboldened or slanted, and rewrites its
    // weight and slant to the ones asked for, when the family lacks that face.
    FcBool embolden = FcFalse;
    FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden);
    FcMatrix* matrix = nullptr;
    const bool sheared = FcPatternGetMatrix(font, FC_MATRIX, 0, &matrix) == FcResultMatch &&
                         matrix && matrix->xy != 0;
    match.synthesizeBold = bold && (embolden || weight < FC_WEIGHT_DEMIBOLD);
    match.synthesizeItalic = italic && (sheared || slant == FC_SLANT_ROMAN);
    return match;
}

// `family` is a name after SubstituteFamily.
FontMatch Lookup(const std::string& family, bool bold, bool italic) {
    for (const std::string& wanted : {family, std::string(DEFAULT_FAMILY)}) {
        PatternPtr font = Query(wanted, bold, italic);
        if (font && HasFamily(font.get(), wanted)) return ToMatch(font.get(), bold, italic);
    }
    PatternPtr font = Query("sans", bold, italic);
    if (!font) throw std::runtime_error("fontconfig found no font for \"" + family + "\"");
    return ToMatch(font.get(), bold, italic);
}

}  // namespace

std::string SubstituteFamily(const std::string& name) {
    // The tables here and below are never destroyed: the font thread may still be matching
    // and rendering while a short-lived program exits.
    static const auto& substitutes = *new const std::map<std::string, std::string>{
        {"", DEFAULT_FAMILY},
        {"ms sans serif", DEFAULT_FAMILY},
        {"ms shell dlg", DEFAULT_FAMILY},
        {"ms shell dlg 2", DEFAULT_FAMILY},
        {"tahoma", DEFAULT_FAMILY},
        {"arial", DEFAULT_FAMILY},
        {"verdana", DEFAULT_FAMILY},
        {"segoe ui", DEFAULT_FAMILY},
        {"courier", "Liberation Mono"},
        {"courier new", "Liberation Mono"},
        {"times new roman", "Liberation Serif"},
    };
    const auto it = substitutes.find(Lower(name));
    return it == substitutes.end() ? name : it->second;
}

FontMatch MatchFont(const std::string& name, bool bold, bool italic) {
    static std::mutex mutex;
    // By the family looked up: the Windows names of one family share their matches.
    static auto& cache = *new std::map<std::tuple<std::string, bool, bool>, FontMatch>;
    const std::string family = SubstituteFamily(name);
    std::lock_guard lock(mutex);
    const auto key = std::make_tuple(family, bold, italic);
    if (const auto it = cache.find(key); it != cache.end()) return it->second;
    FontMatch match = Lookup(family, bold, italic);
    cache.emplace(key, match);
    return match;
}

std::optional<FontMatch> MatchFontForChar(char32_t ch, bool bold, bool italic) {
    static std::mutex mutex;
    static auto& cache = *new std::map<std::tuple<char32_t, bool, bool>, std::optional<FontMatch>>;
    std::lock_guard lock(mutex);
    const auto key = std::make_tuple(ch, bold, italic);
    if (const auto it = cache.find(key); it != cache.end()) return it->second;
    std::optional<FontMatch> found;
    PatternPtr pattern(FcPatternCreate());
    FcCharSet* chars = FcCharSetCreate();
    if (!pattern || !chars) throw std::runtime_error("fontconfig: out of memory");
    FcCharSetAddChar(chars, ch);
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, chars);
    FcCharSetDestroy(chars);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("sans"));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(Config(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr font(FcFontMatch(Config(), pattern.get(), &result));
    FcCharSet* covered = nullptr;
    // The best match by family may still lack the character; only one that has it serves.
    if (font && FcPatternGetCharSet(font.get(), FC_CHARSET, 0, &covered) == FcResultMatch &&
        FcCharSetHasChar(covered, ch))
        found = ToMatch(font.get(), bold, italic);
    cache.emplace(key, found);
    return found;
}

}  // namespace gfx
