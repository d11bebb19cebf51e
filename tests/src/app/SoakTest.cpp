// Ten thousand seeded random mouse and keyboard events on the reference window and every
// dialog it opens (the entry dialog, message boxes, the popup menu): nothing may crash or
// throw, and the data file must stay as it was unless a save was confirmed, and be whole
// with no empty or repeated title when one was. QV_SOAK_SEED replays another seed.
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/src/app/AppTestFixture.h"

using apptest::AppTest;
using apptest::Info;

namespace {

constexpr int kEvents = 10000;

class SoakTest : public AppTest {
protected:
    // One random event aimed at the window on top: the modal dialog while one is up, else
    // the reference window's client area (its title bar would close or move it).
    void RandomEvent() {
        ++m_events;
        TCustomForm* target = form.get();
        for (TCustomForm* f : TCustomForm::Forms())
            if (f->Modal() && f->GetVisible()) target = f;
        const TPoint origin = target->ClientOrigin();
        const int width = target == form.get() ? target->GetClientWidth() : target->GetWidth();
        const int height = target == form.get() ? target->GetClientHeight() : target->GetHeight();
        const TPoint topLeft =
            target == form.get() ? origin : TPoint{target->GetLeft(), target->GetTop()};
        const auto pick = [&](int n) {
            return std::uniform_int_distribution<int>(0, n - 1)(m_random);
        };

        // Keys with the character they type, if any.
        static const struct {
            int vk;
            char32_t ch;
        } kKeys[] = {{VK_TAB, U'\t'}, {VK_RETURN, U'\r'}, {VK_ESCAPE, U'\x1b'}, {VK_SPACE, U' '},
                     {VK_UP, 0},      {VK_DOWN, 0},      {VK_LEFT, 0},         {VK_RIGHT, 0},
                     {VK_HOME, 0},    {VK_END, 0},       {VK_PRIOR, 0},        {VK_NEXT, 0},
                     {VK_BACK, U'\b'}, {VK_DELETE, 0},    {VK_APPS, 0},         {VK_F1 + 9, 0}};
        static const char kAltKeys[] = {'A', 'S', 'F', 'D', 'O', 'C', 'K', 'L', 'W'};
        switch (pick(10)) {
            case 0:
            case 1:
            case 2:
                win::Headless::Click(topLeft.x + pick(width), topLeft.y + pick(height));
                break;
            case 3: {
                const int x = topLeft.x + pick(width), y = topLeft.y + pick(height);
                win::Headless::Click(x, y);
                win::Headless::Click(x, y);
                break;
            }
            case 4:
                win::Headless::Click(topLeft.x + pick(width), topLeft.y + pick(height), 1);
                break;
            case 5:
                win::Headless::MouseMove(topLeft.x + pick(width), topLeft.y + pick(height));
                break;
            case 6:
                win::Headless::Wheel(pick(2) ? 120 : -120);
                break;
            case 7: {
                const auto& key = kKeys[pick(static_cast<int>(std::size(kKeys)))];
                win::Headless::KeyPress(key.vk, key.ch);
                break;
            }
            case 8: {
                const char letter = kAltKeys[pick(static_cast<int>(std::size(kAltKeys)))];
                AltKey(letter);
                break;
            }
            default: {
                static const char kText[] = "ACDLRTWZ019 abc-";
                std::string text;
                for (int i = pick(4); i >= 0; --i) text += kText[pick(sizeof kText - 1)];
                win::Headless::TypeText(text);
                break;
            }
        }
    }

    // Runs whenever a modal loop (a dialog, a message box, a menu) waits: notes a save's
    // confirmation, goes on with the events, and once they are spent closes what is open.
    void Tick() {
        if (TMessageForm* box = TMessageForm::Showing()) {
            if (auto* text = dynamic_cast<TControl*>(box->FindComponent("Message")))
                if (text->GetCaption() == "Quorvane Reference saved successfully.") m_saved = true;
        }
        if (m_events < kEvents) {
            RandomEvent();
            driver->WhenIdle([this] { Tick(); });
        } else {
            CloseTopWindow();
            driver->WhenIdle([this] { Tick(); });
        }
    }

