#include "Source/gallery/GallerySection.h"

#include "Source/buttons/SKPanel.h"

int TGalleryPage::TopMargin() const {
    const auto* panel = dynamic_cast<const TskPanel*>(m_panel);
    return panel ? panel->TitleHeight() + 4 : 0;
}

std::vector<TGallerySection> GallerySections() {
    // One line per section; a new control's section is added here.
    return {
        PushButtonsSection(),
        CheckBoxesSection(),
        PictureButtonsSection(),
        PanelsSection(),
        EditsSection(),
        ScrollersSection(),
        FrameSection(),
        MenuBarSection(),
        BarsSection(),
        GroupsSection(),
        ActionsSection(),
    };
}
