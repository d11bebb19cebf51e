#include "platform/win/backend/x11/X11Clipboard.h"

#include <poll.h>

#include <chrono>
#include <vector>

#include "platform/gfx/Font.h"

// X11's headers define short macros (None, Bool, Status), so they come last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace win {

namespace {

std::string Latin1FromUtf8(const std::string& utf8) {
    std::string out;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t ch = gfx::DecodeUtf8(utf8, pos);
        out += ch < 0x100 ? static_cast<char>(ch) : '?';
    }
    return out;
}

std::string Utf8FromLatin1(const std::string& latin1) {
    std::string out;
    for (const unsigned char c : latin1) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

X11Clipboard::X11Clipboard(Display* display, unsigned long window, const X11Atoms& atoms,
                           unsigned long selection)
    : m_display(display), m_window(window), m_atoms(atoms), m_selection(selection) {}

void X11Clipboard::SetText(const std::string& utf8, unsigned long time) {
    m_text = utf8;
    XSetSelectionOwner(m_display, m_selection, m_window, time);
    m_owned = XGetSelectionOwner(m_display, m_selection) == m_window;
}

std::string X11Clipboard::GetText(unsigned long time) {
    // The server knows who owns it now; another program's claim may still wait in the queue.
    if (m_owned && XGetSelectionOwner(m_display, m_selection) == m_window) return m_text;
    m_owned = false;
    if (XGetSelectionOwner(m_display, m_selection) == None) return {};
    std::string text = Fetch(m_atoms.UTF8_STRING, time);
    if (text.empty()) text = Utf8FromLatin1(Fetch(XA_STRING, time));
    return text;
}

// Asks the owner to convert the selection into our property and waits for its answer,
// leaving every other event queued for the message loop.
std::string X11Clipboard::Fetch(unsigned long target, unsigned long time) {
    XDeleteProperty(m_display, m_window, m_atoms.selectionProperty);
    XConvertSelection(m_display, m_selection, target, m_atoms.selectionProperty, m_window,
                      time);
    XFlush(m_display);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    XEvent event;
    while (!XCheckTypedWindowEvent(m_display, m_window, SelectionNotify, &event)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return {};
        pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left.count()));
        XEventsQueued(m_display, QueuedAfterReading);
    }
    if (event.xselection.property == None) return {};
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(m_display, m_window, m_atoms.selectionProperty, 0, 1 << 24, True,
                           AnyPropertyType, &type, &format, &items, &after, &data) == Success &&
        data && format == 8 && (type == target || type == m_atoms.UTF8_STRING || type == XA_STRING))
        text.assign(reinterpret_cast<const char*>(data), items);
    if (data) XFree(data);
    return text;
}

namespace {

XSelectionEvent ReplyTo(const XSelectionRequestEvent& request) {
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.display = request.display;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    reply.property = None;
    return reply;
}

}  // namespace

void X11Clipboard::Refuse(Display* display, const XEvent& event) {
    if (event.type != SelectionRequest) return;
    XSelectionEvent reply = ReplyTo(event.xselectionrequest);
    XSendEvent(display, reply.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
}

bool X11Clipboard::Handle(const XEvent& event) {
    if (event.type == SelectionClear) {
        if (event.xselectionclear.selection != m_selection) return false;
        m_owned = false;
        return true;
    }
    if (event.type != SelectionRequest || event.xselectionrequest.selection != m_selection)
        return false;
    const XSelectionRequestEvent& request = event.xselectionrequest;
    XSelectionEvent reply = ReplyTo(request);
    // Old clients name no property; the target serves as one then.
    const Atom property = request.property != None ? request.property : request.target;
    if (m_owned) {
        if (request.target == m_atoms.TARGETS) {
            const Atom targets[] = {m_atoms.TARGETS, m_atoms.UTF8_STRING, m_atoms.TEXT, XA_STRING};
            XChangeProperty(m_display, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(targets), 4);
            reply.property = property;
        } else if (request.target == m_atoms.UTF8_STRING || request.target == m_atoms.TEXT ||
                   request.target == XA_STRING) {
            const bool latin1 = request.target == XA_STRING;
            const std::string bytes = latin1 ? Latin1FromUtf8(m_text) : m_text;
            XChangeProperty(m_display, request.requestor, property,
                            latin1 ? XA_STRING : m_atoms.UTF8_STRING, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(bytes.data()),
                            static_cast<int>(bytes.size()));
            reply.property = property;
        }
    }
    XSendEvent(m_display, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
    return true;
}

}  // namespace win
