// The draw grid: cell geometry with fixed cells and column widths, scrolling by whole rows,
// the keys that move the current cell, the in-place editor, and resizing a column.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/grids/Grids.h"
#include "tests/platform/vcl/ControlTestFixture.h"

using vcltest::THostControl;
using win::Headless;

namespace {

class DrawGridTest : public vcltest::VclTest {
protected:
    void SetUp() override {
        VclTest::SetUp();
        host = std::make_unique<THostControl>(nullptr);
        host->SetBounds(20, 20, 400, 300);
        grid = new TDrawGrid(host.get());
        grid->SetParent(host.get());
        grid->SetBorderStyle(bsNone);
        grid->SetScrollBars(ssNone);
        grid->SetBounds(0, 0, 300, 200);
        grid->SetColCount(6);
        grid->SetRowCount(100);
        grid->SetDefaultColWidth(50);
        grid->SetDefaultRowHeight(20);
        grid->OnGetEditText = [this](TObject*, int c, int r, std::string& v) {
            v = cells[{c, r}];
        };
        grid->OnSetEditText = [this](TObject*, int c, int r, const std::string& v) {
            cells[{c, r}] = v;
        };
        ShowWindow(host->Handle(), SW_SHOW);
        grid->SetFocus();
        Headless::ProcessMessages();
    }
    void TearDown() override {
        host.reset();
        VclTest::TearDown();
    }
    static void Key(int vk, bool ctrl = false, char32_t ch = 0) {
        if (ctrl) Headless::KeyDown(VK_CONTROL);
        Headless::KeyPress(vk, ch);
        if (ctrl) Headless::KeyUp(VK_CONTROL);
        Headless::ProcessMessages();
    }

    std::unique_ptr<THostControl> host;
    TDrawGrid* grid = nullptr;
    std::map<std::pair<int, int>, std::string> cells;
};

TEST_F(DrawGridTest, CellsLieByTheirWidthsAndHeightsWithTheGridLines) {
    grid->SetColWidths(0, 30);
    const struct {
        int Col, Row;
        TRect Expected;
    } cases[] = {
        {0, 0, {0, 0, 30, 20}},     {1, 0, {31, 0, 81, 20}},   {1, 1, {31, 21, 81, 41}},
        {2, 3, {82, 63, 132, 83}},  {0, 50, {}},               {5, 1, {235, 21, 285, 41}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grid->CellRect(c.Col, c.Row), c.Expected) << c.Col << "," << c.Row;
    int col = -1, row = -1;
    grid->MouseToCell(90, 50, col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(grid->GetVisibleRowCount(), 8);
}

TEST_F(DrawGridTest, KeysMoveTheCellAndScrollItIntoView) {
    const struct {
        int Key;
        bool Ctrl;
        int Col, Row;
    } steps[] = {
        {VK_DOWN, false, 1, 2},  {VK_RIGHT, false, 2, 2}, {VK_NEXT, false, 2, 10},
        {VK_END, true, 5, 99},   {VK_HOME, false, 1, 99}, {VK_HOME, true, 1, 1},
        {VK_UP, false, 1, 1},    {VK_LEFT, false, 1, 1},
    };
    for (const auto& s : steps) {
        Key(s.Key, s.Ctrl);
        EXPECT_EQ(grid->GetCol(), s.Col) << s.Key;
        EXPECT_EQ(grid->GetRow(), s.Row) << s.Key;
        EXPECT_GE(grid->GetRow(), grid->GetTopRow()) << s.Key;
        EXPECT_LT(grid->GetRow(), grid->GetTopRow() + grid->GetVisibleRowCount()) << s.Key;
    }
}

TEST_F(DrawGridTest, ScrollMessagesMoveTheTopRowWithinTheRows) {
    grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid->GetTopRow(), 2);
    grid->Perform(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(grid->GetTopRow(), 100 - grid->GetVisibleRowCount());
    EXPECT_FALSE(grid->CellRect(1, 99).IsEmpty());
    EXPECT_TRUE(grid->CellRect(1, 5).IsEmpty());
}

TEST_F(DrawGridTest, EditorShowsOnlyWithEditingAndWritesThroughSetEditText) {
    cells[{1, 1}] = "old";
    Key(VK_F1 + 1);
    EXPECT_FALSE(grid->GetEditorMode()) << "not without goEditing";
    grid->SetOptions(grid->GetOptions() | goEditing);
    Key(VK_F1 + 1);
    ASSERT_TRUE(grid->GetEditorMode());
    EXPECT_EQ(grid->InplaceEditor()->GetText(), "old");
    Headless::TypeText("new");
    Headless::ProcessMessages();
    EXPECT_EQ(cells[std::make_pair(1, 1)], "new");
    Key(VK_ESCAPE);
    EXPECT_FALSE(grid->GetEditorMode());
    Key(VK_DOWN);
    Headless::TypeText("x");
    Headless::ProcessMessages();
    EXPECT_TRUE(grid->GetEditorMode()) << "a typed character opens the editor";
    EXPECT_EQ(cells[std::make_pair(1, 2)], "x");
}

TEST_F(DrawGridTest, DraggingATitleEdgeResizesItsColumn) {
    grid->SetOptions(grid->GetOptions() | goColSizing);
    const TRect title = grid->CellRect(1, 0);
    const TPoint from = grid->ClientToScreen({title.right - 1, 10});
    Headless::MouseMove(from.x, from.y);
    Headless::MouseDown();
    Headless::MouseMove(from.x + 30, from.y);
    Headless::MouseUp();
    Headless::ProcessMessages();
    EXPECT_EQ(grid->GetColWidths(1), 80);
    EXPECT_EQ(grid->GetRow(), 1) << "resizing selects nothing";
}

}  // namespace
