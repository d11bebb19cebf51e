#pragma once
// TskTrackBar: a slider drawn from pictures, a bar stretched along the track and a slider
// picture the user drags, pages by clicking on the track (repeating while held) or moves
// with the keyboard; optional tick marks. TskScrollTrackBar is the same with pictures
// supplied from outside: the track and thumb of the skinned scroll bar.
#include <cstdint>
#include <memory>

#include "Source/edits/SKProgressBarOrientation.h"
#include "Source/theme/SKThemes.h"
#include "platform/vcl/stdctrls/CustomPanel.h"

class TBitmap;
class TPicture;
class TTimer;
class TskFileTheme;
class TskImagePanel;

class TskTrackBar : public TCustomPanel {
    QV_DECLARE_CLASS(TskTrackBar, TCustomPanel)

    explicit TskTrackBar(TComponent* AOwner);
    ~TskTrackBar() override;

    TskProgressBarOrientation GetOrientation() const { return m_orientation; }
    void SetOrientation(TskProgressBarOrientation Value);
    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);
    TPicture* GetBarImage() const { return m_barImage.get(); }
    void SetBarImage(const TPicture* Value);
    TPicture* GetSliderImage() const;
    virtual void SetSliderImage(const TPicture* Value);
    int GetMax() const { return m_max; }
    void SetMax(int Value);
    int GetMin() const { return m_min; }
    void SetMin(int Value);
    int GetPosition() const { return m_position; }
    // Clamps to [Min, Max] and places the slider, also when the value is unchanged.
    void SetPosition(int Value);
    int GetPageSize() const { return m_pageSize; }
    void SetPageSize(int Value);
    int GetLineSize() const { return m_lineSize; }
    void SetLineSize(int Value);
    bool GetShowTick() const { return m_showTick; }
    void SetShowTick(bool Value);
    bool GetTransparent() const { return m_transparent; }
    void SetTransparent(bool Value);
    int GetFrequency() const { return m_frequency; }
    void SetFrequency(int Value);
    // The position minus the previously reported one, set just before each OnChange.
    int GetLastChange() const { return m_lastChange; }
    bool Dragging() const { return m_dragging; }
    TskImagePanel* Slider() const { return m_slider; }

    void UpdateControl();
    void SetSize();
    void UpdateSlider();
    // The slider's top-left corner for the current position.
    TPoint GetSliderPosFromPosition() const;
    // The value whose slider would be centred on the point, not clamped.
    int GetPositionFromFromSliderPos(int X, int Y) const;
    void UpdatePositionValue(int X, int Y, bool Notify);

    TNotifyEvent OnChange;

protected:
    virtual void UpdatePicture();
    virtual bool CustomPicture() const { return false; }
    virtual bool SliderTransparent() const { return m_orientation == skHorizontal; }

    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void WndProc(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void CMFocusChanged(TMessage& Message) override;

    // The track's length and the slider's extent along it.
    int TrackLength() const;
    int SliderLength() const;
    void PaintTick(TBitmap* Bitmap);

private:
    void OnSliderMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void OnSliderMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void OnTimer(TObject* Sender);
    // Moves one step toward the value under the pointer, never past it.
    void StepToward(int Along, int Step);
    void StopTimer();
    void ReportChange();
    void PrepareBar();
    void TakeFocus();

    std::unique_ptr<TPicture> m_barImage;
    std::unique_ptr<TTimer> m_timer;
    TskImagePanel* m_slider = nullptr;
    int m_min = 0;
    int m_max = 10;
    int m_position = 0;
    int m_lastPosition = 0;
    TskProgressBarOrientation m_orientation = skHorizontal;
    TskFileTheme* m_fileTheme = nullptr;
    TskUIStyle m_uiStyle = DeepBlue;
    bool m_showTick = true;
    bool m_transparent = false;
    int m_lastChange = 0;
    bool m_dragging = false;
    int m_frequency = 1;
    int m_pageSize = 2;
    int m_lineSize = 1;
    std::unique_ptr<TBitmap> m_preparedBar;
};

class TskScrollTrackBar : public TskTrackBar {
    QV_DECLARE_CLASS(TskScrollTrackBar, TskTrackBar)

    // Starts without pictures: its user supplies them.
    explicit TskScrollTrackBar(TComponent* AOwner);

    bool GetSliderVisible() const;
    void SetSliderVisible(bool Value);
    // The slider takes its picture's size again.
    void UpdateSliderSize();

protected:
    bool CustomPicture() const override { return true; }
    bool SliderTransparent() const override { return false; }
};

// Makes TskTrackBar known to the form reader.
void RegisterSKTrackBarClasses();
