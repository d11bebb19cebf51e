#pragma once
// TScrollBar: the native free-standing scroll bar in the classic look. Arrows step by
// SmallChange, the track pages by LargeChange, the thumb is dragged, the keyboard steps
// when it has the focus; OnScroll hears each step and OnChange each new position. It
// answers the SBM_ messages, so its range and geometry read as a native bar's do.
#include "platform/vcl/controls/CustomControl.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};
using TScrollEvent = TEvent<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

constexpr UINT SBM_SETPOS = 0x00E0;
constexpr UINT SBM_GETPOS = 0x00E1;
constexpr UINT SBM_SETRANGE = 0x00E2;
constexpr UINT SBM_GETRANGE = 0x00E3;
constexpr UINT SBM_SETSCROLLINFO = 0x00E9;
constexpr UINT SBM_GETSCROLLINFO = 0x00EA;
constexpr UINT SBM_GETSCROLLBARINFO = 0x00EB;

class TScrollBar : public TCustomControl {
    QV_DECLARE_CLASS(TScrollBar, TCustomControl)

    explicit TScrollBar(TComponent* AOwner);
    ~TScrollBar() override;

    TScrollBarKind GetKind() const { return m_kind; }
    void SetKind(TScrollBarKind Value);
    int GetMin() const { return m_min; }
    void SetMin(int Value) { SetParams(m_position, Value, m_max); }
    int GetMax() const { return m_max; }
    void SetMax(int Value) { SetParams(m_position, m_min, Value); }
    int GetPosition() const { return m_position; }
    void SetPosition(int Value) { SetParams(Value, m_min, m_max); }
    int GetPageSize() const { return m_pageSize; }
    void SetPageSize(int Value);
    int GetSmallChange() const { return m_smallChange; }
    void SetSmallChange(int Value) { m_smallChange = Value; }
    int GetLargeChange() const { return m_largeChange; }
    void SetLargeChange(int Value) { m_largeChange = Value; }
    // Sets all three at once; Max below Min raises EInvalidOperation. The position is kept
    // within the range, and OnChange fires when it moved.
    void SetParams(int APosition, int AMin, int AMax);

    // The parts along the bar, in client coordinates across its length: the arrows' size,
    // and the thumb's start and end (equal when there is no room for one).
    int ArrowSize() const;
    int ThumbStart() const;
    int ThumbEnd() const;

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    virtual void Change();
    virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);

private:
    enum class Part { None, LineUp, PageUp, Thumb, PageDown, LineDown };

    int Length() const;
    int Thickness() const;
    int MaxPosition() const;
    Part PartAt(int Along) const;
    // Steps as a press on that part or a key does, through Scroll and then the position.
    void DoScroll(TScrollCode Code, int Pos);
    int StepTarget(TScrollCode Code) const;
    void RepeatPressed();
    void StopTracking();
    // Ends a press at the button's release; false when a handler freed the bar.
    bool FinishTracking();
    void PaintButton(const TRect& Rect, bool Pressed);
    void PaintArrow(const TRect& Rect, bool Pressed, bool Forward);
    TRect PartRect(int From, int To) const;
    bool HandleScrollMessage(TMessage& Message);

    TScrollBarKind m_kind = sbHorizontal;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_pageSize = 0;
    int m_smallChange = 1;
    int m_largeChange = 1;
    Part m_pressed = Part::None;
    int m_pointer = 0;     // where along the bar the pointer is while a part is pressed
    int m_dragOffset = 0;  // from the thumb's start to the pointer, while dragging it
    int m_trackPos = 0;
};
