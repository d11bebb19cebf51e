#pragma once
// TskCustomGroupBox and TskGroupBox: a one-pixel frame in the style's border colour with the
// caption set into its top edge. The box passes its style on to its children and lays them
// out below the caption; disabling it disables them.
#include <string>

#include "Source/buttons/SKImagePanel.h"
#include "Source/theme/SKThemes.h"

class TskFileTheme;

class TskCustomGroupBox : public TskCustomPanel {
    QV_DECLARE_CLASS(TskCustomGroupBox, TskCustomPanel)

    explicit TskCustomGroupBox(TComponent* AOwner);
    ~TskCustomGroupBox() override;

    TColor GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    // The caption drawn in the top edge: the box's own text, apart from the platform's,
    // which stays blank so that the panel draws no caption of its own.
    const std::string& GetCaption() const { return m_caption; }
    void SetCaption(const std::string& Value);
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);
    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    void SetEnabled(bool Value) override;

    // Passes the style on to the children, then takes the style's border and font colours.
    virtual void UpdateUIStyle(TskUIStyle Style, TskFileTheme* FileTheme);
    // The area the items stand in, below the caption.
    TRect GetClient() const;

protected:
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CMFontChanged(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    TColor m_borderColor = clBlack;
    std::string m_caption;
    TskFileTheme* m_fileTheme = nullptr;
    TskUIStyle m_uiStyle = DeepBlue;
};

class TskGroupBox : public TskCustomGroupBox {
    QV_DECLARE_CLASS(TskGroupBox, TskCustomGroupBox)

    explicit TskGroupBox(TComponent* AOwner) : TskCustomGroupBox(AOwner) {}
};

// Makes TskGroupBox known to the form reader.
void RegisterSKGroupBoxClasses();
