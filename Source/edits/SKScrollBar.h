#pragma once
// TskScrollBar: a free-standing scroll bar made of an arrow button at each end and a track
// between them whose slider is the thumb, all drawn from the style's pictures. Other
// controls (the list view, the data-aware lists) link one to themselves and drive it.
#include <cstdint>
#include <memory>

#include "Source/edits/SKProgressBarOrientation.h"
#include "Source/edits/SKTrackBar.h"
#include "Source/theme/SKThemes.h"
#include "platform/vcl/stdctrls/CustomPanel.h"

class TBitmap;
class TskFileTheme;
class TskImageButton;

// The arrow step of a scroll bar: 1 to 32767.
using TScrollBarInc = std::int16_t;

class TskScrollBar : public TCustomPanel {
    QV_DECLARE_CLASS(TskScrollBar, TCustomPanel)

    explicit TskScrollBar(TComponent* AOwner);
    ~TskScrollBar() override;

    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    // A fixed thumb length in pixels, at least 18; 0 takes the length from PageSize.
    int GetLineButton() const { return m_lineButton; }
    void SetLineButton(int Value);
    TskProgressBarOrientation GetOrientation() const { return m_orientation; }
    void SetOrientation(TskProgressBarOrientation Value);
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);
    int GetMax() const;
    void SetMax(int Value);
    int GetMin() const;
    void SetMin(int Value);
    int GetPosition() const;
    void SetPosition(int Value);
    TScrollBarInc GetSmallChange() const { return m_smallChange; }
    void SetSmallChange(TScrollBarInc Value);
    // The track's paging step as an arrow-step value; a larger page reads as 32767.
    TScrollBarInc GetLargeChange() const;
    void SetLargeChange(TScrollBarInc Value);
    // The paging step, which is also the thumb's length in percent of the track.
    int GetPageSize() const;
    void SetPageSize(int Value);
    // The position minus the previously reported one, valid inside OnChange.
    int GetLastChange() const;
    bool GetSliderVisible() const;
    void SetSliderVisible(bool Value);
    // The track's change event: its sender is the track.
    TNotifyEvent& OnChange();

    TskScrollTrackBar* Track() const { return m_track; }
    TskImageButton* IncButton() const { return m_incButton; }
    TskImageButton* DecButton() const { return m_decButton; }

    void UpdatePictures();
    void PlaceTrackBarAndButton();
    void UpdateSliderPic();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Resize() override;
    void WMSize(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;

private:
    void MouseContinuouslyDownInc(TObject* Sender);
    void MouseContinuouslyDownDec(TObject* Sender);

    TskScrollTrackBar* m_track = nullptr;
    TskImageButton* m_incButton = nullptr;
    TskImageButton* m_decButton = nullptr;
    std::unique_ptr<TBitmap> m_thumbStart;
    std::unique_ptr<TBitmap> m_thumbMiddle;
    std::unique_ptr<TBitmap> m_thumbEnd;
    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
    TskProgressBarOrientation m_orientation = skHorizontal;
    TScrollBarInc m_smallChange = 1;
    int m_lineButton = 0;
    bool m_placing = false;
};

// Makes TskScrollBar known to the form reader.
void RegisterSKScrollBarClasses();