    // Closes what is open the way a user would: Escape closes a message box and a menu;
    // the entry dialog has no cancel button, so Escape leaves it open and its Cancel button
    // closes it. A dialog that neither closes is cancelled directly and counted.
    void CloseTopWindow() {
        TCustomForm* top = nullptr;
        for (TCustomForm* f : TCustomForm::Forms())
            if (f->Modal() && f->GetVisible()) top = f;
        m_closeTries = top == m_lastTop ? m_closeTries + 1 : 0;
        m_lastTop = top;
        auto* entry = dynamic_cast<TfmAbbr*>(top);
        if (top && m_closeTries >= 10) {
            ++m_stuckDialogs;
            top->SetModalResult(mrCancel);
        } else if (entry && m_closeTries >= 2) {
            // After two Escapes no menu of the dialog is open any more.
            ClickOn(entry->btnCancel);
        } else {
            win::Headless::KeyPress(VK_ESCAPE, U'\x1b');
        }
    }

    std::mt19937 m_random;
    int m_events = 0;
    bool m_saved = false;
    TCustomForm* m_lastTop = nullptr;
    int m_closeTries = 0;
    // Dialogs that neither Escape nor their Cancel button closed.
    int m_stuckDialogs = 0;
};

}  // namespace

TEST_F(SoakTest, RandomInputNeverCrashesAndLeavesTheFileUnlessSaved) {
    const char* seedText = std::getenv("QV_SOAK_SEED");
    const unsigned seed = seedText ? static_cast<unsigned>(std::strtoul(seedText, nullptr, 10))
                                   : 20261210u;
    SCOPED_TRACE("seed " + std::to_string(seed));
    m_random.seed(seed);

    std::vector<AbbrInfo> records;
    for (const char* title : {"ADD", "ALC", "ALW", "CHG", "CRT", "DLT", "DSP", "EDT", "RMV",
                              "RST", "SAV", "STR", "WRK", "ZZ"}) {
        records.push_back(Info(title, (std::string("meaning of ") + title).c_str(),
                               static_cast<std::int32_t>(title[1] % 4), "SAMPLE"));
    }
    OpenMain(records);
    const std::string original = TempDir::ReadAll(path);

    // A waiting loop takes its next event from Tick; the outer loop feeds the rest.
    driver->WhenIdle([this] { Tick(); });
    while (m_events < kEvents) {
        RandomEvent();
        win::Headless::ProcessMessages();
        if (driver->PendingActions() == 0) driver->WhenIdle([this] { Tick(); });
    }
    win::Headless::ProcessMessages();
    for (TCustomForm* f : TCustomForm::Forms())
        EXPECT_FALSE(f->Modal() && f->GetVisible()) << "a dialog is still up";
    driver->DropPendingActions();

    const std::string after = TempDir::ReadAll(path);
    if (!m_saved) {
        EXPECT_EQ(after, original) << "the data file changed without a confirmed save";
    } else {
        CxFile file;
        std::vector<std::string> titles;
        const AbbrData::ReadResult read = AbbrData(file).ReadRecords(
            path, [&](AbbrInfo& info) { titles.emplace_back(info.szTitle); });
        EXPECT_TRUE(read.IsWhole()) << read.szDamage;
        EXPECT_EQ(read.nTrailingBytes, 0u);
        // An edit in place keeps a record where it was, so the order may be off; the next
        // load sorts it again. Empty or repeated titles it would drop, so none may be saved.
        std::set<std::string> distinct(titles.begin(), titles.end());
        EXPECT_EQ(distinct.size(), titles.size()) << "a title was saved twice";
        EXPECT_EQ(distinct.count(""), 0u) << "an empty title was saved";
    }
    EXPECT_EQ(m_stuckDialogs, 0) << "a dialog that neither Escape nor Cancel closed";
    std::printf("soak: %d events, %s\n", m_events, m_saved ? "saved" : "not saved");
}
