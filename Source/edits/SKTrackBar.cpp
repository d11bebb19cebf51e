// TskTrackBar and TskScrollTrackBar: range, slider placement, pictures, painting, paging by
// mouse and keyboard, and dragging the slider.
#include "Source/edits/SKTrackBar.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "Source/buttons/SKImagePanel.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/controls/Timer.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/win/Windows.h"

namespace {

int Saturate(std::int64_t Value) {
    return static_cast<int>(std::clamp<std::int64_t>(Value, INT_MIN, INT_MAX));
}

}  // namespace

const TClassInfo& TskTrackBar::StaticClassInfo() {
    using C = TskTrackBar;
    static const TClassInfo info =
        TClassBuilder<C>("TskTrackBar")
            .Enum("Orientation", TskProgressBarOrientationInfo(), &C::GetOrientation,
                  &C::SetOrientation, skHorizontal)
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Integer("Max", &C::GetMax, &C::SetMax, 10)
            .Integer("Min", &C::GetMin, &C::SetMin, 0)
            .Integer("Position", &C::GetPosition, &C::SetPosition, 0)
            .Integer("PageSize", &C::GetPageSize, &C::SetPageSize, 2)
            .Integer("LineSize", &C::GetLineSize, &C::SetLineSize, 1)
            .Boolean("ShowTick", &C::GetShowTick, &C::SetShowTick, true)
            .Boolean("Transparent", &C::GetTransparent, &C::SetTransparent, false)
            .Integer("Frequency", &C::GetFrequency, &C::SetFrequency, 1)
            .Event("OnChange", &C::OnChange)
            .Publish("TabOrder")
            .Publish("TabStop")
            .Publish("OnEnter")
            .Publish("OnExit")
            .Build();
    return info;
}

TskTrackBar::TskTrackBar(TComponent* AOwner)
    : TCustomPanel(AOwner),
      m_barImage(std::make_unique<TPicture>()),
      m_preparedBar(std::make_unique<TBitmap>()) {
    m_controlStyle &= ~csAcceptsControls;
    SetBevelOuter(bvNone);
    m_slider = new TskImagePanel(this);
    m_slider->SetParent(this);
    m_slider->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        OnSliderMouseDown(s, b, sh, x, y);
    };
    m_slider->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        OnSliderMouseUp(s, b, sh, x, y);
    };
    SetParentColor(true);
    SetTabStop(true);
    SetUIStyle(GetSKFormStyle(AOwner));
    UpdateSlider();
}

TskTrackBar::~TskTrackBar() {
    m_timer.reset();
    delete m_slider;
    m_slider = nullptr;
}

TPicture* TskTrackBar::GetSliderImage() const {
    return m_slider->GetPicture();
}

void TskTrackBar::SetSliderImage(const TPicture* Value) {
    m_slider->SetPicture(Value);
    Repaint();
}

void TskTrackBar::SetBarImage(const TPicture* Value) {
    m_barImage->Assign(Value);
    UpdateControl();
}

void TskTrackBar::SetOrientation(TskProgressBarOrientation Value) {
    if (Value == m_orientation) return;
    m_orientation = Value;
    UpdateControl();
}

void TskTrackBar::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
    m_fileTheme = Value;
    if (m_fileTheme) m_fileTheme->FreeNotification(this);
    SetUIStyle(m_uiStyle);
}

void TskTrackBar::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    UpdateControl();
    if (DrawingRulesStyle(m_fileTheme, Value) == MacOS) SetTransparent(true);
}

void TskTrackBar::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TskTrackBar::SetMax(int Value) {
    if (Value == m_max) return;
    m_max = std::max(Value, m_min);
    if (m_max < m_position) m_position = m_max;
    UpdateSlider();
}

void TskTrackBar::SetMin(int Value) {
    if (Value == m_min) return;
    m_min = std::min(Value, m_max);
    if (m_position < m_min) m_position = m_min;
    UpdateSlider();
}

void TskTrackBar::SetPosition(int Value) {
    m_position = std::clamp(Value, m_min, m_max);
    UpdateSlider();
}

