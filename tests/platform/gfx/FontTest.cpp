#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/FontMatch.h"

using namespace gfx;

namespace {

FontDesc Desc(int height, FontStyles style = 0, std::string name = "MS Sans Serif") {
    FontDesc desc;
    desc.name = std::move(name);
    desc.height = height;
    desc.style = style;
    return desc;
}

using Coverage = std::map<std::pair<int, int>, int>;

Coverage RenderToMap(const FontFace& face, std::string_view text, int x = 0, int y = 0) {
    Coverage plotted;
    face.Render(text, x, y, [&](int px, int py, std::uint8_t c) { plotted[{px, py}] = c; });
    return plotted;
}

}  // namespace

TEST(Font, DialogFontMetricsMatchTheWindowsLayout) {
    const auto face = FontFace::Get(Desc(-11));
    EXPECT_EQ(face->Height(), 13) << "TextHeight(\"W\") of the 8-point dialog font";
    EXPECT_EQ(face->Ascent() + face->Descent(), face->Height());
    const auto bold = FontFace::Get(Desc(-11, fsBold));
    EXPECT_LE(bold->TextWidth("Abbreviation:"), 76) << "the label's box in the main window";
    EXPECT_GT(bold->TextWidth("Abbreviation:"), face->TextWidth("Abbreviation:"));

    // The same through a canvas, as the forms measure their labels.
    Bitmap surface(1, 1);
    Canvas canvas(surface);
    canvas.SetFont(Desc(-11));
    EXPECT_EQ(canvas.TextHeight("W"), 13);
    canvas.GetFont().style = fsBold;
    EXPECT_LE(canvas.TextWidth("Abbreviation:"), 76);
}

TEST(Font, WindowsNamesMapToMetricCompatibleFamilies) {
    const std::pair<const char*, const char*> cases[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Tahoma", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"No Such Face At All", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Liberation Mono", "Liberation Mono"},
    };
    for (const auto& [name, family] : cases)
        EXPECT_EQ(FontFace::Get(Desc(-11, 0, name))->FamilyName(), family) << name;
}

TEST(Font, HeightAndSizeConvertAt96Dpi) {
    const std::pair<int, int> heightToPoints[] = {
        {-11, 8}, {-13, 10}, {-16, 12}, {-12, 9}, {-15, 11}};
    for (const auto& [height, points] : heightToPoints) {
        EXPECT_EQ(Desc(height).Size(), points) << height;
        FontDesc desc;
        desc.SetSize(points);
        EXPECT_EQ(desc.height, height) << points;
    }
}

TEST(Font, PositiveHeightIsTheCellHeight) {
    for (int cell : {13, 16, 20, 30}) {
        const auto face = FontFace::Get(Desc(cell));
        EXPECT_LE(face->Height(), cell) << cell;
        EXPECT_GE(face->Height(), cell - 2) << cell;
    }
    // The cell of the -11 font is 13 high, so asking for a 13-pixel cell gives that font.
    EXPECT_EQ(FontFace::Get(Desc(13))->TextWidth("Reference"),
              FontFace::Get(Desc(-11))->TextWidth("Reference"));
}

TEST(Font, FacesAreSharedPerSizeAndStyle) {
    EXPECT_EQ(FontFace::Get(Desc(-11)), FontFace::Get(Desc(-11)));
    EXPECT_NE(FontFace::Get(Desc(-11)), FontFace::Get(Desc(-12)));
    EXPECT_NE(FontFace::Get(Desc(-11)), FontFace::Get(Desc(-11, fsItalic)));
    EXPECT_NE(FontFace::Get(Desc(-11)), FontFace::Get(Desc(-11, fsUnderline)));
    EXPECT_EQ(FontFace::Get(Desc(-11, 0, "Tahoma")), FontFace::Get(Desc(-11, 0, "Arial")))
        << "names that come to the same file share its face";
    EXPECT_EQ(FontFace::Get(Desc(13)), FontFace::Get(Desc(-11))) << "the same size asked as a cell";
}

TEST(Font, GlyphsStayInsideTheirCellAndAdvance) {
    const auto face = FontFace::Get(Desc(-11));
    const std::string text = "\xC3\x81gjy|W";  // an accented capital and descenders
    const int width = face->TextWidth(text);
    const Coverage plotted = RenderToMap(*face, text, 10, 20);
    ASSERT_FALSE(plotted.empty());
    for (const auto& [point, coverage] : plotted) {
        EXPECT_GE(point.second, 20);
        EXPECT_LT(point.second, 20 + face->Height());
        EXPECT_GE(point.first, 9);
        EXPECT_LE(point.first, 10 + width);
        EXPECT_GT(coverage, 0);
    }
    int sum = 0;
    for (std::size_t pos = 0; pos < text.size();) sum += face->CharWidth(DecodeUtf8(text, pos));
    EXPECT_EQ(sum, width);
    EXPECT_EQ(face->TextWidth(""), 0);
}

