#pragma once
// TskButton: the skinned push button. Its face is a frame of the style's button picture
// drawn at the button's size in nine parts; it may show a glyph beside its caption.
#include <memory>

#include "Source/buttons/SKCustomButton.h"
#include "platform/vcl/core/ClassInfo.h"

// The side of the caption on which a button's glyph stands.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
const TEnumInfo& TButtonLayoutInfo();

class TskButton : public TskCustomButton {
    QV_DECLARE_CLASS(TskButton, TskCustomButton)

    explicit TskButton(TComponent* AOwner);
    ~TskButton() override;
    bool TakesEnterWhenFocused() const override { return true; }

    // One frame, or two side by side (enabled, disabled) when twice as wide as high.
    TBitmap* GetGlyph() const { return m_glyph.get(); }
    void SetGlyph(const TBitmap* Value);
    TButtonLayout GetLayout() const { return m_layout; }
    void SetLayout(TButtonLayout Value);
    int GetSpacing() const { return m_spacing; }
    void SetSpacing(int Value);
    // Where the caption was put beside the glyph at the last paint.
    TPoint CaptionPosition() const { return m_captionPos; }

protected:
    void UIStyleChanged() override;
    void PaintPic(TCanvas* Canvas, TBitmap* Bitmap) override;
    void PaintText(TCanvas* Canvas, const std::string& Text) override;
    void PaintFocus(TCanvas* Canvas) override;
    // Also takes the action's image as the glyph, while the button has none, from the
    // image list of the action's list.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;

private:
    std::unique_ptr<TBitmap> m_glyph;
    TButtonLayout m_layout = blGlyphLeft;
    TPoint m_captionPos;
    int m_spacing = 4;
};

// Registers the skinned buttons, check boxes, radio buttons and panels for form
// descriptions.
void RegisterButtonClasses();
