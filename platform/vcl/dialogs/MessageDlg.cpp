#include "platform/vcl/dialogs/MessageDlg.h"

#include <algorithm>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/stdctrls/Label.h"
#include "platform/win/Windows.h"

namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
// Longer text is broken into lines this wide, and wider when the lines would not fit the
// screen's height.
constexpr int kWrapWidth = 400;

TMessageForm* g_showing = nullptr;

struct ButtonSpec {
    const char* name;
    const char* caption;
    int id;
};

std::vector<ButtonSpec> ButtonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {{"OK", "OK", IDOK}, {"Cancel", "Cancel", IDCANCEL}};
        case MB_ABORTRETRYIGNORE:
            return {{"Abort", "&Abort", IDABORT},
                    {"Retry", "&Retry", IDRETRY},
                    {"Ignore", "&Ignore", IDIGNORE}};
        case MB_YESNOCANCEL:
            return {{"Yes", "&Yes", IDYES}, {"No", "&No", IDNO}, {"Cancel", "Cancel", IDCANCEL}};
        case MB_YESNO:
            return {{"Yes", "&Yes", IDYES}, {"No", "&No", IDNO}};
        case MB_RETRYCANCEL:
            return {{"Retry", "&Retry", IDRETRY}, {"Cancel", "Cancel", IDCANCEL}};
        default:
            return {{"OK", "OK", IDOK}};
    }
}

// The icon: a red disc with a white cross (error), a yellow triangle with "!" (warning),
// a white bubble with a blue "?" (question) or a white bubble with a blue "i" (information).
class TMessageIcon : public TGraphicControl {
public:
    TMessageIcon(TComponent* AOwner, UINT icon) : TGraphicControl(AOwner), m_icon(icon) {
        SetBounds(0, 0, kIconSize, kIconSize);
    }

protected:
    void Paint() override {
        TCanvas* c = GetCanvas();
        c->GetPen()->SetColor(clBlack);
        if (m_icon == MB_ICONEXCLAMATION) {
            c->GetBrush()->SetColor(clYellow);
            c->Polygon({{15, 1}, {30, 29}, {1, 29}});
            DrawMark(c, "!", clBlack, 8);
            return;
        }
        const bool error = m_icon == MB_ICONERROR;
        c->GetBrush()->SetColor(error ? clRed : clWhite);
        c->Ellipse(Rect(1, 1, 31, 31));
        if (error) {
            c->GetPen()->SetColor(clWhite);
            c->GetPen()->SetWidth(3);
            c->MoveTo(10, 10);
            c->LineTo(22, 22);
            c->MoveTo(22, 10);
            c->LineTo(10, 22);
            c->GetPen()->SetWidth(1);
            return;
        }
        DrawMark(c, m_icon == MB_ICONQUESTION ? "?" : "i", clBlue, 0);
    }

private:
    void DrawMark(TCanvas* c, const char* mark, TColor color, int down) {
        c->GetFont()->SetName("Arial");
        c->GetFont()->SetHeight(-20);
        c->GetFont()->SetStyle(fsBold);
        c->GetFont()->SetColor(color);
        c->GetBrush()->SetStyle(bsClear);
        TRect r = Rect(0, down, kIconSize, kIconSize);
        c->DrawText(mark, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        c->GetBrush()->SetStyle(bsSolid);
    }
    UINT m_icon;
};

// The room the text takes in the label's font, broken into lines of at most wrapWidth (not
// broken when 0). A word wider than that keeps a line of its own, and the room is as wide.
TRect MeasureText(TLabel* label, const std::string& text, int wrapWidth) {
    gfx::Bitmap scratch(1, 1);
    gfx::Canvas target(scratch);
    TCanvas* canvas = label->GetCanvas();
    canvas->SetTarget(&target);
    canvas->SetFont(label->GetFont());
    TRect rect{0, 0, wrapWidth, 0};
    const unsigned flags =
        DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : 0u);
    try {
        canvas->DrawText(text.empty() ? " " : text, rect, flags);
    } catch (...) {
        canvas->SetTarget(nullptr);
        throw;
    }
    canvas->SetTarget(nullptr);
    return rect;
}

TRect WorkArea() {
    RECT work{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

}  // namespace

const TClassInfo& TMessageForm::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TMessageForm>("TMessageForm").Build();
    return info;
}

TMessageForm* TMessageForm::Showing() {
    return g_showing;
}

TMessageForm::TMessageForm(TComponent* AOwner, const std::string& Text, const std::string& Caption,
                           UINT Type)
    : TForm(AOwner), m_type(Type) {
    SetBorderStyle(bsDialog);
    SetBorderIcons(1u << biSystemMenu);
    SetCaption(Caption);
    SetPosition(poScreenCenter);
    Build(Text);
}

