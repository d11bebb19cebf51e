// The skinned main menu: its image list that reads null while it draws from its own check
// marks, its attachment to the skinned frame of its form, and its end, which must not
// leave anyone drawing from a freed list.
#include <gtest/gtest.h>

#include <memory>

#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/ImageList.h"

#include "Source/frame/SKForm.h"
#include "Source/frame/SKMainMenu.h"
#include "Source/frame/SKMenuBar.h"
#include "Source/frame/SKPopupMenu.h"
#include "FrameTestSupport.h"

namespace {

using namespace frame_test;

constexpr TColor kTickGreen = 0x1DCB00;

// Whether the checked item, drawn alone, shows the green tick where it belongs.
bool DrawsTick(TMenuItem* Item) {
    TBitmap bitmap(120, 21);
    bitmap.GetCanvas()->GetBrush()->SetColor(clWhite);
    bitmap.GetCanvas()->FillRect(Rect(0, 0, 120, 21));
    Item->OnDrawItem(Item, bitmap.GetCanvas(), Rect(0, 0, 120, 21), false);
    for (int y = 3; y < 19; ++y)
        for (int x = 4; x < 20; ++x)
            if (bitmap.GetCanvas()->GetPixel(x, y) == kTickGreen) return true;
    return false;
}

TMenuItem* CheckedItem(TMenu* Menu) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption("&Bold");
    item->SetChecked(true);
    Menu->GetItems()->Add(item);
    return item;
}

using SkinMainMenuTest = FrameTest;

TEST_F(SkinMainMenuTest, ImagesReadNullWhileTheCheckMarksAreInPlace) {
    TskMainMenu menu(nullptr);
    TMenuItem* item = CheckedItem(&menu);
    EXPECT_EQ(menu.GetImages(), nullptr);
    EXPECT_EQ(menu.TMenu::GetImages(), menu.CheckMarks());
    EXPECT_TRUE(DrawsTick(item));

    auto* images = new TImageList(nullptr);
    menu.SetImages(images);
    EXPECT_EQ(menu.GetImages(), images);
    // The user's list going away puts the check marks back.
    delete images;
    EXPECT_EQ(menu.GetImages(), nullptr);
    EXPECT_EQ(menu.TMenu::GetImages(), menu.CheckMarks());
    EXPECT_TRUE(DrawsTick(item));

    menu.SetImages(nullptr);
    EXPECT_EQ(menu.GetImages(), nullptr);
    EXPECT_TRUE(DrawsTick(item));
    EXPECT_TRUE(menu.GetOwnerDraw());
}

TEST_F(SkinMainMenuTest, FreeingAMenuLeavesTheOtherMenusTicksAlone) {
    // Each skinned main menu frees only its own check marks, and only once it has let go of
    // them; the other menus, and the popup menus' shared list, keep drawing.
    auto first = std::make_unique<TskMainMenu>(nullptr);
    TskMainMenu second(nullptr);
    TskPopupMenu popup(nullptr);
    TMenuItem* secondItem = CheckedItem(&second);
    TMenuItem* popupItem = CheckedItem(&popup);
    popup.MenuAdded();
    CheckedItem(first.get());
    EXPECT_NE(first->CheckMarks(), second.CheckMarks());
    first.reset();
    EXPECT_TRUE(DrawsTick(secondItem));
    EXPECT_TRUE(DrawsTick(popupItem));
    EXPECT_EQ(SkinMenuCheckedImages()->Count(), 1);
}

TEST_F(SkinMainMenuTest, AttachesToTheFramesOfItsFormAndMovesBetweenThem) {
    MakeForm();
    auto* frame = new TskForm(form);
    auto* platformMenu = new TMainMenu(form);
    form->SetMenu(platformMenu);
    auto* menu = new TskMainMenu(form);
    menu->AfterConstruction();
    EXPECT_EQ(form->GetMenu(), nullptr) << "the platform's menu bar would show beside the skin's";
    EXPECT_EQ(frame->GetMenu(), menu);
    EXPECT_EQ(menu->HostForm(), frame);
    ASSERT_NE(frame->MenuBar(), nullptr);

    // A menu shown by another form leaves the first one without a bar.
    TForm other(nullptr);
    other.SetBorderStyle(bsDialog);
    auto* otherFrame = new TskForm(&other);
    otherFrame->SetMenu(menu);
    EXPECT_EQ(menu->HostForm(), otherFrame);
    EXPECT_EQ(frame->GetMenu(), nullptr);
    EXPECT_EQ(frame->MenuBar(), nullptr);
    ASSERT_NE(otherFrame->MenuBar(), nullptr);

    // A frame that goes lets the menu go.
    delete otherFrame;
    EXPECT_EQ(menu->HostForm(), nullptr);
}

TEST_F(SkinMainMenuTest, TheFramesStyleReachesTheMenuAndAMenuOnAPlainFormStaysAlone) {
    MakeForm();
    auto* frame = new TskForm(form);
    auto* menu = new TskMainMenu(form);
    frame->SetMenu(menu);
    frame->SetUIStyle(MacOS);
    EXPECT_EQ(menu->GetUIStyle(), MacOS);
    EXPECT_EQ(menu->GetMenuItemHeight(), 20);
    menu->SetHeight(30);
    EXPECT_EQ(menu->GetMenuItemHeight(), 20);

    TForm plain(nullptr);
    TskMainMenu alone(&plain);
    alone.AfterConstruction();
    EXPECT_EQ(alone.HostForm(), nullptr);
}

}  // namespace
