// A form that shows every platform control, read from its description (TfmGallery.dfm,
// embedded): labels, a panel, a picture, buttons, check boxes and radio buttons, an edit, a
// masked edit, a memo, a report list view, a list box, combo boxes, a check list box, scroll
// bars, a menu bar and a tool bar whose buttons drop menus down, and a popup menu on the
// list view. It prints what the user did, one line each, for the end-to-end test.
//
// File > Records... opens the records window over the demonstration database (Records.h).
//
//   gallery [--headless] [--timeout MILLISECONDS] [--screenshot FILE.png]
//           [--records DATABASE] [--records-only]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/gfx/PngCodec.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/stdctrls/CheckBox.h"
#include "platform/vcl/stdctrls/CheckListBox.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/stdctrls/ComboBox.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/vcl/stdctrls/Edit.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/stdctrls/Image.h"
#include "platform/vcl/stdctrls/Label.h"
#include "platform/vcl/stdctrls/ListBox.h"
#include "platform/vcl/comctrls/ListView.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/vcl/stdctrls/MaskEdit.h"
#include "platform/vcl/stdctrls/Memo.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "platform/vcl/stdctrls/RadioButton.h"
#include "platform/vcl/stdctrls/ScrollBar.h"
#include "platform/vcl/controls/Timer.h"
#include "platform/vcl/comctrls/ToolBar.h"
#include "platform/vcl/comctrls/ToolButton.h"
#include "platform/win/Backend.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"
#include "platform/vcl/VclClasses.h"
#include "platform/win/ModuleFileName.h"
#include "Records.h"

void RegisterGalleryResources();

namespace {

void Log(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Line breaks would split an event over several lines of the log.
std::string OneLine(std::string text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') continue;
        out += c == '\n' ? '|' : c;
    }
    return out;
}

// A sky over a green hill with a sun: something to tell the picture's place by.
gfx::Bitmap Landscape(int width, int height) {
    gfx::Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int hill = height * 2 / 3 - (x * (width - x)) * height / (width * width * 2);
            TColor color = RGB(96 + 120 * y / height, 160 + 80 * y / height, 255);
            if (y > hill) color = RGB(40, 140 - 40 * (y - hill) / height, 40);
            const int dx = x - width * 4 / 5, dy = y - height / 3;
            if (dx * dx + dy * dy <= 64) color = RGB(255, 215, 0);
            picture.SetPixel(x, y, color);
        }
    }
    return picture;
}

}  // namespace

class TfmGallery : public TForm {
    QV_DECLARE_CLASS(TfmGallery, TForm)

    explicit TfmGallery(TComponent* AOwner) : TForm(AOwner) {}

    TImage* imgPicture = nullptr;
    TListView* lvFiles = nullptr;
    TListBox* lbxColours = nullptr;
    TCheckListBox* clbParts = nullptr;
    TScrollBar* sbHorizontal = nullptr;
    TScrollBar* sbVertical = nullptr;
    TLabel* lblScroll = nullptr;
    TLabel* lblStatus = nullptr;

