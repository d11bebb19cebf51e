#include "Source/frame/SKPopupMenu.h"

#include <memory>

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/win/Windows.h"

#include "Source/frame/SKMenu.h"
#include "Source/theme/SKFileTheme.h"

TImageList* SkinMenuCheckedImages() {
    static std::unique_ptr<TImageList> images = [] {
        auto list = std::make_unique<TImageList>(nullptr);
        LoadMenuCheckMark(list.get());
        return list;
    }();
    return images.get();
}

const TClassInfo& TskPopupMenu::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassBuilder<TskPopupMenu> builder("TskPopupMenu");
        return AddSkinnedMenuProperties(builder).Build();
    }();
    return info;
}

TskPopupMenu::TskPopupMenu(TComponent* AOwner) : TskSkinnedMenu(AOwner) {
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskPopupMenu::~TskPopupMenu() = default;

TImageList* TskPopupMenu::CheckMarks() const {
    return SkinMenuCheckedImages();
}
