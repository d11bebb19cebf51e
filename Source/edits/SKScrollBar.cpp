// TskScrollBar: its arrow buttons and track laid out from the style's pictures, the thumb
// built to its length, and the range forwarded to the track.
#include "Source/edits/SKScrollBar.h"

#include <algorithm>
#include <climits>

#include "Source/buttons/SKImageButton.h"
#include "Source/buttons/SKImagePanel.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/win/Windows.h"

namespace {

// The shortest thumb a fixed length gives.
constexpr int kMinThumb = 18;

int Saturate(std::int64_t Value) {
    return static_cast<int>(std::clamp<std::int64_t>(Value, INT_MIN, INT_MAX));
}


}  // namespace

const TClassInfo& TskScrollBar::StaticClassInfo() {
    using C = TskScrollBar;
    static const TClassInfo info =
        TClassBuilder<C>("TskScrollBar")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Integer("LineButton", &C::GetLineButton, &C::SetLineButton, 0)
            .Enum("Orientation", TskProgressBarOrientationInfo(), &C::GetOrientation,
                  &C::SetOrientation, skHorizontal)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Integer("Max", &C::GetMax, &C::SetMax, 100)
            .Integer("Min", &C::GetMin, &C::SetMin, 0)
            .Integer("Position", &C::GetPosition, &C::SetPosition, 0)
            .Integer("SmallChange", &C::GetSmallChange, &C::SetSmallChange, 1)
            .Integer("LargeChange", &C::GetLargeChange, &C::SetLargeChange, 2)
            .Integer("PageSize", &C::GetPageSize, &C::SetPageSize, 2)
            .Event("OnChange", [](C& c) -> TEventBase& { return c.OnChange(); })
            .Publish("Align")
            .Publish("Color")
            .Publish("Enabled")
            .Publish("Visible")
            .Publish("OnEnter")
            .Publish("OnExit")
            .Build();
    return info;
}

TskScrollBar::TskScrollBar(TComponent* AOwner)
    : TCustomPanel(AOwner),
      m_thumbStart(std::make_unique<TBitmap>()),
      m_thumbMiddle(std::make_unique<TBitmap>()),
      m_thumbEnd(std::make_unique<TBitmap>()) {
    m_controlStyle &= ~csAcceptsControls;
    m_track = new TskScrollTrackBar(this);
    m_track->SetParent(this);
    m_track->SetShowTick(false);
    m_track->SetTabStop(false);
    m_track->SetTransparent(false);
    m_track->SetMax(100);
    m_incButton = new TskImageButton(this);
    m_incButton->SetParent(this);
    m_incButton->OnMouseContinuouslyDown = [this](TObject* s) { MouseContinuouslyDownInc(s); };
    m_incButton->SetMouseContinuouslyDownInterval(100);
    m_incButton->SetTabStop(false);
    m_decButton = new TskImageButton(this);
    m_decButton->SetParent(this);
    m_decButton->OnMouseContinuouslyDown = [this](TObject* s) { MouseContinuouslyDownDec(s); };
    m_decButton->SetMouseContinuouslyDownInterval(100);
    m_decButton->SetTabStop(false);
    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
    m_orientation = skHorizontal;
    m_smallChange = 1;
    m_lineButton = 0;
    // Nothing is laid out before the pictures are in: buttons without them have no size,
    // and a bar laid out to no thickness would hide itself.
    m_placing = true;
    SetHeight(185);
    SetUIStyle(GetSKFormStyle(AOwner));
    m_placing = false;
    PlaceTrackBarAndButton();
}

TskScrollBar::~TskScrollBar() {
    delete m_decButton;
    m_decButton = nullptr;
    delete m_incButton;
    m_incButton = nullptr;
    delete m_track;
    m_track = nullptr;
}

int TskScrollBar::GetMax() const {
    return m_track->GetMax();
}

void TskScrollBar::SetMax(int Value) {
    m_track->SetMax(Value);
}

int TskScrollBar::GetMin() const {
    return m_track->GetMin();
}

void TskScrollBar::SetMin(int Value) {
    m_track->SetMin(Value);
}

int TskScrollBar::GetPosition() const {
    return m_track->GetPosition();
}

void TskScrollBar::SetPosition(int Value) {
    if (Value != m_track->GetPosition()) m_track->SetPosition(Value);
}

void TskScrollBar::SetSmallChange(TScrollBarInc Value) {
    m_smallChange = std::max<TScrollBarInc>(Value, 1);
}