TEST(Font, UnderlineAndStrikeOutAddOneFullRowEach) {
    const std::string text = "Hello";
    for (FontStyles style : {fsUnderline, fsStrikeOut}) {
        SCOPED_TRACE(style);
        const auto plain = FontFace::Get(Desc(-11));
        const auto lined = FontFace::Get(Desc(-11, style));
        const int width = plain->TextWidth(text);
        ASSERT_EQ(lined->TextWidth(text), width);
        const Coverage before = RenderToMap(*plain, text);
        const Coverage after = RenderToMap(*lined, text);
        std::set<int> rows;
        for (const auto& [point, coverage] : after) {
            const auto it = before.find(point);
            if (it != before.end() && it->second == coverage) continue;
            rows.insert(point.second);
            EXPECT_EQ(coverage, 255);
        }
        ASSERT_EQ(rows.size(), 1u);
        const int row = *rows.begin();
        for (int x = 0; x < width; ++x) EXPECT_EQ(after.at({x, row}), 255) << x;
        EXPECT_FALSE(after.contains({width, row}));
        if (style == fsUnderline)
            EXPECT_GE(row, plain->Ascent()) << "below the baseline";
        else
            EXPECT_LT(row, plain->Ascent()) << "above the baseline";
        EXPECT_LT(row, plain->Height());
    }
}

TEST(Font, BoldAndItalicChangeTheGlyphs) {
    const Coverage regular = RenderToMap(*FontFace::Get(Desc(-11)), "Ab");
    EXPECT_NE(RenderToMap(*FontFace::Get(Desc(-11, fsBold)), "Ab"), regular);
    EXPECT_NE(RenderToMap(*FontFace::Get(Desc(-11, fsItalic)), "Ab"), regular);
}

TEST(Font, MissingGlyphsDrawTheMissingGlyphBox) {
    const auto face = FontFace::Get(Desc(-11));
    const std::string privateUse = "\xEE\x80\x80";  // U+E000, in no Liberation face
    EXPECT_GT(face->CharWidth(0xE000), 0);
    EXPECT_FALSE(RenderToMap(*face, privateUse).empty());
    EXPECT_EQ(RenderToMap(*face, privateUse), RenderToMap(*face, "\xF3\xB0\x80\x80"))
        << "every missing character draws the same box";
}

TEST(Font, DecodeUtf8ReadsBadBytesAsReplacementCharacters) {
    struct Case {
        const char* name;
        std::string text;
        char32_t ch;
        std::size_t next;
    };
    const Case cases[] = {
        {"ASCII", "A", U'A', 1},
        {"two bytes", "\xC3\xA9", 0xE9, 2},
        {"three bytes", "\xE2\x82\xAC", 0x20AC, 3},
        {"four bytes", "\xF0\x9F\x98\x80", 0x1F600, 4},
        {"lone continuation",
         "\x80"
         "A",
         0xFFFD, 1},
        {"truncated at the end", "\xE2\x82", 0xFFFD, 1},
        {"bad continuation",
         "\xC3"
         "A",
         0xFFFD, 1},
        {"overlong", "\xC0\x80", 0xFFFD, 1},
        {"surrogate", "\xED\xA0\x80", 0xFFFD, 1},
        {"past Unicode", "\xF4\x90\x80\x80", 0xFFFD, 1},
        {"invalid lead", "\xFF", 0xFFFD, 1},
    };
    for (const Case& c : cases) {
        std::size_t pos = 0;
        EXPECT_EQ(DecodeUtf8(c.text, pos), c.ch) << c.name;
        EXPECT_EQ(pos, c.next) << c.name;
    }
    std::size_t end = 1;
    EXPECT_EQ(DecodeUtf8("A", end), 0u);
    EXPECT_EQ(end, 1u) << "at the end nothing is read";

    const auto face = FontFace::Get(Desc(-11));
    EXPECT_EQ(face->TextWidth("\xE2\x82"), 2 * face->CharWidth(0xFFFD));
}

TEST(Font, MissingBoldAndItalicFacesAreSynthesised) {
    // A family installed with its regular face only; machines without it skip the check.
    const char* family = "DejaVu Math TeX Gyre";
    const FontMatch regular = MatchFont(family, false, false);
    if (regular.family != family) GTEST_SKIP() << family << " is not installed";
    const FontMatch bold = MatchFont(family, true, true);
    EXPECT_EQ(bold.file, regular.file);
    EXPECT_TRUE(bold.synthesizeBold);
    EXPECT_TRUE(bold.synthesizeItalic);
    EXPECT_FALSE(MatchFont("Liberation Sans", true, true).synthesizeBold) << "a real bold face";

    const auto plain = FontFace::Get(Desc(-13, 0, family));
    const auto emboldened = FontFace::Get(Desc(-13, fsBold, family));
    const auto slanted = FontFace::Get(Desc(-13, fsItalic, family));
    EXPECT_GE(emboldened->TextWidth("Hello"), plain->TextWidth("Hello"));
    EXPECT_NE(RenderToMap(*emboldened, "H"), RenderToMap(*plain, "H"));
    EXPECT_NE(RenderToMap(*slanted, "H"), RenderToMap(*plain, "H"));
}

TEST(Font, CharactersTheFaceLacksComeFromAFaceThatHasThem) {
    // The title bar's window menu captions: Chinese in a Latin dialog face.
    const auto face = FontFace::Get(Desc(-11, fsBold, "Tahoma"));
    ASSERT_TRUE(MatchFontForChar(U'最', false, false).has_value());
    const Coverage first = RenderToMap(*face, "最");
    const Coverage second = RenderToMap(*face, "关");
    EXPECT_FALSE(first.empty());
    // The missing-glyph box would look the same for every character.
    EXPECT_NE(first, second);
    EXPECT_GE(face->CharWidth(U'最'), 9);
    // Latin text keeps its own face.
    EXPECT_EQ(RenderToMap(*face, "Close"), RenderToMap(*FontFace::Get(Desc(-11, fsBold)), "Close"));
}
