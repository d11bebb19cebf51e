#pragma once
// The small picture buttons: TskImageButton paints one of four pictures of its own,
// TskControlButton a frame of any theme item, TskArrowButton a themed face with a small
// triangle; all three behave as push buttons. TskToolBarSpeedButton is a flat 18 x 18
// button that shows a glyph, framed while the pointer is over it.
#include <memory>

#include "Source/buttons/SKCustomButton.h"
#include "platform/vcl/core/ClassInfo.h"
#include "platform/vcl/stdctrls/CustomPanel.h"

class TPicture;

class TskImageButton : public TskCustomButton {
    QV_DECLARE_CLASS(TskImageButton, TskCustomButton)

    explicit TskImageButton(TComponent* AOwner);
    ~TskImageButton() override;

    // The image button takes nothing from a theme: its style always reads FromThemeFile.
    TskUIStyle GetUIStyle() const override { return FromThemeFile; }
    // The normal picture stands in for every state whose own picture is empty.
    TPicture* GetPicNormal() const { return m_picNormal.get(); }
    void SetPicNormalF(const TPicture* Value);
    TPicture* GetPicMouseOn() const { return m_picMouseOn.get(); }
    void SetPicMouseOnF(const TPicture* Value);
    TPicture* GetPicMouseDown() const { return m_picMouseDown.get(); }
    void SetPicMouseDownF(const TPicture* Value);
    TPicture* GetPicDisabled() const { return m_picDisabled.get(); }
    void SetPicDisabledF(const TPicture* Value);
    bool GetStretch() const { return m_stretch; }
    void SetStretch(bool Value);
    bool GetDrawFocused() const { return m_drawFocused; }
    void SetDrawFocused(bool Value);

protected:
    void AutoSizeChanged() override;
    void PaintPic(TCanvas* Canvas, TBitmap* Bitmap) override;
    void PaintFocus(TCanvas* Canvas) override;
    void PaintButtonNormal(TBitmap* Bitmap) override;
    void PaintButtonMouseOn(TBitmap* Bitmap) override;
    void PaintButtonMouseDown(TBitmap* Bitmap) override;
    void PaintButtonDisabled(TBitmap* Bitmap) override;

private:
    void SetPictureF(TPicture* Target, const TPicture* Value);
    // A copy of Picture, or of PicNormal when Picture is empty.
    void CopyPicture(const TPicture* Picture, TBitmap* Bitmap) const;

    std::unique_ptr<TPicture> m_picNormal;
    std::unique_ptr<TPicture> m_picMouseOn;
    std::unique_ptr<TPicture> m_picMouseDown;
    std::unique_ptr<TPicture> m_picDisabled;
    bool m_stretch = false;
    bool m_drawFocused = false;
};

class TskControlButton : public TskCustomButton {
    QV_DECLARE_CLASS(TskControlButton, TskCustomButton)

    explicit TskControlButton(TComponent* AOwner);

    // The frame (from 1) of the normal state; the hover state shows the next one.
    int GetPicIndex() const { return m_picIndex; }
    void SetPicIndex(int Value);
    // The number of frames of the strip; 0 uses the whole picture in every state.
    int GetPicCount() const { return m_picCount; }
    void SetPicCount(int Value);
    // The theme item (1 to 42) whose picture the button shows; nothing for any other.
    int GetThemeID() const { return m_themeID; }
    void SetThemeID(int Value);

protected:
    void UIStyleChanged() override;
    void PaintPic(TCanvas* Canvas, TBitmap* Bitmap) override;
    void PaintButtonNormal(TBitmap* Bitmap) override;
    void PaintButtonMouseOn(TBitmap* Bitmap) override;
    void PaintButtonMouseDown(TBitmap* Bitmap) override;
    void PaintButtonDisabled(TBitmap* Bitmap) override;

private:
    void Frame(int Index, TBitmap* Bitmap);
    // The button takes the size of its frame; done as soon as the frame changes, so that
    // the size is right before the next paint.
    void SettleSize();

    int m_picIndex = 0;
    int m_picCount = 0;
    int m_themeID = 0;
};

enum TskArrowButtonType { skUp, skDown };
const TEnumInfo& TskArrowButtonTypeInfo();

class TskArrowButton : public TskCustomButton {
    QV_DECLARE_CLASS(TskArrowButton, TskCustomButton)

    explicit TskArrowButton(TComponent* AOwner);

    TskArrowButtonType GetArrow() const { return m_arrow; }
    void SetArrow(TskArrowButtonType Value);

protected:
    void UIStyleChanged() override;
    void PaintPic(TCanvas* Canvas, TBitmap* Bitmap) override;
    // An arrow button has no caption.
    void PaintText(TCanvas*, const std::string&) override {}

private:
    TskArrowButtonType m_arrow = skUp;
};

class TskToolBarSpeedButton : public TCustomPanel {
    QV_DECLARE_CLASS(TskToolBarSpeedButton, TCustomPanel)

    explicit TskToolBarSpeedButton(TComponent* AOwner);
    ~TskToolBarSpeedButton() override;

    TBitmap* GetGlyph() const { return m_glyph.get(); }
    void SetGlyph(const TBitmap* Value);
    bool MouseOn() const { return m_mouseOn; }

protected:
    void Paint() override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    bool m_mouseOn = false;
    std::unique_ptr<TBitmap> m_glyph;
};
