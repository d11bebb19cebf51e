#include <gtest/gtest.h>

#include <vector>

#include "platform/vcl/core/SysUtils.h"
#include "platform/vcl/core/TypInfo.h"
#include "tests/platform/vcl/TestComponents.h"

namespace {

// Counts the updates a collection reports, and for which item.
class TCountingCollection : public TCollection {
public:
    TCountingCollection() : TCollection(TTestColumn::StaticClassInfo()) {}
    int wholeUpdates = 0;
    int itemUpdates = 0;

protected:
    void Update(TCollectionItem* Item) override { ++(Item ? itemUpdates : wholeUpdates); }
};

TTestColumn* Column(TCollection& c, int i) {
    return static_cast<TTestColumn*>(c.Items(i));
}

TEST(Collection, ItemsKnowTheirIndexAndLeaveWhenFreed) {
    TCountingCollection columns;
    auto* a = static_cast<TTestColumn*>(columns.Add());
    auto* b = static_cast<TTestColumn*>(columns.Add());
    auto* c = static_cast<TTestColumn*>(columns.Insert(0));
    EXPECT_EQ(c->GetIndex(), 0);
    EXPECT_EQ(a->GetIndex(), 1);
    EXPECT_EQ(a->Collection(), &columns);
    EXPECT_EQ(a->GetOwner(), &columns);

    b->SetIndex(0);
    EXPECT_EQ(Column(columns, 0), b);
    delete c;
    EXPECT_EQ(columns.Count(), 2);
    EXPECT_EQ(columns.FindItemID(a->ID()), a);
    columns.Delete(0);
    EXPECT_EQ(Column(columns, 0), a);
    EXPECT_THROW(columns.Items(1), EListError);
}

TEST(Collection, UpdatesAreReportedOnceAfterEndUpdate) {
    TCountingCollection columns;
    columns.BeginUpdate();
    columns.Add();
    columns.Add();
    columns.Delete(0);
    EXPECT_EQ(columns.wholeUpdates, 0);
    columns.EndUpdate();
    EXPECT_EQ(columns.wholeUpdates, 1);
}

TEST(Collection, AnAddedItemIsReportedOnlyOnceItIsWhole) {
    // An item joins its collection from the base constructor; an update that ran then
    // would see an object whose own members are not built yet.
    struct TWatchingCollection : TCollection {
        TWatchingCollection() : TCollection(TTestColumn::StaticClassInfo()) {}
        std::vector<bool> whole;
        void Update(TCollectionItem*) override {
            for (int i = 0; i < Count(); ++i)
                whole.push_back(dynamic_cast<TTestColumn*>(Items(i)) != nullptr);
        }
    } columns;
    columns.Add();
    columns.Insert(0);
    ASSERT_FALSE(columns.whole.empty());
    for (bool w : columns.whole) EXPECT_TRUE(w);
}

TEST(Collection, AssignCopiesEveryItem) {
    TCountingCollection source, target;
    static_cast<TTestColumn*>(source.Add())->Caption = "Abbreviations";
    static_cast<TTestColumn*>(source.Add())->Width = 360;
    target.Add();
    target.Add();
    target.Add();
    target.Assign(&source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(Column(target, 0)->Caption, "Abbreviations");
    EXPECT_EQ(Column(target, 1)->Width, 360);
    TStringList notAColumnList;
    EXPECT_THROW(target.Assign(&notAColumnList), EConvertError);
}

TEST(PublishedMethods, BoundByNameThroughTheFormsMethodTable) {
    RegisterTestClasses();
    TTestForm form(nullptr);
    TTestWidget* button = form.CreateOwnWidget("btnOK");
    SetMethodProp(button, "OnClick", &form, "btnOKClick");
    EXPECT_EQ(GetMethodName(button, "OnClick"), "btnOKClick");
    button->OnClick(button);
    EXPECT_EQ(form.Clicks, (std::vector<std::string>{"btnOK"}));
    EXPECT_THROW(SetMethodProp(button, "OnClick", &form, "Wrong"), EPropertyError);
    EXPECT_THROW(SetMethodProp(button, "OnClick", &form, "Missing"), EPropertyError);

    // A copy keeps the binding and its name.
    TNotifyEvent copy = button->OnClick;
    EXPECT_EQ(copy.HandlerName(), "btnOKClick");

    // A handler assigned in code has no name and is not written.
    button->OnClick = [](TObject*) {};
    EXPECT_EQ(GetMethodName(button, "OnClick"), "");
}

}  // namespace
