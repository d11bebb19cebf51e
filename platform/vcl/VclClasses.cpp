// The classes of this framework that form descriptions and pictures may name.
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/CustomPanel.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/RadioButton.h"
#include "platform/vcl/Timer.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/ClassInfo.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/CheckListBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/ListView.h"
#include "platform/vcl/JPEGImage.h"
#include "platform/vcl/MainMenu.h"
#include "platform/vcl/MaskEdit.h"
#include "platform/vcl/Memo.h"
#include "platform/vcl/MenuItem.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/Picture.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/vcl/ScrollBar.h"
#include "platform/vcl/StringList.h"
#include "platform/vcl/ToolBar.h"
#include "platform/vcl/ToolButton.h"

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
}