void TMessageForm::Build(const std::string& Text) {
    const UINT icon = m_type & MB_ICONMASK;
    int textLeft = kMargin;
    int contentBottom = kMargin;
    TMessageIcon* iconControl = nullptr;
    if (icon) {
        iconControl = new TMessageIcon(this, icon);
        iconControl->SetName("Icon");
        iconControl->SetBounds(kMargin, kMargin, kIconSize, kIconSize);
        iconControl->SetParent(this);
        textLeft += kIconSize + kMargin;
        contentBottom = kMargin + kIconSize;
    }

    auto* label = new TLabel(this);
    label->SetName("Message");
    label->SetAutoSize(false);
    label->SetShowAccelChar(false);
    label->SetWordWrap(true);
    label->SetCaption(Text);

    // The box, frame included, fits the work area: the text gets what the frame, the
    // margins, the icon and the button row leave of it.
    const TRect work = WorkArea();
    const int frameWidth = GetWidth() - GetClientWidth();
    const int frameHeight = GetHeight() - GetClientHeight();
    const int maxTextWidth = std::max(kWrapWidth, work.Width() - frameWidth - textLeft - kMargin);
    const int maxTextHeight =
        std::max(kButtonHeight, work.Height() - frameHeight - 3 * kMargin - 2 - kButtonHeight);
    TRect room = MeasureText(label, Text, 0);
    if (room.Width() > kWrapWidth) {
        int wrapWidth = kWrapWidth;
        room = MeasureText(label, Text, wrapWidth);
        while (room.Height() > maxTextHeight && wrapWidth < maxTextWidth) {
            wrapWidth = std::min(wrapWidth + kWrapWidth / 2, maxTextWidth);
            room = MeasureText(label, Text, wrapWidth);
        }
    }
    // Text past the screen's size is cut there, and the buttons stay in sight.
    const int textWidth = std::min(room.Width(), maxTextWidth);
    const int textHeight = std::min(room.Height(), maxTextHeight);
    int textTop = kMargin;
    if (icon && textHeight < kIconSize) textTop += (kIconSize - textHeight) / 2;
    label->SetBounds(textLeft, textTop, textWidth, textHeight);
    label->SetParent(this);
    contentBottom = std::max(contentBottom, label->GetTop() + label->GetHeight());

    const std::vector<ButtonSpec> specs = ButtonsFor(m_type);
    const int count = static_cast<int>(specs.size());
    const int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const int clientWidth =
        std::max(label->GetLeft() + label->GetWidth() + kMargin, rowWidth + 2 * kMargin);
    const int rowTop = contentBottom + kMargin + 2;
    const int defaultIndex = std::min(count - 1, static_cast<int>((m_type & MB_DEFMASK) >> 8));
    const bool hasCancel = std::any_of(specs.begin(), specs.end(),
                                       [](const ButtonSpec& s) { return s.id == IDCANCEL; });
    int x = (clientWidth - rowWidth) / 2;
    for (int i = 0; i < count; ++i) {
        auto* button = new TButton(this);
        button->SetName(specs[static_cast<std::size_t>(i)].name);
        button->SetCaption(specs[static_cast<std::size_t>(i)].caption);
        button->SetModalResult(specs[static_cast<std::size_t>(i)].id);
        button->SetBounds(x, rowTop, kButtonWidth, kButtonHeight);
        button->SetDefault(i == defaultIndex);
        // Escape answers Cancel, or OK when OK is all there is.
        button->SetCancel(specs[static_cast<std::size_t>(i)].id == IDCANCEL ||
                          (!hasCancel && count == 1));
        button->SetParent(this);
        if (i == defaultIndex) SetActiveControl(button);
        x += kButtonWidth + kButtonGap;
    }
    SetClientWidth(clientWidth);
    SetClientHeight(rowTop + kButtonHeight + kMargin);
}

int MessageBox(HWND Owner, const char* Text, const char* Caption, UINT Type) {
    TMessageForm form(nullptr, Text ? Text : "", Caption ? Caption : "Error", Type);
    // Centred over its owner (or the work area), as far as the work area lets it.
    const TRect work = WorkArea();
    TRect over = work;
    if (Owner && IsWindow(Owner)) {
        RECT r;
        GetWindowRect(Owner, &r);
        over = r;
    }
    const int left = std::clamp(over.left + (over.Width() - form.GetWidth()) / 2, work.left,
                                std::max(work.left, work.right - form.GetWidth()));
    const int top = std::clamp(over.top + (over.Height() - form.GetHeight()) / 2, work.top,
                               std::max(work.top, work.bottom - form.GetHeight()));
    form.SetPosition(poDesigned);
    form.SetBounds(left, top, form.GetWidth(), form.GetHeight());
    MessageBeep(Type & MB_ICONMASK);
    TMessageForm* previous = g_showing;
    g_showing = &form;
    int result;
    try {
        result = form.ShowModal();
    } catch (...) {
        g_showing = previous;
        throw;
    }
    g_showing = previous;
    // Closing a box that has no Cancel button answers its only button.
    const std::vector<ButtonSpec> specs = ButtonsFor(Type);
    if (result == IDCANCEL && std::none_of(specs.begin(), specs.end(),
                                           [](const ButtonSpec& s) { return s.id == IDCANCEL; }))
        result = specs.size() == 1 ? specs.front().id : result;
    return result;
}
