#pragma once
// One X selection (CLIPBOARD for copy and paste, PRIMARY for the text selected last): text
// the program puts there is offered to other programs as UTF-8 (and Latin-1 for old ones)
// for as long as it owns the selection; pasting asks the owner.
#include <string>

#include "platform/win/backend/x11/X11Atoms.h"

struct _XDisplay;
union _XEvent;

namespace win {

class X11Clipboard {
public:
    // `window`: a window of ours that lives as long as the clipboard owns text.
    X11Clipboard(_XDisplay* display, unsigned long window, const X11Atoms& atoms,
                 unsigned long selection);

    void SetText(const std::string& utf8, unsigned long time);
    // Waits up to a second for another owner to answer; empty when nobody does.
    std::string GetText(unsigned long time);
    // SelectionRequest and SelectionClear events for our window that name this selection;
    // false for those of another selection.
    bool Handle(const _XEvent& event);
    // Answers a request for a selection we do not keep: nothing to give.
    static void Refuse(_XDisplay* display, const _XEvent& event);

private:
    std::string Fetch(unsigned long target, unsigned long time);

    _XDisplay* m_display;
    unsigned long m_window;
    const X11Atoms& m_atoms;
    unsigned long m_selection;
    std::string m_text;
    bool m_owned = false;
};

}  // namespace win
