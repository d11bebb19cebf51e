// The classes of this framework that form descriptions and pictures may name.
#include "platform/vcl/VclClasses.h"

#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/stdctrls/CheckBox.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/vcl/stdctrls/Edit.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/stdctrls/Image.h"
#include "platform/vcl/stdctrls/Label.h"
#include "platform/vcl/stdctrls/RadioButton.h"
#include "platform/vcl/controls/Timer.h"
#include "platform/vcl/graphics/Brush.h"
#include "platform/vcl/grids/Grids.h"
#include "platform/vcl/core/ClassInfo.h"
#include "platform/vcl/graphics/Font.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/stdctrls/CheckListBox.h"
#include "platform/vcl/stdctrls/ComboBox.h"
#include "platform/vcl/stdctrls/ListBox.h"
#include "platform/vcl/comctrls/ListView.h"
#include "platform/vcl/graphics/JPEGImage.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/vcl/stdctrls/MaskEdit.h"
#include "platform/vcl/stdctrls/Memo.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/graphics/Pen.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "platform/vcl/stdctrls/ScrollBar.h"
#include "platform/vcl/core/StringList.h"
#include "platform/vcl/comctrls/ToolBar.h"
#include "platform/vcl/comctrls/ToolButton.h"

void RegisterVclClasses() {
    RegisterClass(TComponent::StaticClassInfo());
    RegisterClass(TStringList::StaticClassInfo());
    RegisterClass(TFont::StaticClassInfo());
    RegisterClass(TPen::StaticClassInfo());
    RegisterClass(TBrush::StaticClassInfo());
    RegisterClass(TBitmap::StaticClassInfo());
    RegisterClass(TJPEGImage::StaticClassInfo());
    RegisterClass(TPicture::StaticClassInfo());
    RegisterClass(TImageList::StaticClassInfo());
    RegisterClass(TMenuItem::StaticClassInfo());
    RegisterClass(TPopupMenu::StaticClassInfo());
    RegisterClass(TMainMenu::StaticClassInfo());
    RegisterClass(TToolBar::StaticClassInfo());
    RegisterClass(TToolButton::StaticClassInfo());
    RegisterClass(TEdit::StaticClassInfo());
    RegisterClass(TMaskEdit::StaticClassInfo());
    RegisterClass(TMemo::StaticClassInfo());
    RegisterClass(TScrollBar::StaticClassInfo());
    RegisterClass(TForm::StaticClassInfo());
    RegisterClass(TPanel::StaticClassInfo());
    RegisterClass(TLabel::StaticClassInfo());
    RegisterClass(TImage::StaticClassInfo());
    RegisterClass(TTimer::StaticClassInfo());
    RegisterClass(TButton::StaticClassInfo());
    RegisterClass(TCheckBox::StaticClassInfo());
    RegisterClass(TRadioButton::StaticClassInfo());
    RegisterClass(TListView::StaticClassInfo());
    RegisterClass(TListBox::StaticClassInfo());
    RegisterClass(TCheckListBox::StaticClassInfo());
    RegisterClass(TComboBox::StaticClassInfo());
    RegisterClass(TDrawGrid::StaticClassInfo());
}