void TskTrackBar::SetPageSize(int Value) {
    if (Value >= 0 && Value <= m_max) m_pageSize = Value;
}

void TskTrackBar::SetLineSize(int Value) {
    if (Value >= 0 && Value <= m_max) m_lineSize = Value;
}

void TskTrackBar::SetShowTick(bool Value) {
    m_showTick = Value;
    Repaint();
}

void TskTrackBar::SetTransparent(bool Value) {
    m_transparent = Value;
    Repaint();
}

void TskTrackBar::SetFrequency(int Value) {
    m_frequency = Value;
    Repaint();
}

int TskTrackBar::TrackLength() const {
    return m_orientation == skHorizontal ? GetWidth() : GetHeight();
}

int TskTrackBar::SliderLength() const {
    return m_orientation == skHorizontal ? m_slider->GetWidth() : m_slider->GetHeight();
}

void TskTrackBar::UpdateControl() {
    UpdatePicture();
    SetSize();
    UpdateSlider();
    Repaint();
}

void TskTrackBar::UpdatePicture() {
    if (!CustomPicture()) {
        TskUIStyle style = m_uiStyle;
        const bool fromFile = UsingFileTheme(m_fileTheme, m_uiStyle, style);
        const int sliderItem = m_orientation == skHorizontal ? SkItem::TrackBarSliderImage
                                                             : SkItem::TrackBarSliderVImage;
        TBitmap bar, slider;
        if (fromFile) {
            m_fileTheme->GetBitmap(SkItem::TrackBarBarImage, &bar);
            m_fileTheme->GetBitmap(sliderItem, &slider);
        } else {
            GetInsideThemeBitmap(style, SkItem::TrackBarBarImage, &bar, 0, 0);
            GetInsideThemeBitmap(style, sliderItem, &slider, 0, 0);
        }
        m_barImage->SetBitmap(&bar);
        m_slider->GetPicture()->SetBitmap(&slider);
        m_slider->SetTransparent(SliderTransparent());
        m_slider->SetAutoSize(true);
    }
    PrepareBar();
}

void TskTrackBar::PrepareBar() {
    // A bar given from outside is prepared as well, or the last theme bar would stay.
    TBitmap bar;
    if (m_barImage->GetGraphic()) bar.Assign(m_barImage->GetGraphic());
    const int length = std::max(TrackLength(), 0);
    m_preparedBar->SetSize(length, bar.GetHeight());
    m_preparedBar->GetCanvas()->GetBrush()->SetColor(GetColor());
    m_preparedBar->GetCanvas()->FillRect({0, 0, length, bar.GetHeight()});
    if (length > 0 && bar.GetWidth() > 0)
        SpitDrawHorizontal(&bar, m_preparedBar->GetCanvas(), {0, 0, length, bar.GetHeight()}, false);
    if (m_orientation == skVertical) RoundPicture(m_preparedBar.get());
}

void TskTrackBar::SetSize() {
    const int barHeight = m_barImage->GetHeight();
    if (m_orientation == skHorizontal)
        SetHeight(std::max(barHeight, m_slider->GetHeight()));
    else
        SetWidth(std::max(barHeight, m_slider->GetWidth()));
    Repaint();
}

TPoint TskTrackBar::GetSliderPosFromPosition() const {
    const std::int64_t span = static_cast<std::int64_t>(m_max) - m_min;
    const int along =
        span == 0 ? 0
                  : static_cast<int>(static_cast<std::int64_t>(TrackLength() - SliderLength()) *
                                     (static_cast<std::int64_t>(m_position) - m_min) / span);
    if (m_orientation == skHorizontal)
        return {along, std::max(0, GetHeight() - m_slider->GetHeight()) / 2};
    return {std::max(0, GetWidth() - m_slider->GetWidth()) / 2, along};
}

int TskTrackBar::GetPositionFromFromSliderPos(int X, int Y) const {
    const int free = TrackLength() - SliderLength();
    if (free <= 0) return m_min;
    const int p = m_orientation == skHorizontal ? X : Y;
    const std::int64_t span = static_cast<std::int64_t>(m_max) - m_min;
    const double value =
        static_cast<double>(static_cast<std::int64_t>(p - SliderLength() / 2) * span) / free;
    return Saturate(m_min + static_cast<std::int64_t>(std::nearbyint(value)));
}

