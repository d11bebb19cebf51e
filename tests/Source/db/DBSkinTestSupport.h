#pragma once
// The skinned data-aware controls on a shown form of the headless desktop, over the people
// table in memory, with a picture of one control and linked scroll bars at hand.
#include <string>

#include "Source/edits/SKScrollBar.h"
#include "Source/theme/SKThemes.h"
#include "platform/gfx/Bitmap.h"
#include "tests/platform/db/DbControlFixture.h"

namespace dbskintest {

class DBSkinTest : public dbtest::DbControlTest {
protected:
    // The control as the desktop shows it, its outer edge at (0, 0).
    gfx::Bitmap Shot(TWinControl* Control) {
        Control->Repaint();
        Pump();
        return win::Headless::CaptureWindow(Control->Handle());
    }
    TskScrollBar* NewBar() {
        auto* bar = new TskScrollBar(host.get());
        bar->SetParent(host.get());
        bar->SetBounds(0, 0, 16, 16);
        return bar;
    }
    // Moves a linked bar as dragging its thumb does: its position changes and it reports.
    static void Drag(TskScrollBar* Bar, int Position) {
        Bar->SetPosition(Position);
        Pump();
    }
    // Adds rows to the people table, each with a name and notes of the given lines.
    void AddPeople(int Count, const std::string& Prefix = "P") {
        db->ExecSQL("BEGIN");
        for (int i = 0; i < Count; ++i)
            db->ExecSQL("INSERT INTO people (name, age) VALUES ('" + Prefix + std::to_string(i) +
                        "', " + std::to_string(i) + ")");
        db->ExecSQL("COMMIT");
    }
};

}  // namespace dbskintest
