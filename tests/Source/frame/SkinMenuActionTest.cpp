// Skinned menu items of actions: an item draws its action's image from the action list's
// image list (before the menu's own), with the framed box of a checked item, and follows
// the action's check.
#include <gtest/gtest.h>

#include <memory>

#include "Source/frame/SKPopupMenu.h"
#include "platform/vcl/actions/ActionList.h"
#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace {

constexpr int kWidth = 160;

void AddSquare(TImageList& images, TColor colour) {
    images.SetWidth(16);
    images.SetHeight(16);
    TBitmap square(16, 16);
    square.GetCanvas()->GetBrush()->SetColor(colour);
    square.GetCanvas()->FillRect(Rect(0, 0, 16, 16));
    images.Add(&square);
}

std::unique_ptr<TBitmap> Draw(TMenuItem* item) {
    TBitmap probe(1, 1);
    int width = 0;
    int height = 0;
    item->OnMeasureItem(item, probe.GetCanvas(), width, height);
    auto bitmap = std::make_unique<TBitmap>(kWidth, height);
    bitmap->GetCanvas()->GetBrush()->SetColor(clWhite);
    bitmap->GetCanvas()->FillRect(Rect(0, 0, kWidth, height));
    item->OnDrawItem(item, bitmap->GetCanvas(), Rect(0, 0, kWidth, height), false);
    return bitmap;
}

TEST(SkinMenuAction, AnItemDrawsItsActionsImageAndCheckFromTheActionList) {
    win::Headless::Install();
    TskPopupMenu menu(nullptr);
    menu.SetUIStyle(WinXP);
    TImageList menuImages(nullptr);
    AddSquare(menuImages, 0xFF0000);  // blue: the menu's own
    TImageList actionImages(nullptr);
    AddSquare(actionImages, 0x0000FF);  // red: the action list's
    TActionList list(nullptr);
    list.SetImages(&actionImages);
    TAction action(nullptr);
    action.SetActionList(&list);
    action.SetCaption("&Pin");
    action.SetImageIndex(0);
    auto* item = new TMenuItem(nullptr);
    menu.GetItems()->Add(item);
    item->SetAction(&action);
    menu.SetImages(&menuImages);
    menu.MenuAdded();

    auto plain = Draw(item);
    EXPECT_EQ(plain->GetCanvas()->GetPixel(10, 10), 0x0000FFu) << "the action list's image";
    EXPECT_NE(plain->GetCanvas()->GetPixel(2, 1), 0x000000u) << "no box while unchecked";
    action.SetChecked(true);
    auto checked = Draw(item);
    EXPECT_EQ(checked->GetCanvas()->GetPixel(10, 10), 0x0000FFu);
    EXPECT_EQ(checked->GetCanvas()->GetPixel(2, 1), 0x000000u) << "the checked item's box";
    list.SetImages(nullptr);
    EXPECT_EQ(Draw(item)->GetCanvas()->GetPixel(10, 10), 0xFF0000u)
        << "without the list's images, the menu's";
    item->SetAction(nullptr);
    menu.SetImages(nullptr);
    win::Headless::Install();
}

}  // namespace
