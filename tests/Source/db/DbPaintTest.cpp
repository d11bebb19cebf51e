// What the skinned combo boxes, grid and navigator show, in more than one style: the flat
// frame, the drop-down button and arrow, the grid's colours and the navigator's glyphs
// and background; and that the controls show their field.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "Source/db/SKDBCtrls.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "Source/theme/SKThemeFile.h"
#include "Source/theme/SKThemes.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/stdctrls/ComboBoxInfo.h"
#include "tests/Source/db/SkinDbTestSupport.h"

namespace skindbtest {

namespace {

int Count(const gfx::Bitmap& shot, const TRect& r, TColor color) {
    int n = 0;
    for (int y = std::max(0, r.top); y < std::min(shot.Height(), r.bottom); ++y)
        for (int x = std::max(0, r.left); x < std::min(shot.Width(), r.right); ++x)
            if (shot.GetPixel(x, y) == color) ++n;
    return n;
}

// An arrow colour no style's picture holds, so that its pixels can be counted.
constexpr TColor kArrow = 0x123456;

}  // namespace

class DbPaint : public SkinDbTest {
protected:
    TskDBComboBox* Combo(TskUIStyle style) {
        auto* combo = Place<TskDBComboBox>(10, 10, 150, 21);
        combo->SetUIStyle(style);
        combo->SetDataSource(source.get());
        combo->SetDataField("name");
        combo->GetItems()->SetText("Ann\nBob\nCy\n");
        return combo;
    }
    static TRect ButtonOf(TskDBComboBox* combo) {
        COMBOBOXINFO info;
        GetComboBoxInfo(combo->Handle(), &info);
        return info.rcButton;
    }
};

TEST_F(DbPaint, ComboBoxFramesFlatAndDrawsItsButtonByStyle) {
    struct Case {
        TskUIStyle style;
        bool arrowDrawn;
    };
    for (const Case c :
         {Case{DeepBlue, true}, Case{MacOS, true}, Case{WinXP, false}, Case{BlueGlass, true}}) {
        SCOPED_TRACE(TskUIStyleInfo().NameOf(static_cast<int>(c.style)));
        TskDBComboBox* combo = Combo(c.style);
        combo->SetArrowColor(kArrow);
        table->Open();
        const gfx::Bitmap shot = Capture(combo);
        EXPECT_EQ(shot.GetPixel(0, 0), GetInsideThemeColor(c.style, SkItem::ControlBorderColor));
        EXPECT_EQ(shot.GetPixel(40, 1), ColorToRGB(combo->GetColor())) << "the inner ring";
        EXPECT_EQ(shot.GetPixel(40, combo->GetHeight() - 1), shot.GetPixel(0, 0));
        const TRect button = ButtonOf(combo);
        EXPECT_EQ(Count(shot, button, kArrow) > 0, c.arrowDrawn);
        if (c.style != MacOS && c.style != WinXP) {
            EXPECT_GT(
                Count(shot, button, GetInsideThemeColor(c.style, SkItem::FormBackgroundColor)),
                button.Width() * 4)
                << "the button is filled in the style's form colour";
        }
        table->Close();
        delete combo;
    }
}

TEST_F(DbPaint, ADisabledComboBoxShowsAGreyArrowOverAWhiteShadow) {
    TskDBComboBox* combo = Combo(DeepBlue);
    table->Open();
    const TRect button = ButtonOf(combo);
    // Where the arrow stands, with room for its shadow.
    const int x = button.left + button.Width() / 2 - 3, y = button.Height() / 2;
    const TRect arrow{x - 1, y - 1, x + 9, y + 6};
    const gfx::Bitmap enabled = Capture(combo);
    EXPECT_GT(Count(enabled, arrow, clBlack), 0);
    EXPECT_EQ(Count(enabled, arrow, clWhite), 0);
    combo->SetEnabled(false);
    const gfx::Bitmap shot = Capture(combo);
    EXPECT_EQ(Count(shot, arrow, clBlack), 0);
    EXPECT_GT(Count(shot, arrow, 0x808080), 0);
    // The shadow peeks out below and right of the grey triangle.
    int lowestGrey = -1, lowestWhite = -1, rightmostGrey = -1, rightmostWhite = -1;
    for (int py = arrow.top; py < arrow.bottom; ++py)
        for (int px = arrow.left; px < arrow.right; ++px) {
            if (shot.GetPixel(px, py) == 0x808080) {
                lowestGrey = std::max(lowestGrey, py);
                rightmostGrey = std::max(rightmostGrey, px);
            }
            if (shot.GetPixel(px, py) == clWhite) {
                lowestWhite = std::max(lowestWhite, py);
                rightmostWhite = std::max(rightmostWhite, px);
            }
        }
    EXPECT_EQ(lowestWhite, lowestGrey + 1);
    EXPECT_GT(rightmostWhite, rightmostGrey);
}

TEST_F(DbPaint, ComboBoxesShowTheField) {
    TskDBComboBox* combo = Combo(MacOS);
    auto* lookupSource = new TDataSource(host.get());
    auto* names = new TSQLiteTable(host.get());
    names->SetDatabase(db.get());
    names->SetTableName("people");
    lookupSource->SetDataSet(names);
    names->Open();
    auto* lookup = Place<TskDBLookupComboBox>(10, 40, 150, 21);
    lookup->SetDataSource(source.get());
    lookup->SetDataField("id");
    lookup->SetListSource(lookupSource);
    lookup->SetKeyField("id");
    lookup->SetListField("name");
    table->Open();
    table->Next();
    EXPECT_EQ(combo->GetText(), "Bob");
    EXPECT_EQ(lookup->GetText(), "Bob");
}

TEST_F(DbPaint, LookupComboBoxCoversThePlatformFrameAndDrawsItsButton) {
    for (TskUIStyle style : {DeepBlue, WinXP}) {
        SCOPED_TRACE(TskUIStyleInfo().NameOf(static_cast<int>(style)));
        auto* lookup = Place<TskDBLookupComboBox>(10, 40, 150, 21);
        lookup->SetUIStyle(style);
        lookup->SetArrowColor(kArrow);
        const gfx::Bitmap shot = Capture(lookup);
        const TColor border = GetInsideThemeColor(style, SkItem::ControlBorderColor);
        EXPECT_EQ(shot.GetPixel(0, 0), border);
        EXPECT_EQ(shot.GetPixel(shot.Width() - 1, shot.Height() - 1), border);
        EXPECT_EQ(shot.GetPixel(40, 1), ColorToRGB(lookup->GetColor()));
        const TRect button{shot.Width() - 2 - 16, 2, shot.Width() - 2, shot.Height() - 2};
        EXPECT_EQ(Count(shot, button, kArrow) > 0, style != WinXP);
        delete lookup;
    }
}

TEST_F(DbPaint, GridTakesTheStylesColours) {
    for (TskUIStyle style : {MacOS, DeepBlue}) {
        SCOPED_TRACE(TskUIStyleInfo().NameOf(static_cast<int>(style)));
        auto* grid = Place<TskDBGrid>(10, 10, 300, 150);
        grid->SetUIStyle(style);
        grid->SetDataSource(source.get());
        table->Open();
        EXPECT_EQ(grid->GetFixedBGColor(),
                  GetInsideThemeColor(style, SkItem::MenuSelectedBackgroundColor));
        EXPECT_EQ(grid->GetBGColor(), GetInsideThemeColor(style, SkItem::ControlBackgroundColor));
        EXPECT_EQ(grid->GetTitleFontColor(),
                  GetInsideThemeColor(style, SkItem::MenuSelectedFontColor));
        const gfx::Bitmap shot = Capture(grid);
        EXPECT_EQ(shot.GetPixel(0, 0), GetInsideThemeColor(style, SkItem::ControlBorderColor));
        EXPECT_EQ(shot.GetPixel(1, 1), grid->GetBGColor()) << "the inner ring";
        // The title row in the fixed colour; the second record's cells in the cell colour.
        const TRect title = grid->CellRect(2, 0);
        EXPECT_GT(Count(shot, title.Offset(1, 1), grid->GetFixedBGColor()), title.Width());
        const TRect cell = grid->CellRect(2, 2);
        EXPECT_GT(Count(shot, cell.Offset(1, 1), grid->GetBGColor()), cell.Width() * 4);
        // The current cell, once the grid has the focus, in the focused colour.
        Focus(grid);
        const TRect current = grid->CellRect(grid->GetCol(), grid->GetRow());
        EXPECT_GT(Count(Capture(grid), current.Offset(1, 1), 0x008000), current.Width() * 4);
        table->Close();
        delete grid;
    }
}

TEST_F(DbPaint, GridInMacOSHasTheFixedColours) {
    auto* grid = Place<TskDBGrid>(10, 10, 300, 150);
    grid->SetUIStyle(MacOS);
    EXPECT_EQ(grid->GetFixedBGColor(), 0xC47339);
    EXPECT_EQ(grid->GetBGColor(), 0xE7E7E7);
    EXPECT_EQ(grid->GetTitleFontColor(), 0xFFFFFF);
    EXPECT_EQ(grid->GetFontColor(), 0x000000);
    EXPECT_EQ(grid->GetFocusedColor(), 0x008000);
    EXPECT_EQ(grid->GetSelectedColor(), 0x00FFFF);
}

// The navigator's glyph for a button: its frame of the strip, keyed by its corner pixel.
static gfx::Bitmap NavigatorGlyph(TNavigateBtn button) {
    TBitmap strip, glyph;
    strip.LoadFromResourceName("DBNAV_BUTTON");
    SpitBitmap(&strip, &glyph, 10, static_cast<int>(button) + 1);
    return glyph.Image();
}

// Where the glyph's pixels (all but its keyed background) stand whole in the picture;
// {-1, -1} when nowhere.
static TPoint FindGlyph(const gfx::Bitmap& shot, const gfx::Bitmap& glyph) {
    const TColor key = glyph.GetPixel(0, 0);
    for (int top = 0; top + glyph.Height() <= shot.Height(); ++top)
        for (int left = 0; left + glyph.Width() <= shot.Width(); ++left) {
            bool whole = true;
            for (int y = 0; whole && y < glyph.Height(); ++y)
                for (int x = 0; whole && x < glyph.Width(); ++x)
                    if (glyph.GetPixel(x, y) != key &&
                        glyph.GetPixel(x, y) != shot.GetPixel(left + x, top + y))
                        whole = false;
            if (whole) return {left, top};
        }
    return {-1, -1};
}

// An enabled button shows its glyph in the glyph's own colours; disabled, the same glyph
// shows greyed where it stood: its dark ink in the shadow colour and none of its colours,
// in each style.
TEST_F(DbPaint, NavigatorButtonsShowTheirGlyphsEnabledAndGreyedWhenDisabled) {
    table->Open();
    const TColor shadow = ColorToRGB(clBtnShadow);
    for (TskUIStyle style : {DeepBlue, MacOS}) {
        SCOPED_TRACE(TskUIStyleInfo().NameOf(static_cast<int>(style)));
        auto* nav = Place<TskDBNavigator>(10, 10, 250, 30);
        nav->SetUIStyle(style);
        nav->SetDataSource(source.get());
        for (int i = nbFirst; i <= nbRefresh; ++i)
            EXPECT_EQ(nav->Buttons(static_cast<TNavigateBtn>(i))->GetUIStyle(), style);
        for (const TNavigateBtn which : {nbNext, nbPrior}) {
            SCOPED_TRACE(which == nbNext ? "Next" : "Prior");
            const gfx::Bitmap glyph = NavigatorGlyph(which);
            // Next is on at the first record and off at the last; Prior the other way.
            table->First();
            if (which == nbPrior) table->Last();
            ASSERT_TRUE(nav->Buttons(which)->GetEnabled());
            const gfx::Bitmap enabled = Capture(nav->Buttons(which));
            const TPoint at = FindGlyph(enabled, glyph);
            ASSERT_NE(at.x, -1) << "the enabled button shows its glyph whole";
            which == nbNext ? table->Last() : table->First();
            ASSERT_FALSE(nav->Buttons(which)->GetEnabled());
            const gfx::Bitmap disabled = Capture(nav->Buttons(which));
            EXPECT_EQ(FindGlyph(disabled, glyph).x, -1);
            int ink = 0, greyed = 0, kept = 0;
            for (int y = 0; y < glyph.Height(); ++y)
                for (int x = 0; x < glyph.Width(); ++x) {
                    const TColor g = glyph.GetPixel(x, y);
                    // The glyph's dark ink: well below the light background it stands on.
                    if (((g & 0xFF) + ((g >> 8) & 0xFF) + ((g >> 16) & 0xFF)) > 3 * 0x60) continue;
                    ++ink;
                    const TColor shown = disabled.GetPixel(at.x + x, at.y + y);
                    if (shown == shadow) ++greyed;
                    if (shown == g) ++kept;
                }
            EXPECT_GT(ink, 10);
            EXPECT_EQ(greyed, ink) << "every dark pixel of the glyph greyed";
            EXPECT_EQ(kept, 0);
        }
        delete nav;
    }
}

// A transparent push button on the navigator shows what lies under the navigator, not the
// navigator's own face, which its buttons hide.
TEST_F(DbPaint, NavigatorButtonsShowTheFormThroughTheirTransparentCorners) {
    auto* nav = Place<TskDBNavigator>(10, 10, 250, 30);
    nav->SetColor(0x00FF00);
    nav->SetUIStyle(MacOS);
    TskNavButton* first = nav->Buttons(nbFirst);
    ASSERT_TRUE(first->GetTransparent());
    const gfx::Bitmap shot = Capture(first);
    EXPECT_EQ(shot.GetPixel(0, 0), kFormColor);
    EXPECT_EQ(Count(shot, {0, 0, shot.Width(), shot.Height()}, 0x00FF00), 0);
}

}  // namespace skindbtest

