#pragma once
// Data-aware controls on the headless desktop, over the people table in memory.
#include <memory>
#include <string>

#include "DbTestFixture.h"
#include "platform/vcl/controls/Form.h"
#include "tests/platform/vcl/ControlTestFixture.h"

namespace dbtest {

// A shown form: forms tell a control that loses the focus to write its edit (CM_EXIT).
class DbControlTest : public vcltest::VclTest {
protected:
    void SetUp() override {
        vcltest::VclTest::SetUp();
        host.reset(new TForm(nullptr));
        host->SetBounds(100, 100, 400, 300);
        host->Show();
        Pump();
        s_errors = &errors;
        SetControlExceptionHandler([](TObject*) {
            try {
                throw;
            } catch (const Exception& e) {
                s_errors->push_back(e.Message());
            }
        });
        db = std::make_unique<TSQLiteDatabase>(nullptr);
        db->SetDatabaseName(":memory:");
        db->Open();
        db->ExecSQL(kPeopleSchema);
        db->ExecSQL("INSERT INTO people (name, age, score, active) VALUES "
                    "('Ann', 30, 1.5, 1), ('Bob', 31, 2.5, 0), ('Cy', 32, 3.5, 1)");
        table = std::make_unique<TSQLiteTable>(nullptr);
        table->SetDatabase(db.get());
        table->SetTableName("people");
        source = std::make_unique<TDataSource>(nullptr);
        source->SetDataSet(table.get());
    }
    void TearDown() override {
        host.reset();
        source.reset();
        table.reset();
        db.reset();
        SetControlExceptionHandler(nullptr);
        vcltest::VclTest::TearDown();
    }
    template <class T>
    T* Place(int left, int top, int width, int height) {
        auto* control = new T(host.get());
        control->SetBounds(left, top, width, height);
        control->SetParent(host.get());
        return control;
    }
    static void Pump() { win::Headless::ProcessMessages(); }
    static void Type(const std::string& text) {
        win::Headless::TypeText(text);
        Pump();
    }
    static void Key(int vk, bool shift = false, bool ctrl = false, char32_t ch = 0) {
        if (shift) win::Headless::KeyDown(VK_SHIFT);
        if (ctrl) win::Headless::KeyDown(VK_CONTROL);
        win::Headless::KeyPress(vk, ch);
        if (ctrl) win::Headless::KeyUp(VK_CONTROL);
        if (shift) win::Headless::KeyUp(VK_SHIFT);
        Pump();
    }
    // Gives a control the focus as a click would, and lets the messages run.
    static void Focus(TWinControl* control) {
        control->SetFocus();
        Pump();
    }

    std::unique_ptr<TForm> host;
    std::unique_ptr<TSQLiteDatabase> db;
    std::unique_ptr<TSQLiteTable> table;
    std::unique_ptr<TDataSource> source;
    std::vector<std::string> errors;
    static inline std::vector<std::string>* s_errors = nullptr;
};

}  // namespace dbtest
