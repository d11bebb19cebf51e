// A form read from its description (TfmDemo.dfm, embedded): labels, a JPEG banner, a
// panel with check boxes and radio buttons, buttons (one of them hidden, reached by its
// accelerator) and a message box. It prints what the user did, one line each, so that the
// end-to-end test can follow it.
//
//   vcldemo [--headless] [--timeout MILLISECONDS] [--screenshot FILE.png]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/gfx/PngCodec.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/stdctrls/CheckBox.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/stdctrls/Image.h"
#include "platform/vcl/stdctrls/Label.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "platform/vcl/stdctrls/RadioButton.h"
#include "platform/vcl/controls/Timer.h"
#include "platform/win/Backend.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"
#include "platform/vcl/VclClasses.h"

void RegisterVclDemoResources();

namespace {

void Log(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

}  // namespace

class TfmDemo : public TForm {
    QV_DECLARE_CLASS(TfmDemo, TForm)

    explicit TfmDemo(TComponent* AOwner) : TForm(AOwner) {}

    TLabel* lblTitle = nullptr;
    TImage* imgBanner = nullptr;
    TPanel* pnlOptions = nullptr;
    TCheckBox* chkBold = nullptr;
    TCheckBox* chkItalic = nullptr;
    TRadioButton* rbtnSmall = nullptr;
    TRadioButton* rbtnLarge = nullptr;
    TButton* btnHello = nullptr;
    TButton* btnClose = nullptr;
    TButton* btnSecret = nullptr;
    TLabel* lblStatus = nullptr;

    void FormCreate(TObject*) {
        Log("created " + std::to_string(ComponentCount()) + " components");
    }
    void FormShow(TObject*) {
        const TPoint origin = ClientOrigin();
        Log("ready " + std::string(win::BackendName()) + " " + std::to_string(origin.x) + " " +
            std::to_string(origin.y));
    }
    void chkClick(TObject* Sender) {
        auto* box = static_cast<TCheckBox*>(Sender);
        Log("check " + box->GetName() + " " + (box->GetChecked() ? "1" : "0"));
    }
    void rbtnClick(TObject* Sender) { Log("radio " + static_cast<TComponent*>(Sender)->GetName()); }
    void btnHelloClick(TObject*) {
        Log("click btnHello");
        lblStatus->SetCaption("Hello pressed.");
        const int answer = Application->MessageBox("Hello from the demo form.", "VCL demo",
                                                   MB_OKCANCEL | MB_ICONINFORMATION);
        Log("message box " + std::to_string(answer));
    }
    void btnSecretClick(TObject*) {
        Log("click btnSecret");
        lblStatus->SetCaption("The hidden button answered.");
    }
    void btnCloseClick(TObject*) {
        Log("click btnClose");
        Close();
    }
};

const TClassInfo& TfmDemo::StaticClassInfo() {
    using C = TfmDemo;
    static const TClassInfo info = TClassBuilder<C>("TfmDemo")
                                       .Field("lblTitle", &C::lblTitle)
                                       .Field("imgBanner", &C::imgBanner)
                                       .Field("pnlOptions", &C::pnlOptions)
                                       .Field("chkBold", &C::chkBold)
                                       .Field("chkItalic", &C::chkItalic)
                                       .Field("rbtnSmall", &C::rbtnSmall)
                                       .Field("rbtnLarge", &C::rbtnLarge)
                                       .Field("btnHello", &C::btnHello)
                                       .Field("btnClose", &C::btnClose)
                                       .Field("btnSecret", &C::btnSecret)
                                       .Field("lblStatus", &C::lblStatus)
                                       .Method("FormCreate", &C::FormCreate)
                                       .Method("FormShow", &C::FormShow)
                                       .Method("chkClick", &C::chkClick)
                                       .Method("rbtnClick", &C::rbtnClick)
                                       .Method("btnHelloClick", &C::btnHelloClick)
                                       .Method("btnSecretClick", &C::btnSecretClick)
                                       .Method("btnCloseClick", &C::btnCloseClick)
                                       .Build();
    return info;
}

int main(int argc, char** argv) {
    std::string backend = "x11";
    long timeout = 0;
    std::string screenshot;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--headless"))
            backend = "headless";
        else if (!std::strcmp(argv[i], "--timeout") && i + 1 < argc)
            timeout = std::strtol(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--screenshot") && i + 1 < argc)
            screenshot = argv[++i];
        else {
            std::fprintf(
                stderr, "usage: %s [--headless] [--timeout MILLISECONDS] [--screenshot FILE.png]\n",
                argv[0]);
            return 64;
        }
    }
    if (!screenshot.empty()) backend = "headless";
    try {
        win::SelectBackend(backend);
        RegisterVclClasses();
        RegisterVclDemoResources();
        Application->Initialize();
        Application->SetTitle("VCL demo");
        TfmDemo* fmDemo = nullptr;
        Application->CreateForm(fmDemo);
        if (!screenshot.empty()) {
            fmDemo->Show();
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
        delete fmDemo;
        win::SelectBackend("headless");
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vcldemo: %s\n", e.what());
        return 1;
    }
}
