// The grid: its geometry and scrolling, the keys a grid user expects, and the in-place
// editor writing through the dataset.
#include "DbControlFixture.h"
#include "platform/db/controls/DBGrid.h"

namespace dbtest {

class DBGridTest : public DbControlTest {
protected:
    TDBGrid* PlaceGrid() {
        auto* grid = Place<TDBGrid>(10, 10, 360, 200);
        grid->SetDataSource(source.get());
        return grid;
    }
    std::string Cell(TDBGrid* grid, int Row, const char* Field) {
        (void)grid;
        return table->Lookup("id", {Row}, Field).ToString();
    }
};

TEST_F(DBGridTest, RowsAndColumnsFollowTheDatasetAndItsFields) {
    auto* grid = PlaceGrid();
    table->Open();
    EXPECT_EQ(grid->GetRowCount(), 4) << "a title row and three records";
    EXPECT_EQ(grid->GetColCount(), 8) << "the indicator and seven fields";
    EXPECT_EQ(grid->GetRow(), 1);
    table->Last();
    EXPECT_EQ(grid->GetRow(), 3);
    table->FieldByName("notes")->SetVisible(false);
    EXPECT_EQ(grid->GetColCount(), 7);
    TColumn* column = grid->GetColumns()->Add();
    column->SetFieldName("name");
    column->GetTitle()->SetCaption("Who");
    EXPECT_EQ(grid->GetColCount(), 2);
    EXPECT_EQ(grid->GetSelectedField(), table->FieldByName("name"));
    table->Close();
    EXPECT_EQ(grid->GetRowCount(), 2);
}

TEST_F(DBGridTest, ArrowsPagesAndCtrlHomeEndMoveTheDataset) {
    db->ExecSQL("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 60) "
                "INSERT INTO people (name, age) SELECT 'P' || i, i FROM n");
    auto* grid = PlaceGrid();
    table->Open();
    Focus(grid);
    Key(VK_DOWN);
    EXPECT_EQ(table->GetRecNo(), 2);
    Key(VK_NEXT);
    const int page = grid->GetVisibleRowCount();
    EXPECT_EQ(table->GetRecNo(), 2 + page);
    Key(VK_END, false, true);
    EXPECT_EQ(table->GetRecNo(), 63);
    EXPECT_TRUE(table->GetEOF() || grid->GetRow() == 63);
    EXPECT_GE(grid->GetTopRow(), 63 - page + 1) << "the last row is scrolled into view";
    Key(VK_HOME, false, true);
    EXPECT_EQ(table->GetRecNo(), 1);
    EXPECT_EQ(grid->GetTopRow(), 1);
    Key(VK_RIGHT);
    EXPECT_EQ(grid->GetSelectedField(), table->FieldByName("name"));
    Key(VK_TAB, false, false, U'\t');
    EXPECT_EQ(grid->GetSelectedField(), table->FieldByName("age"));
}

TEST_F(DBGridTest, TypingOpensTheEditorAndMovingDownPostsTheRecord) {
    auto* grid = PlaceGrid();
    table->Open();
    Focus(grid);
    Key(VK_RIGHT);
    Type("Zoe");
    ASSERT_TRUE(grid->GetEditorMode());
    EXPECT_EQ(grid->InplaceEditor()->GetText(), "Zoe");
    EXPECT_EQ(table->GetState(), dsEdit);
    Key(VK_DOWN);
    EXPECT_EQ(table->GetState(), dsBrowse);
    EXPECT_EQ(table->GetRecNo(), 2);
    table->First();
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Zoe");
}

TEST_F(DBGridTest, EscapeFirstResetsTheEditorThenCancelsTheRecord) {
    auto* grid = PlaceGrid();
    table->Open();
    Focus(grid);
    Key(VK_RIGHT);
    Key(VK_F1 + 1);
    ASSERT_TRUE(grid->GetEditorMode());
    Key(VK_END);
    Type("xx");
    Key(VK_ESCAPE);
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), "Ann");
    EXPECT_EQ(table->GetState(), dsEdit);
    Key(VK_ESCAPE);
    EXPECT_EQ(table->GetState(), dsBrowse);
    EXPECT_FALSE(grid->GetEditorMode());
}

TEST_F(DBGridTest, DownFromTheLastRowAppendsAndUpCancelsTheEmptyRecord) {
    auto* grid = PlaceGrid();
    table->Open();
    Focus(grid);
    Key(VK_END, false, true);
    Key(VK_DOWN);
    EXPECT_EQ(table->GetState(), dsInsert);
    EXPECT_EQ(grid->GetRowCount(), 5);
    EXPECT_EQ(grid->GetRow(), 4);
    Key(VK_UP);
    EXPECT_EQ(table->GetState(), dsBrowse);
    EXPECT_EQ(grid->GetRowCount(), 4);
    EXPECT_EQ(table->GetRecordCount(), 3);
}

TEST_F(DBGridTest, InsertAndCtrlDeleteWorkTheRecords) {
    auto* grid = PlaceGrid();
    grid->SetOptions(grid->GetOptions() & ~dgConfirmDelete);
    table->Open();
    Focus(grid);
    Key(VK_DELETE, false, true);
    EXPECT_EQ(table->GetRecordCount(), 2);
    Key(VK_INSERT);
    EXPECT_EQ(table->GetState(), dsInsert);
    Key(VK_RIGHT);
    Type("New");
    Key(VK_RETURN);
    table->Post();
    EXPECT_EQ(table->GetRecordCount(), 3);
    EXPECT_TRUE(table->Locate("name", {"New"}));
}

TEST_F(DBGridTest, RefusedTextKeepsTheRecordInEditWithTheTypedText) {
    auto* grid = PlaceGrid();
    table->Open();
    Focus(grid);
    Key(VK_RIGHT);
    Key(VK_RIGHT);  // age
    Type("99999999999");
    Key(VK_DOWN);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("age"), std::string::npos);
    EXPECT_EQ(table->GetState(), dsEdit);
    EXPECT_EQ(table->GetRecNo(), 1);
    EXPECT_TRUE(grid->GetEditorMode());
    EXPECT_EQ(grid->InplaceEditor()->GetText(), "99999999999");
}

TEST_F(DBGridTest, ReadOnlyDatasetNeverOpensAnEditor) {
    auto* grid = PlaceGrid();
    table->SetReadOnly(true);
    table->Open();
    Focus(grid);
    Key(VK_RIGHT);
    Type("x");
    EXPECT_EQ(table->GetState(), dsBrowse);
    Key(VK_INSERT);
    EXPECT_EQ(table->GetState(), dsBrowse);
}

TEST_F(DBGridTest, ClickingACellMovesToItsRecordAndColumn) {
    auto* grid = PlaceGrid();
    table->Open();
    Pump();
    const TRect cell = grid->CellRect(3, 3);
    ASSERT_FALSE(cell.IsEmpty());
    const TPoint p = grid->ClientToScreen({cell.left + 3, cell.top + 3});
    win::Headless::Click(p.x, p.y);
    Pump();
    EXPECT_EQ(table->GetRecNo(), 3);
    EXPECT_EQ(grid->GetSelectedField(), table->FieldByName("age"));
    int col = 0, row = 0;
    grid->MouseToCell(cell.left + 1, cell.top + 1, col, row);
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 3);
}

}  // namespace dbtest
