#pragma once
// A fresh headless desktop per test, and small controls that record what they are told.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace vcltest {

// A top-level window that holds controls, for tests that need no form.
class THostControl : public TCustomControl {
public:
    explicit THostControl(TComponent* AOwner) : TCustomControl(AOwner) {
        m_controlStyle |= csAcceptsControls;
        SetColor(clWhite);
    }

protected:
    void CreateParams(TCreateParams& Params) override {
        TCustomControl::CreateParams(Params);
        Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP | WS_CLIPCHILDREN;
        Params.WndParent = nullptr;
    }
};

// A graphic control that fills itself with its colour and logs its mouse messages.
class TProbe : public TGraphicControl {
public:
    explicit TProbe(TComponent* AOwner, std::vector<std::string>* log = nullptr)
        : TGraphicControl(AOwner), m_log(log) {}

protected:
    void Paint() override {
        GetCanvas()->GetBrush()->SetColor(GetColor());
        GetCanvas()->FillRect(ClientRect());
    }
    void CMMouseEnter(TMessage& m) override {
        Log("enter");
        TGraphicControl::CMMouseEnter(m);
    }
    void CMMouseLeave(TMessage& m) override {
        Log("leave");
        TGraphicControl::CMMouseLeave(m);
    }
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
        Log("down " + std::to_string(x) + "," + std::to_string(y));
        TGraphicControl::MouseDown(b, s, x, y);
    }
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
        Log("up " + std::to_string(x) + "," + std::to_string(y));
        TGraphicControl::MouseUp(b, s, x, y);
    }
    void Click() override {
        Log("click");
        TGraphicControl::Click();
    }

private:
    void Log(const std::string& what) {
        if (m_log) m_log->push_back(GetName() + " " + what);
    }
    std::vector<std::string>* m_log;
};

class VclTest : public ::testing::Test {
protected:
    void SetUp() override { driver = &win::Headless::Install(); }
    void TearDown() override { win::Headless::Install(); }

    win::HeadlessDriver* driver = nullptr;
};

}  // namespace vcltest
