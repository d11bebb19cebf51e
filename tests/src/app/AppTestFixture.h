#pragma once
// The reference window on a fresh headless desktop, reading and writing a data file in a
// temporary folder of its own, with the message boxes it shows recorded and answered.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/misc/CxFile.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"
#include "src/Abbr.h"
#include "src/AbbrData.h"
#include "src/Main.h"
#include "src/QuorvaneApp.h"
#include "tests/common/misc/TempDir.h"

namespace apptest {

inline AbbrInfo Info(const char* szTitle, const char* szInfo = "", std::int32_t nFlag = 0,
                     const char* szSample = "") {
    AbbrInfo info;
    std::memset(&info, 0, sizeof info);
    std::string(szTitle).copy(info.szTitle, sizeof info.szTitle - 1);
    std::string(szInfo).copy(info.szInfo, sizeof info.szInfo - 1);
    std::string(szSample).copy(info.szSample, sizeof info.szSample - 1);
    info.nFlag = nFlag;
    return info;
}

// A message box as the user saw it.
struct Box {
    std::string caption;
    std::string text;
    bool operator==(const Box&) const = default;
};

inline void PrintTo(const Box& box, std::ostream* os) {
    *os << "{\"" << box.caption << "\", \"" << box.text << "\"}";
}

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        driver = &win::Headless::Install();
        RegisterQuorvane();
        path = dir.Path("quorvane.dat");
    }
    void TearDown() override {
        // An action queued for a dialog that never opened would otherwise be dropped here
        // unseen, and the test would judge a record that nothing touched.
        EXPECT_EQ(driver->PendingActions(), 0u)
            << "an action queued for when the program waits never ran";
        form.reset();
        win::Headless::Install();
    }

    // Writes the records to the data file in the order given, as a saved file holds them.
    void WriteDataFile(const std::vector<AbbrInfo>& records) {
        CxFile file;
        ASSERT_TRUE(file.Open(path.c_str(), "wb"));
        file.WriteInt(static_cast<std::int32_t>(records.size()));
        AbbrData data(file);
        for (const AbbrInfo& info : records) data.WriteInfo(&info);
        file.Close();
    }
    std::vector<AbbrInfo> ReadDataFile() const {
        std::vector<AbbrInfo> records;
        CxFile file;
        AbbrData(file).ReadRecords(path, [&](AbbrInfo& info) { records.push_back(info); });
        return records;
    }
    static std::vector<std::string> Titles(const std::vector<AbbrInfo>& records) {
        std::vector<std::string> titles;
        for (const AbbrInfo& info : records) titles.emplace_back(info.szTitle);
        return titles;
    }

    // Creates the window, points it at the test's file, loads it and shows it.
    void OpenMain(const std::vector<AbbrInfo>& records) {
        WriteDataFile(records);
        form.reset(TCustomForm::Create<TfmMain>(nullptr));
        form->SetDataPath(path);
        form->LoadData();
        form->FillList();
        form->Show();
        win::Headless::ProcessMessages();
    }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        TListItems* items = form->lvData->GetItems();
        for (int i = 0; i < items->GetCount(); ++i) rows.push_back(items->GetItem(i)->GetCaption());
        return rows;
    }
    std::string SelectedRow() const {
        const TListItem* item = form->lvData->GetSelected();
        return item ? item->GetCaption() : "(none)";
    }
    AbbrInfo* Record(const char* szTitle) const {
        for (auto* p = static_cast<AbbrInfo*>(form->m_pList->GetFirst()); p;
             p = static_cast<AbbrInfo*>(form->m_pList->GetNext()))
            if (std::strcmp(p->szTitle, szTitle) == 0) return p;
        return nullptr;
    }

    // The next message box that a loop waits on is recorded in boxes and answered with OK
    // (its default button), or with the button whose accelerator is cAccelerator.
    void AnswerBox(char cAccelerator = 0) {
        driver->WhenIdle([this, cAccelerator] {
            TMessageForm* box = TMessageForm::Showing();
            if (!box) return;
            Box shown{box->GetCaption(), ""};
            if (auto* text = dynamic_cast<TControl*>(box->FindComponent("Message")))
                shown.text = text->GetCaption();
            boxes.push_back(shown);
            boxTypes.push_back(box->Type());
            if (cAccelerator)
                win::Headless::KeyPress(cAccelerator - 'a' + 'A',
                                        static_cast<char32_t>(cAccelerator));
            else
                win::Headless::KeyPress(VK_RETURN, U'\r');
        });
    }

    // The entry dialog while it is up.
    static TfmAbbr* Dialog() {
        for (TCustomForm* f : TCustomForm::Forms())
            if (auto* dialog = dynamic_cast<TfmAbbr*>(f); dialog && dialog->Modal()) return dialog;
        return nullptr;
    }

    static TPoint Middle(TControl* c) {
        return c->ClientToScreen({c->GetWidth() / 2, c->GetHeight() / 2});
    }
    static void ClickOn(TControl* c) {
        const TPoint p = Middle(c);
        win::Headless::Click(p.x, p.y);
    }
    static void AltKey(int vk) {
        win::Headless::KeyDown(VK_MENU);
        win::Headless::KeyPress(vk, static_cast<char32_t>(vk - 'A' + 'a'));
        win::Headless::KeyUp(VK_MENU);
    }

    win::HeadlessDriver* driver = nullptr;
    TempDir dir;
    std::string path;
    std::unique_ptr<TfmMain> form;
    std::vector<Box> boxes;
    // The MessageBox type (buttons and icon) of each box in boxes.
    std::vector<UINT> boxTypes;
};

}  // namespace apptest
