#pragma once
// TskDBGrid: the platform's data grid in the style's colours (fixed cells, cells, titles
// and text), with its own colours for the selected and the focused cell and the flat frame
// of the skinned text controls.
#include "Source/theme/SKThemes.h"
#include "platform/db/controls/DBGrid.h"

class TskFileTheme;

class TskDBGrid : public TDBGrid {
    QV_DECLARE_CLASS(TskDBGrid, TDBGrid)

    explicit TskDBGrid(TComponent* AOwner);
    ~TskDBGrid() override;

    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    // Takes the style's colours for the frame, the fixed cells, the cells, the titles and
    // the text.
    void SetUIStyle(TskUIStyle Value);
    TColor GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    TColor GetFocusedColor() const { return m_focusedColor; }
    void SetFocusedColor(TColor Value);
    TColor GetSelectedColor() const { return m_selectedColor; }
    void SetSelectedColor(TColor Value);
    // The platform grid's font colour, title font colour, FixedColor and Color.
    TColor GetFontColor() const;
    void SetFontColor(TColor Value);
    TColor GetTitleFontColor() const;
    void SetTitleFontColor(TColor Value);
    TColor GetFixedBGColor() const { return GetFixedColor(); }
    void SetFixedBGColor(TColor Value);
    TColor GetBGColor() const { return GetColor(); }
    void SetBGColor(TColor Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    void WndProc(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    TColor m_borderColor = 0;
    TColor m_focusedColor = 0x008000;
    TColor m_selectedColor = 0x00FFFF;
    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
};

// Makes TskDBGrid known to the form reader.
void RegisterSKDBGridClasses();
