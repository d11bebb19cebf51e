#pragma once
// TImage: shows a picture (bitmap or JPEG) from its top-left corner, or stretched to the
// control, or centred, optionally keeping its proportions.
#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/graphics/Picture.h"

class TImage : public TGraphicControl {
    QV_DECLARE_CLASS(TImage, TGraphicControl)

    explicit TImage(TComponent* AOwner);

    TPicture* GetPicture() { return &m_picture; }
    void SetPicture(const TPicture* Value) { m_picture.Assign(Value); }
    bool GetStretch() const { return m_stretch; }
    void SetStretch(bool Value);
    bool GetCenter() const { return m_center; }
    void SetCenter(bool Value);
    bool GetProportional() const { return m_proportional; }
    void SetProportional(bool Value);
    bool GetTransparent() const { return m_transparent; }
    void SetTransparent(bool Value);
    // Where the picture lands in the control.
    TRect DestRect() const;

protected:
    void Paint() override;
    void AdjustSize() override;

private:
    void PictureChanged(TObject* Sender);

    TPicture m_picture;
    bool m_stretch = false;
    bool m_center = false;
    bool m_proportional = false;
    bool m_transparent = false;
};
