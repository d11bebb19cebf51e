// The yardstick for the program's start-up: a small FLTK program of the same shape as the
// reference window (an edit, a button and a list of 575 rows), as a toolkit that talks to
// Xlib directly builds it.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>

#include <cstdio>

int main(int argc, char** argv) {
    Fl_Window window(600, 500, "FLTK reference");
    Fl_Input edit(110, 20, 200, 24, "Abbreviation:");
    Fl_Button button(330, 20, 80, 24, "Find");
    Fl_Hold_Browser list(20, 60, 560, 420);
    static const int widths[] = {120, 0};
    list.column_widths(widths);
    char row[64];
    for (int i = 0; i < 575; ++i) {
        std::snprintf(row, sizeof row, "ABR%03d\tmeaning of row %d", i, i);
        list.add(row);
    }
    window.end();
    window.show(argc, argv);
    return Fl::run();
}
