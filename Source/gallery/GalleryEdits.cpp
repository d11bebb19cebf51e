// The gallery's sections of edits, scrollers and the list view.
#include <string>

#include "Source/edits/SKEdit.h"
#include "Source/edits/SKListView.h"
#include "Source/edits/SKScrollBar.h"
#include "Source/edits/SKSpinEdit.h"
#include "Source/edits/SKTrackBar.h"
#include "Source/gallery/GallerySection.h"

TGallerySection EditsSection() {
    return {"Edits", 300, 110, [](TGalleryPage& page) {
                const auto log = page.Logger();
                auto* edit = page.Add<TskEdit>("edtPlain", 10, 0);
                edit->SetBounds(edit->GetLeft(), edit->GetTop(), 130, 19);
                edit->SetText("Plain text");
                auto* mask = page.Add<TskMaskEdit>("edtMask", 150, 0);
                mask->SetBounds(mask->GetLeft(), mask->GetTop(), 130, 19);
                mask->SetText("");
                mask->SetCharCase(ecUpperCase);
                mask->OnChange = [log, mask](TObject*) { log("change edtMask " + mask->GetText()); };
                auto* number = page.Add<TskNumberEdit>("edtNumber", 10, 34);
                number->SetBounds(number->GetLeft(), number->GetTop(), 130, 19);
                number->SetMask("#,##0.00;-#,##0.00");
                number->SetValue(1234.5);
                auto* spin = page.Add<TskSpinEdit>("edtSpin", 150, 32);
                spin->SetBounds(spin->GetLeft(), spin->GetTop(), 80, 24);
                spin->SetMinValue(0);
                spin->SetMaxValue(100);
                spin->SetValue(42);
                spin->OnChange = [log, spin](TObject*) { log("spin " + spin->GetText()); };
            }};
}

TGallerySection ScrollersSection() {
    return {"Track bar, scroll bar and list view", 300, 190, [](TGalleryPage& page) {
                const auto log = page.Logger();
                auto* track = page.Add<TskTrackBar>("tbTrack", 10, 0);
                track->SetWidth(130);
                track->SetMax(20);
                track->SetFrequency(5);
                track->SetPosition(8);
                track->OnChange = [log, track](TObject*) {
                    log("track " + std::to_string(track->GetPosition()));
                };
                auto* bar = page.Add<TskScrollBar>("sbFree", 150, 4);
                bar->SetWidth(130);
                bar->SetPosition(30);
                bar->SetPageSize(25);
                auto* list = page.Add<TskListView>("lvList", 10, 40);
                list->SetViewStyle(vsReport);
                list->SetRowSelect(true);
                for (const char* caption : {"Abbreviation", "Meaning"}) {
                    TListColumn* column = list->GetColumns()->Add();
                    column->SetCaption(caption);
                    column->SetWidth(caption[0] == 'A' ? 90 : 160);
                }
                const char* rows[][2] = {{"ADD", "add"},     {"ALC", "allocate"}, {"CHG", "change"},
                                         {"CPY", "copy"},    {"CRT", "create"},   {"DLT", "delete"},
                                         {"DSP", "display"}, {"END", "end"},      {"RMV", "remove"},
                                         {"RST", "restore"}, {"SAV", "save"},     {"WRK", "work with"}};
                for (const auto& row : rows) {
                    TListItem* item = list->GetItems()->Add();
                    item->SetCaption(row[0]);
                    item->GetSubItems()->Add(row[1]);
                }
                list->SetBounds(list->GetLeft(), list->GetTop(), 270, 100);
                auto* linked = page.Add<TskScrollBar>("sbList", 0, 0);
                list->SetVScrollBar(linked);
            }};
}