namespace skindbtest {

// A theme file's colours reach the grid and the combo box; white menu text becomes black
// text in the grid's light cells, any other colour stays; removing the file theme brings
// DeepBlue back.
TEST_F(DbPaint, AFileThemesColoursReachTheGridAndTheComboBox) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    for (TColor menuFont : {TColor(0xFFFFFF), TColor(0x112233)}) {
        SCOPED_TRACE(menuFont);
        const std::string path =
            (folder / ("qv-skin-db-" + std::to_string(::getpid()) + ".skn")).string();
        {
            TskThemeFileWriter writer(path);
            writer.AddInteger("MenuFontColor", menuFont);
            writer.AddInteger("MenuSelectedBackgroundColor", 0x010203);
            writer.AddInteger("ControlBorderColor", 0x040506);
            writer.AddInteger("FormBackgroundColor", 0x070809);
            writer.Save();
        }
        auto* theme = new TskFileTheme(host.get());
        theme->SetThemeFile(path);
        std::filesystem::remove(path);
        ASSERT_TRUE(theme->CanUse());
        auto* grid = Place<TskDBGrid>(10, 10, 300, 150);
        grid->SetUIStyle(FromThemeFile);
        grid->SetFileTheme(theme);
        TskDBComboBox* combo = Combo(FromThemeFile);
        combo->SetFileTheme(theme);
        EXPECT_EQ(grid->GetFontColor(), menuFont == 0xFFFFFF ? TColor(0x000000) : menuFont);
        EXPECT_EQ(grid->GetFixedBGColor(), 0x010203);
        EXPECT_EQ(grid->GetBorderColor(), 0x040506);
        EXPECT_EQ(combo->GetBorderColor(), 0x040506);
        EXPECT_EQ(combo->GetButtonColor(), 0x070809);
        delete theme;
        EXPECT_EQ(grid->GetFileTheme(), nullptr);
        EXPECT_EQ(grid->GetUIStyle(), DeepBlue);
        EXPECT_EQ(grid->GetFixedBGColor(),
                  GetInsideThemeColor(DeepBlue, SkItem::MenuSelectedBackgroundColor));
        EXPECT_EQ(combo->GetUIStyle(), DeepBlue);
        delete grid;
        delete combo;
    }
}

}  // namespace skindbtest
