#pragma once
// TskURLLabel: a label that behaves as a web link. It is underlined in its link colour,
// turns to its hover colour while the mouse is over it, and a click opens its URL in the
// user's browser through the platform shell.
#include <string>

#include "platform/vcl/stdctrls/Label.h"

class TskURLLabel : public TCustomLabel {
    QV_DECLARE_CLASS(TskURLLabel, TCustomLabel)

    explicit TskURLLabel(TComponent* AOwner);

    const std::string& GetURL() const { return m_url; }
    void SetURL(const std::string& Value);
    TColor GetFontHoverColor() const { return m_fontHoverColor; }
    void SetFontHoverColor(TColor Value) { m_fontHoverColor = Value; }
    TColor GetFontLinkColor() const { return m_fontLinkColor; }
    // Recolours the label at once.
    void SetLinkColor(TColor Value);

    // Opens the URL (unless it is blank), then fires OnClick.
    void Click() override;

protected:
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    std::string m_url;
    TColor m_fontHoverColor = clRed;
    TColor m_fontLinkColor = clBlue;
};

// Makes TskURLLabel known to the form reader.
void RegisterSKURLLabelClasses();
