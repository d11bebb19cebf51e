#pragma once
// One section of the skin gallery: a titled panel of skinned controls. A section is a
// function that puts its controls on the page it is given; GallerySections() lists them in
// the order they are shown, one line each.
#include <functional>
#include <string>
#include <vector>

#include "platform/vcl/controls/WinControl.h"

#include "Source/theme/SKThemes.h"

class TskFileTheme;

// What a section builds on: the panel its controls go on and the gallery's log, which
// prints one line per thing the user does.
class TGalleryPage {
public:
    TGalleryPage(TWinControl* Panel, TComponent* Owner, std::function<void(const std::string&)> Log)
        : m_panel(Panel), m_owner(Owner), m_log(std::move(Log)) {}

    // A control of class T named Name, owned by the gallery's form, on the section's panel
    // at (X, Y) in the panel's client area.
    template <class T>
    T* Add(const std::string& Name, int X, int Y) {
        auto* control = new T(m_owner);
        control->SetName(Name);
        control->SetLeft(X);
        control->SetTop(Y + TopMargin());
        control->SetParent(m_panel);
        return control;
    }
    void Log(const std::string& Line) const { m_log(Line); }
    std::function<void(const std::string&)> Logger() const { return m_log; }
    TWinControl* Panel() const { return m_panel; }
    // The part of the panel its title takes.
    int TopMargin() const;

private:
    TWinControl* m_panel;
    TComponent* m_owner;
    std::function<void(const std::string&)> m_log;
};

struct TGallerySection {
    std::string Title;
    int Width;
    int Height;
    std::function<void(TGalleryPage&)> Build;
};

// Every section, in the order shown: two columns, filled top to bottom.
std::vector<TGallerySection> GallerySections();

// The sections of the buttons and containers.
TGallerySection PushButtonsSection();
TGallerySection CheckBoxesSection();
TGallerySection PictureButtonsSection();
TGallerySection PanelsSection();
TGallerySection GroupsSection();

// The sections of the edits, scrollers and list.
TGallerySection EditsSection();
TGallerySection ScrollersSection();
// The skinned frame's title bar, popup menu and a window wearing the frame.
TGallerySection FrameSection();
// A small skinned window with a main menu in its menu bar.
TGallerySection MenuBarSection();

// The MDI window the frame section opens: made on first use, in the given style; it
// follows the gallery's later styles and logs where its buttons are.
void OpenMdiWindow(TComponent* Owner, TskUIStyle Style, TskFileTheme* Theme,
                   const std::function<void(const std::string&)>& Log);
void RestyleMdiWindow(TComponent* Owner, TskUIStyle Style, TskFileTheme* Theme);

// The sections of links, progress bars, the tool bar and the notification.
TGallerySection BarsSection();
// An action list driving a skinned button, a skinned menu item and a tool button.
TGallerySection ActionsSection();