TScrollBarInc TskScrollBar::GetLargeChange() const {
    // A page beyond what the arrow-step type holds reads as its largest value, not wrapped.
    return static_cast<TScrollBarInc>(std::clamp(m_track->GetPageSize(), 0, 32767));
}

void TskScrollBar::SetLargeChange(TScrollBarInc Value) {
    m_track->SetPageSize(Value);
}

int TskScrollBar::GetPageSize() const {
    return m_track->GetPageSize();
}

void TskScrollBar::SetPageSize(int Value) {
    m_track->SetPageSize(Value);
    UpdateSliderPic();
}

int TskScrollBar::GetLastChange() const {
    return m_track->GetLastChange();
}

bool TskScrollBar::GetSliderVisible() const {
    return m_track->GetSliderVisible();
}

void TskScrollBar::SetSliderVisible(bool Value) {
    if (Value != m_track->GetSliderVisible()) m_track->SetSliderVisible(Value);
}

TNotifyEvent& TskScrollBar::OnChange() {
    return m_track->OnChange;
}

void TskScrollBar::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
    m_fileTheme = Value;
    if (m_fileTheme) m_fileTheme->FreeNotification(this);
    SetUIStyle(m_uiStyle);
}

void TskScrollBar::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    m_track->SetColor(GetColor());
    UpdatePictures();
    PlaceTrackBarAndButton();
}

void TskScrollBar::SetOrientation(TskProgressBarOrientation Value) {
    if (Value == m_orientation) return;
    m_orientation = Value;
    UpdatePictures();
    PlaceTrackBarAndButton();
}

void TskScrollBar::SetLineButton(int Value) {
    if (Value == m_lineButton) return;
    const int length = m_orientation == skVertical ? GetHeight() : GetWidth();
    const int buttons = m_orientation == skVertical
                            ? m_incButton->GetHeight() + m_decButton->GetHeight()
                            : m_incButton->GetWidth() + m_decButton->GetWidth();
    if (length - buttons < Value) return;
    m_lineButton = Value;
    UpdateSliderPic();
}

void TskScrollBar::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TskScrollBar::UpdatePictures() {
    TPicture empty;
    m_track->SetBarImage(&empty);
    TskUIStyle style = m_uiStyle;
    const bool fromFile = UsingFileTheme(m_fileTheme, m_uiStyle, style);
    auto frame = [&](int item, int count, int index, TBitmap* bitmap) {
        if (fromFile)
            m_fileTheme->GetBitmap(item, bitmap, count, index);
        else
            GetInsideThemeBitmap(style, item, bitmap, count, index);
    };
    SetColor(fromFile ? m_fileTheme->GetColor(SkItem::ScrollBarBackgroundColor)
                      : GetInsideThemeColor(style, SkItem::ScrollBarBackgroundColor));
    frame(SkItem::ScrollBarSliderImage, 3, 1, m_thumbStart.get());
    frame(SkItem::ScrollBarSliderImage, 3, 2, m_thumbMiddle.get());
    frame(SkItem::ScrollBarSliderImage, 3, 3, m_thumbEnd.get());
    using Setter = void (TskImageButton::*)(const TPicture*);
    const struct {
        TskImageButton* button;
        Setter set;
    } arrows[] = {
        {m_decButton, &TskImageButton::SetPicNormalF}, {m_decButton, &TskImageButton::SetPicMouseOnF},
        {m_decButton, &TskImageButton::SetPicMouseDownF}, {m_incButton, &TskImageButton::SetPicNormalF},
        {m_incButton, &TskImageButton::SetPicMouseOnF},   {m_incButton, &TskImageButton::SetPicMouseDownF},
    };
    for (int i = 0; i < 6; ++i) {
        TBitmap arrow;
        frame(SkItem::ScrollBarButtonImage, 6, i + 1, &arrow);
        if (m_orientation == skHorizontal) RoundPicture(&arrow);
        TPicture picture;
        picture.SetBitmap(&arrow);
        // Through a reference: GCC 12's bounds check misreads the index of arrows[i] in a
        // member-pointer call and stops the sanitizer build's run with a false report.
        const auto& arrowSetter = arrows[i];
        (arrowSetter.button->*arrowSetter.set)(&picture);
    }
    if (m_orientation == skVertical)
        for (TBitmap* piece : {m_thumbStart.get(), m_thumbMiddle.get(), m_thumbEnd.get()})
            RoundPicture3(piece);
    m_incButton->SetAutoSize(true);
    m_decButton->SetAutoSize(true);
    Repaint();
}

