#pragma once
// Finds the font file for a face name and style through fontconfig.
#include <optional>
#include <string>

namespace gfx {

struct FontMatch {
    std::string file;
    int index = 0;                  // the face inside a collection file
    std::string family;             // the family fontconfig chose
    bool synthesizeBold = false;    // no bold face exists: embolden the regular outlines
    bool synthesizeItalic = false;  // no italic face exists: slant the upright outlines
};

// The Windows names that the application's forms use have no font of that name here;
// they map to metric-compatible families. Any other name is looked up as given, and a
// name that is not installed falls back to Liberation Sans, then to fontconfig's "sans".
// Throws std::runtime_error when fontconfig finds no font file at all.
FontMatch MatchFont(const std::string& name, bool bold, bool italic);

// A font that has a glyph for the character, for text whose chosen face lacks it (Chinese
// captions in a Latin face); none when no installed font covers it.
std::optional<FontMatch> MatchFontForChar(char32_t ch, bool bold, bool italic);

// Reads fontconfig's configuration (tens of files) and matches the default family's
// regular and bold faces, the ones forms use before any other. Later matches of them are
// answered from the cache.
void MatchDefaultFaces();

// The family a Windows face name is looked up as.
std::string SubstituteFamily(const std::string& name);

}  // namespace gfx
