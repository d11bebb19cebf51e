#pragma once
// TskProgressBar: a value between a minimum and a maximum shown as a bar filled with the
// style's progress picture, the rest in a flat background colour, framed by a one-pixel
// border; a horizontal bar shows the percentage as centred text. A vertical bar fills from
// the bottom up.
#include <cstdint>
#include <string>

#include "Source/edits/SKProgressBarOrientation.h"
#include "Source/theme/SKThemes.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/vcl/stdctrls/CustomPanel.h"

class TskFileTheme;

class TskProgressBar : public TCustomPanel {
    QV_DECLARE_CLASS(TskProgressBar, TCustomPanel)

    explicit TskProgressBar(TComponent* AOwner);
    ~TskProgressBar() override;

    int GetMax() const { return m_max; }
    void SetMax(int Value);
    int GetMin() const { return m_min; }
    void SetMin(int Value);
    int GetPosition() const { return m_position; }
    void SetPosition(int Value);
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);
    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    TskProgressBarOrientation GetOrientation() const { return m_orientation; }
    void SetOrientation(TskProgressBarOrientation Value);
    TColor GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    // The bar's own background colour, not the platform control's.
    TColor GetColor() const { return m_color; }
    void SetColor(TColor Value);
    TPicture* GetPicture() { return &m_picture; }
    void SetPicture(const TPicture* Value);
    bool GetShowCaption() const { return m_showCaption; }
    void SetShowCaption(bool Value);
    TColor GetCaptionColor() const { return m_captionColor; }
    void SetCaptionColor(TColor Value);
    // Hides the caption while Position is at Min.
    bool GetSmartShowCaption() const { return m_smartShowCaption; }
    void SetSmartShowCaption(bool Value);

    void StepIt() { SetPosition(m_position + 1); }
    void StepBy(int Delta) { SetPosition(m_position + Delta); }

    // (Position - Min) x 100 div (Max - Min), unclamped; 0 when Max = Min. Computed in 64
    // bits, so far-apart limits neither overflow nor wrap.
    std::int64_t GetPercentFromPosition() const;
    // The filled part of a bar Length long: none at or below Min (or when Max <= Min), all
    // of it above Max.
    int GetWidthFromPosition(int Length) const;
    // The percentage text the bar shows.
    const std::string& CaptionText() const { return m_captionText; }

protected:
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;

private:
    void UpdateProgress();
    void UpdatePicture();
    void UpdateBar(int Length);
    void PaintHorizontal(TCanvas& Canvas, TGraphic* Graphic, int W, int H);
    void PaintVertical(TCanvas& Canvas, TGraphic* Graphic, int W, int H);

    int m_max = 100;
    int m_min = 0;
    int m_position = 50;
    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
    TskProgressBarOrientation m_orientation = skHorizontal;
    TColor m_borderColor = 0x000000;
    TColor m_color = clBtnFace;
    TPicture m_picture;
    bool m_showCaption = true;
    TColor m_captionColor = 0x000000;
    bool m_smartShowCaption = false;
    std::string m_captionText;
};

// Makes TskProgressBar known to the form reader.
void RegisterSKProgressBarClasses();
