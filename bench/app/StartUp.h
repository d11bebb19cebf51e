#pragma once
// The start-up that the application benchmarks measure: the main form read from its
// description, the data file at path loaded, the list view filled and the window painted
// on the headless desktop.
#include <memory>
#include <string>

#include "platform/win/backend/HeadlessDriver.h"
#include "src/Main.h"
#include "src/QuorvaneApp.h"

inline std::unique_ptr<TfmMain> StartUpTo(const std::string& path) {
    static const bool bInstalled = [] {
        win::Headless::Install();
        RegisterQuorvane();
        return true;
    }();
    (void)bInstalled;
    std::unique_ptr<TfmMain> form(TCustomForm::Create<TfmMain>(nullptr));
    form->SetDataPath(path);
    form->LoadData();
    form->FillList();
    form->Show();
    win::Headless::ProcessMessages();
    return form;
}