    void FormCreate(TObject*) {
        TBitmap* bitmap = imgPicture->GetPicture()->GetBitmap();
        bitmap->SetImage(Landscape(imgPicture->GetWidth(), imgPicture->GetHeight()));
        imgPicture->Invalidate();
        struct Row {
            const char* name;
            const char* kind;
            const char* size;
        };
        const Row rows[] = {
            {"readme.txt", "Text", "2 KB"},         {"banner.jpg", "JPEG picture", "14 KB"},
            {"quorvane.dat", "Data", "120 KB"},     {"theme.skn", "Theme", "48 KB"},
            {"notes.txt", "Text", "1 KB"},          {"setup.log", "Log", "6 KB"},
            {"gallery.dfm", "Description", "9 KB"}, {"main.cpp", "C++ source", "4 KB"},
            {"Main.dfm", "Description", "11 KB"},   {"style.bmp", "Bitmap", "30 KB"},
        };
        for (const Row& row : rows) {
            TListItem* item = lvFiles->GetItems()->Add();
            item->SetCaption(row.name);
            item->GetSubItems()->Add(row.kind);
            item->GetSubItems()->Add(row.size);
        }
        clbParts->SetChecked(0, true);
        clbParts->SetChecked(2, true);
        Log("created " + std::to_string(ComponentCount()) + " components");
    }
    void FormShow(TObject*) {
        const TPoint origin = ClientOrigin();
        Log("ready " + std::string(win::BackendName()) + " " + std::to_string(origin.x) + " " +
            std::to_string(origin.y));
    }
    void Status(const std::string& line) {
        Log(line);
        lblStatus->SetCaption(line);
    }
    void ButtonClick(TObject* Sender) { Status("click " + Name(Sender)); }
    void btnCloseClick(TObject*) {
        Log("click btnClose");
        Close();
    }
    void CheckClick(TObject* Sender) {
        Status("check " + Name(Sender) + " " +
               (static_cast<TCheckBox*>(Sender)->GetChecked() ? "1" : "0"));
    }
    void RadioClick(TObject* Sender) { Status("radio " + Name(Sender)); }
    void EditEnter(TObject* Sender) { Log("enter " + Name(Sender)); }
    void EditChange(TObject* Sender) {
        Log("change " + Name(Sender) + " " + OneLine(static_cast<TControl*>(Sender)->GetText()));
    }
    void ListViewSelectItem(TObject*, TListItem* Item, bool Selected) {
        if (Selected) Status("row " + std::to_string(Item->GetIndex()) + " " + Item->GetCaption());
    }
    void ListBoxClick(TObject*) {
        const int index = lbxColours->GetItemIndex();
        if (index >= 0) Status("listbox " + lbxColours->GetItems()->Strings(index));
    }
    void CheckListClick(TObject*) {
        const int index = clbParts->GetItemIndex();
        if (index >= 0)
            Status("checklist " + clbParts->GetItems()->Strings(index) + " " +
                   (clbParts->GetChecked(index) ? "1" : "0"));
    }
    void ComboDropDown(TObject* Sender) { Log("dropdown " + Name(Sender)); }
    void ComboCloseUp(TObject* Sender) { Log("closeup " + Name(Sender)); }
    void ComboSelect(TObject* Sender) {
        Status("select " + Name(Sender) + " " + static_cast<TComboBox*>(Sender)->GetText());
    }
    void ScrollChange(TObject* Sender) {
        const int position = static_cast<TScrollBar*>(Sender)->GetPosition();
        Log("scroll " + Name(Sender) + " " + std::to_string(position));
        lblScroll->SetCaption("Scroll bars at " + std::to_string(sbHorizontal->GetPosition()) +
                              " and " + std::to_string(sbVertical->GetPosition()) + ".");
    }
    void MenuClick(TObject* Sender) {
        auto* item = static_cast<TMenuItem*>(Sender);
        Status("menu " + item->GetName() +
               (item->GetAutoCheck() && item->GetChecked() ? " 1" : ""));
    }
    void miRecordsClick(TObject*) {
        Log("menu miRecords");
        TCustomForm::Create<TfmRecords>(Application)->Show();
    }
    void miExitClick(TObject*) {
        Log("menu miExit");
        Close();
    }
    void ToolClick(TObject* Sender) {
        auto* button = static_cast<TToolButton*>(Sender);
        Status("tool " + button->GetName() + (button->GetDown() ? " down" : ""));
    }

private:
    static std::string Name(TObject* Sender) { return static_cast<TComponent*>(Sender)->GetName(); }
};

