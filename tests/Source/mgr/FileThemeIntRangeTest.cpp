// Integer items of a theme file are whatever the file says: sizes and offsets come back
// within their sane range, so no control draws out of bounds from them.
#include <gtest/gtest.h>

#include <climits>

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKThemeFile.h"
#include "tests/Source/mgr/MgrTestSupport.h"

namespace {

TEST(FileThemeIntRange, SizesAndOffsetsAreKeptWithinTheirRange) {
    struct Case {
        const char* name;
        int item;
        int stored;
        int read;
    };
    const Case cases[] = {
        {"FormBorderWidthInt", SkItem::FormBorderWidthInt, INT_MAX, 32},
        {"FormBorderWidthInt", SkItem::FormBorderWidthInt, -5, 0},
        {"FormBorderWidthInt", SkItem::FormBorderWidthInt, 2, 2},
        {"FormRoundCornerInt", SkItem::FormRoundCornerInt, 100000, 64},
        {"FormMinWidthInt", SkItem::FormMinWidthInt, INT_MIN, 0},
        {"TitleBarButtonTopInt", SkItem::TitleBarButtonTopInt, 9999, 64},
        {"TitleBarButtonTopInt", SkItem::TitleBarButtonTopInt, INT_MIN, -64},
        // The buttons' offsets and row top are positions: below zero is a place to draw.
        {"TitleBarButtonLeftOffsetInt", SkItem::TitleBarButtonLeftOffsetInt, -1, -1},
        {"TitleBarButtonLeftOffsetInt", SkItem::TitleBarButtonLeftOffsetInt, INT_MAX, 256},
        {"TitleBarButtonRightOffsetInt", SkItem::TitleBarButtonRightOffsetInt, 7, 7},
        {"TitleBarButtonRightOffsetInt", SkItem::TitleBarButtonRightOffsetInt, -3, -3},
        {"TitleBarButtonRightOffsetInt", SkItem::TitleBarButtonRightOffsetInt, INT_MIN, -256},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " = " + std::to_string(c.stored));
        mgr_test::TempFolder folder;
        const std::string path = folder.Path("range.skn");
        {
            TskThemeFileWriter writer(path);
            writer.AddInteger(c.name, c.stored);
            writer.AddInteger("FormBorderColor", c.stored);
            writer.Save();
        }
        TskFileTheme theme(nullptr);
        theme.SetThemeFile(path);
        ASSERT_TRUE(theme.CanUse());
        EXPECT_EQ(theme.GetInt(c.item), c.read);
        EXPECT_EQ(theme.GetColor(SkItem::FormBorderColor), c.stored) << "colours are not sizes";
        EXPECT_EQ(theme.GetInt(SkItem::FormRoundCornerInt == c.item ? SkItem::FormBorderWidthInt
                                                                    : SkItem::FormRoundCornerInt),
                  -1)
            << "a missing item still says so";
    }
}

}  // namespace