void TskTrackBar::UpdatePositionValue(int X, int Y, bool Notify) {
    const int value = std::clamp(GetPositionFromFromSliderPos(X, Y), m_min, m_max);
    if (Notify)
        SetPosition(value);
    else
        m_position = value;
}

void TskTrackBar::ReportChange() {
    if (m_position == m_lastPosition) return;
    m_lastChange = Saturate(static_cast<std::int64_t>(m_position) - m_lastPosition);
    m_lastPosition = m_position;
    if (OnChange) OnChange(this);
}

void TskTrackBar::UpdateSlider() {
    PlaceControl(m_slider, GetSliderPosFromPosition());
    Repaint();
    ReportChange();
}

void TskTrackBar::Paint() {
    const int width = GetWidth(), height = GetHeight();
    TBitmap buffer(std::max(width, 1), std::max(height, 1));
    TCanvas* canvas = buffer.GetCanvas();
    if (m_transparent) {
        DoTrans(canvas, this);
    } else {
        canvas->GetBrush()->SetColor(GetColor());
        canvas->FillRect({0, 0, width, height});
    }
    const int barHeight = m_barImage->GetHeight();
    if (m_orientation == skHorizontal)
        canvas->Draw(0, (height - barHeight) / 2, m_preparedBar.get());
    else
        canvas->Draw((width - barHeight) / 2, 0, m_preparedBar.get());
    if (Focused() && GetTabStop()) canvas->DrawFocusRect({0, 0, width, height});
    if (m_showTick) PaintTick(&buffer);
    GetCanvas()->Draw(0, 0, &buffer);
}

void TskTrackBar::PaintTick(TBitmap* Bitmap) {
    if (m_max == m_min) return;
    const std::int64_t span = static_cast<std::int64_t>(m_max) - m_min;
    const std::int64_t free = TrackLength() - SliderLength();
    const int half = SliderLength() / 2;
    TCanvas* canvas = Bitmap->GetCanvas();
    const int width = Bitmap->GetWidth(), height = Bitmap->GetHeight();
    auto place = [&](std::int64_t offset) { return static_cast<int>(offset * free / span) + half; };
    auto draw = [&](int o) {
        if (m_orientation == skHorizontal) {
            canvas->MoveTo(o, height - 3);
            canvas->LineTo(o, height);
        } else {
            canvas->MoveTo(0, o);
            canvas->LineTo(3, o);
            canvas->MoveTo(width - 3, o);
            canvas->LineTo(width, o);
        }
    };
    // Ticks at Min, every Frequency-th value after it, and Max. Values are walked by the
    // frequency and, once several fall on one pixel, straight to the next pixel's first,
    // so a wide range costs no more than the track has pixels.
    int last = INT_MIN;
    const std::int64_t step = m_frequency > 0 ? m_frequency : span;
    for (std::int64_t offset = 0; offset < span;) {
        const int o = place(offset);
        if (o != last) draw(o);
        last = o;
        std::int64_t next = offset + step;
        if (free > 0) {
            // The first offset whose tick lies at least one pixel further on.
            const std::int64_t needed = ((last + 1 - half) * span + free - 1) / free;
            if (needed > next) next = (needed + step - 1) / step * step;
        } else {
            next = span;
        }
        offset = next;
    }
    const int end = place(span);
    if (end != last) draw(end);
}

void TskTrackBar::Resize() {
    TCustomPanel::Resize();
    UpdateControl();
}

void TskTrackBar::TakeFocus() {
    if (CanFocus() && GetEnabled()) SetFocus();
}

void TskTrackBar::StepToward(int Along, int Step) {
    const int c = m_orientation == skHorizontal ? GetSliderPosFromPosition().x
                                                : GetSliderPosFromPosition().y;
    const int t = m_orientation == skHorizontal ? GetPositionFromFromSliderPos(Along, 0)
                                                : GetPositionFromFromSliderPos(0, Along);
    if (c < Along)
        SetPosition(Saturate(std::min<std::int64_t>(static_cast<std::int64_t>(m_position) + Step, t)));
    else if (c > Along)
        SetPosition(Saturate(std::max<std::int64_t>(static_cast<std::int64_t>(m_position) - Step, t)));
}

void TskTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomPanel::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    StepToward(m_orientation == skHorizontal ? X : Y, m_pageSize);
    if (!m_timer) {
        m_timer = std::make_unique<TTimer>(nullptr);
        m_timer->SetInterval(100);
        m_timer->OnTimer = [this](TObject* s) { OnTimer(s); };
    }
    TakeFocus();
}

void TskTrackBar::OnTimer(TObject*) {
    POINT cursor;
    GetCursorPos(&cursor);
    const TPoint at = ScreenToClient({cursor.x, cursor.y});
    const std::int64_t step = m_orientation == skHorizontal ? 3LL * m_pageSize : m_pageSize;
    StepToward(m_orientation == skHorizontal ? at.x : at.y, Saturate(step));
}

void TskTrackBar::StopTimer() {
    m_timer.reset();
}

void TskTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomPanel::MouseMove(Shift, X, Y);
    if (m_dragging) {
        UpdatePositionValue(X, Y, false);
        PlaceControl(m_slider, GetSliderPosFromPosition());
        ReportChange();
    } else if (m_timer && (X < 0 || Y < 0 || X > GetWidth() || Y > GetHeight())) {
        StopTimer();
    }
}

void TskTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomPanel::MouseUp(Button, Shift, X, Y);
    StopTimer();
    m_dragging = false;
    SetMouseCapture(false);
}

void TskTrackBar::OnSliderMouseDown(TObject*, TMouseButton Button, TShiftState Shift, int X,
                                    int Y) {
    m_dragging = true;
    TakeFocus();
    SetMouseCapture(true);
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X + m_slider->GetLeft(), Y + m_slider->GetTop());
}

void TskTrackBar::OnSliderMouseUp(TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X + m_slider->GetLeft(), Y + m_slider->GetTop());
}

void TskTrackBar::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomPanel::KeyDown(Key, Shift);
    const std::int64_t position = m_position;
    std::int64_t next = position;
    switch (Key) {
        case VK_PRIOR:
            next = position - m_pageSize;
            break;
        case VK_NEXT:
            next = position + m_pageSize;
            break;
        case VK_END:
            next = m_max;
            break;
        case VK_HOME:
            next = m_min;
            break;
        case VK_LEFT:
        case VK_UP:
            next = position - m_lineSize;
            break;
        case VK_RIGHT:
        case VK_DOWN:
            next = position + m_lineSize;
            break;
        default:
            return;
    }
    SetPosition(Saturate(next));
}

void TskTrackBar::WndProc(TMessage& Message) {
    TCustomPanel::WndProc(Message);
    if (Message.Msg == WM_GETDLGCODE) Message.Result = DLGC_WANTARROWS;
}

void TskTrackBar::WMEraseBkgnd(TMessage& Message) {
    Message.Result = 1;
}

void TskTrackBar::CMFocusChanged(TMessage& Message) {
    TCustomPanel::CMFocusChanged(Message);
    Repaint();
}

TskScrollTrackBar::TskScrollTrackBar(TComponent* AOwner) : TskTrackBar(AOwner) {
    // The base loaded the theme's pictures before this class's rules applied.
    TPicture empty;
    SetBarImage(&empty);
    SetSliderImage(&empty);
}

const TClassInfo& TskScrollTrackBar::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TskScrollTrackBar>("TskScrollTrackBar").Build();
    return info;
}

bool TskScrollTrackBar::GetSliderVisible() const {
    return Slider()->GetVisible();
}

void TskScrollTrackBar::SetSliderVisible(bool Value) {
    if (Slider()->GetVisible() != Value) Slider()->SetVisible(Value);
}

void TskScrollTrackBar::UpdateSliderSize() {
    Slider()->SetAutoSize(true);
}

void RegisterSKTrackBarClasses() {
    RegisterClassesOf<TskTrackBar, TskScrollTrackBar>();
}