const TClassInfo& TfmGallery::StaticClassInfo() {
    using C = TfmGallery;
    static const TClassInfo info = TClassBuilder<C>("TfmGallery")
                                       .Field("imgPicture", &C::imgPicture)
                                       .Field("lvFiles", &C::lvFiles)
                                       .Field("lbxColours", &C::lbxColours)
                                       .Field("clbParts", &C::clbParts)
                                       .Field("sbHorizontal", &C::sbHorizontal)
                                       .Field("sbVertical", &C::sbVertical)
                                       .Field("lblScroll", &C::lblScroll)
                                       .Field("lblStatus", &C::lblStatus)
                                       .Method("FormCreate", &C::FormCreate)
                                       .Method("FormShow", &C::FormShow)
                                       .Method("ButtonClick", &C::ButtonClick)
                                       .Method("btnCloseClick", &C::btnCloseClick)
                                       .Method("CheckClick", &C::CheckClick)
                                       .Method("RadioClick", &C::RadioClick)
                                       .Method("EditEnter", &C::EditEnter)
                                       .Method("EditChange", &C::EditChange)
                                       .Method("ListViewSelectItem", &C::ListViewSelectItem)
                                       .Method("ListBoxClick", &C::ListBoxClick)
                                       .Method("CheckListClick", &C::CheckListClick)
                                       .Method("ComboDropDown", &C::ComboDropDown)
                                       .Method("ComboCloseUp", &C::ComboCloseUp)
                                       .Method("ComboSelect", &C::ComboSelect)
                                       .Method("ScrollChange", &C::ScrollChange)
                                       .Method("MenuClick", &C::MenuClick)
                                       .Method("miExitClick", &C::miExitClick)
                                       .Method("miRecordsClick", &C::miRecordsClick)
                                       .Method("ToolClick", &C::ToolClick)
                                       .Build();
    return info;
}

int main(int argc, char** argv) {
    std::string backend = "x11";
    long timeout = 0;
    std::string screenshot;
    bool records = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--headless"))
            backend = "headless";
        else if (!std::strcmp(argv[i], "--timeout") && i + 1 < argc)
            timeout = std::strtol(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--screenshot") && i + 1 < argc)
            screenshot = argv[++i];
        else if (!std::strcmp(argv[i], "--records") && i + 1 < argc)
            TfmRecords::DatabasePath = argv[++i], records = true;
        else {
            std::fprintf(
                stderr,
                "usage: %s [--headless] [--timeout MILLISECONDS] [--screenshot FILE.png] "
                "[--records DATABASE]\n",
                argv[0]);
            return 64;
        }
    }
    if (!screenshot.empty()) backend = "headless";
    try {
        win::SelectBackend(backend);
        RegisterVclClasses();
        RegisterRecordsClasses();
        RegisterGalleryResources();
        if (TfmRecords::DatabasePath.empty()) {
            // The demonstration database is built beside the program.
            char buffer[4096] = {};
            GetModuleFileName(nullptr, buffer, sizeof buffer);
            const std::string exe = buffer;
            TfmRecords::DatabasePath = exe.substr(0, exe.rfind('/') + 1) + "records.db";
        }
        Application->Initialize();
        Application->SetTitle("Controls gallery");
        TfmGallery* fmGallery = nullptr;
        Application->CreateForm(fmGallery);
        // With --records the records window opens once the gallery is up, above it.
        TTimer openRecords(nullptr);
        openRecords.SetEnabled(false);
        openRecords.SetInterval(1);
        openRecords.OnTimer = [&](TObject*) {
            openRecords.SetEnabled(false);
            TCustomForm::Create<TfmRecords>(Application)->Show();
        };
        if (records) fmGallery->OnShow = [&](TObject* Sender) {
            fmGallery->FormShow(Sender);
            openRecords.SetEnabled(true);
        };
        if (!screenshot.empty()) {
            fmGallery->Show();
            win::Headless::ProcessMessages();
            gfx::WritePng(win::Headless::CaptureDesktop(), screenshot);
            Log("screenshot " + screenshot);
            return 0;
        }
        TTimer quit(nullptr);
        quit.SetEnabled(false);
        quit.OnTimer = [](TObject*) {
            Log("timeout");
            Application->Terminate();
        };
        if (timeout > 0) {
            quit.SetInterval(static_cast<unsigned>(timeout));
            quit.SetEnabled(true);
        }
        Application->Run();
        Log("closed");
        delete fmGallery;
        win::SelectBackend("headless");
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gallery: %s\n", e.what());
        return 1;
    }
}