void TskScrollBar::PlaceTrackBarAndButton() {
    if (m_placing || !m_track) return;
    m_placing = true;
    m_track->SetOrientation(m_orientation);
    const int width = GetWidth(), height = GetHeight();
    if (width == 0 || height == 0) {
        SetVisible(false);
        m_placing = false;
        return;
    }
    if (m_orientation == skVertical) {
        const int inc = m_incButton->GetHeight(), dec = m_decButton->GetHeight();
        m_decButton->SetBounds(0, 0, m_decButton->GetWidth(), dec);
        // A bar shorter than its two buttons leaves the track no room, never less.
        m_track->SetBounds(0, dec, m_track->GetWidth(), std::max(height - inc - dec - 1, 0));
        m_incButton->SetBounds(0, height - inc, m_incButton->GetWidth(), inc);
        SetWidth(m_decButton->GetWidth());
    } else {
        const int inc = m_incButton->GetWidth(), dec = m_decButton->GetWidth();
        m_decButton->SetBounds(0, 0, dec, m_decButton->GetHeight());
        m_track->SetBounds(dec, 0, std::max(width - inc - dec, 0), m_track->GetHeight());
        m_incButton->SetBounds(width - inc, 0, inc, m_incButton->GetHeight());
        SetHeight(m_decButton->GetHeight());
    }
    m_placing = false;
    UpdateSliderPic();
}

void TskScrollBar::UpdateSliderPic() {
    if (!m_track) return;
    const bool vertical = m_orientation == skVertical;
    const int thickness = vertical ? m_thumbStart->GetWidth() : m_thumbStart->GetHeight();
    const int trackLength = vertical ? m_track->GetHeight() : m_track->GetWidth();
    int length = 0;
    if (m_lineButton > 0) {
        if (m_lineButton < kMinThumb) m_lineButton = kMinThumb;
        length = m_lineButton;
    } else {
        int page = m_track->GetPageSize();
        if (page < 10 || page > 100) page = 10;
        if (trackLength > 0) length = Saturate(static_cast<std::int64_t>(trackLength) * page / 100);
    }
    TBitmap thumb(vertical ? thickness : length, vertical ? length : thickness);
    TCanvas* canvas = thumb.GetCanvas();
    canvas->Draw(0, 0, m_thumbStart.get());
    if (vertical) {
        canvas->Draw(0, length - m_thumbEnd->GetHeight(), m_thumbEnd.get());
        canvas->StretchDraw({0, m_thumbStart->GetHeight(), thickness, length - m_thumbEnd->GetHeight()},
                            m_thumbMiddle.get());
    } else {
        canvas->Draw(length - m_thumbEnd->GetWidth(), 0, m_thumbEnd.get());
        canvas->StretchDraw({m_thumbStart->GetWidth(), 0, length - m_thumbEnd->GetWidth(), thickness},
                            m_thumbMiddle.get());
    }
    TPicture picture;
    picture.SetBitmap(&thumb);
    m_track->SetSliderImage(&picture);
    m_track->UpdateSliderSize();
}

void TskScrollBar::MouseContinuouslyDownInc(TObject*) {
    m_track->SetPosition(Saturate(static_cast<std::int64_t>(m_track->GetPosition()) + m_smallChange));
}

void TskScrollBar::MouseContinuouslyDownDec(TObject*) {
    m_track->SetPosition(Saturate(static_cast<std::int64_t>(m_track->GetPosition()) - m_smallChange));
}

void TskScrollBar::Resize() {
    TCustomPanel::Resize();
    PlaceTrackBarAndButton();
}

void TskScrollBar::WMSize(TMessage& Message) {
    TCustomPanel::WMSize(Message);
    PlaceTrackBarAndButton();
}

void TskScrollBar::WMEraseBkgnd(TMessage& Message) {
    Message.Result = 1;
}

void TskScrollBar::CMColorChanged(TMessage&) {
    if (m_track) m_track->SetColor(GetColor());
}

void TskScrollBar::CMVisibleChanged(TMessage& Message) {
    TCustomPanel::CMVisibleChanged(Message);
    const bool visible = GetVisible();
    for (TControl* child : std::initializer_list<TControl*>{m_track, m_incButton, m_decButton})
        if (child) child->SetVisible(visible);
}

void RegisterSKScrollBarClasses() {
    RegisterClassesOf<TskScrollBar>();
}
