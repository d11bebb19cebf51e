// The classes of this framework that form descriptions and pictures may name.
#include "platform/vcl/VclClasses.h"

#include "platform/vcl/actions/StdActns.h"
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
    RegisterClassesOf<TComponent, TStringList, TFont, TPen, TBrush, TBitmap, TJPEGImage, TPicture,
                      TImageList, TMenuItem, TPopupMenu, TMainMenu, TToolBar, TToolButton, TEdit,
                      TMaskEdit, TMemo, TScrollBar, TForm, TPanel, TLabel, TImage, TTimer, TButton,
                      TCheckBox, TRadioButton, TListView, TListBox, TCheckListBox, TComboBox,
                      TDrawGrid>();
    RegisterActionClasses();
}
