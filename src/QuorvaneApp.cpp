#include "src/QuorvaneApp.h"

#include "platform/vcl/controls/Application.h"
#include "platform/vcl/core/ClassInfo.h"
#include "platform/vcl/core/SysUtils.h"
#include "src/Abbr.h"
#include "src/Main.h"
#include "platform/vcl/VclClasses.h"
#include "Source/SkinClasses.h"

void RegisterQuorvaneResources();

void RegisterQuorvane() {
    RegisterVclClasses();
    RegisterSkinClasses();
    RegisterClassesOf<TfmMain, TfmAbbr>();
    RegisterQuorvaneResources();
}

int RunQuorvane() {
    try {
        RegisterQuorvane();
        Application->Initialize();
        Application->SetTitle("Quorvane Reference");
        TfmMain* fmMain = nullptr;
        Application->CreateForm(fmMain);
        Application->Run();
        // A window closed by the user has asked already; one told to end by a signal asks now.
        if (fmMain) fmMain->KeepChangesOnEnd();
        delete fmMain;
    } catch (const Exception&) {
        Application->HandleException(nullptr);
    } catch (...) {
        // What the platform does not know how to show is shown with an empty message.
        try {
            throw Exception("");
        } catch (const Exception&) {
            Application->HandleException(nullptr);
        }
    }
    return 0;
}
