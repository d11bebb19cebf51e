#pragma once
// TskCustomPanel and TskImagePanel: a container that paints a picture (unscaled, stretched
// or tiled), optionally over its parent's image, with an optional caption. Group boxes
// derive from it; the track bar's slider and the skinned form's client area are image
// panels.
#include <memory>

#include "platform/vcl/core/ClassInfo.h"
#include "platform/vcl/stdctrls/CustomPanel.h"

class TPicture;

// How a panel's picture fills it.
enum TskDrawStyle { skNormal, skStretch, skTile };
const TEnumInfo& TskDrawStyleInfo();

class TskCustomPanel : public TCustomPanel {
    QV_DECLARE_CLASS(TskCustomPanel, TCustomPanel)

    explicit TskCustomPanel(TComponent* AOwner);
    ~TskCustomPanel() override;

    TPicture* GetPicture() const { return m_picture.get(); }
    void SetPicture(const TPicture* Value);
    bool GetTransparent() const { return m_transparent; }
    virtual void SetTransparent(bool Value);
    // Sizes the panel to its picture, along the sides its alignment leaves free.
    void SetAutoSize(bool Value) override;
    TskDrawStyle GetDrawStyle() const { return m_drawStyle; }
    void SetDrawStyle(TskDrawStyle Value);
    // A fixed top left corner of the caption; -1 in either aligns it by Alignment.
    int GetCaptionPosX() const { return m_captionPosX; }
    void SetCaptionPosX(int Value);
    int GetCaptionPosY() const { return m_captionPosY; }
    void SetCaptionPosY(int Value);

protected:
    virtual void ClearPanel();
    // A hook, given the caption's rectangle when the caption changes.
    virtual void RepaintText(const TRect&) {}
    virtual void PictureChanged(TObject* Sender);
    void Paint() override;
    void Resize() override;
    void CMTextChanged(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    bool HasPicture() const;
    void ApplyAutoSize();
    void ApplyTransparent();

    std::unique_ptr<TPicture> m_picture;
    bool m_transparent = false;
    int m_captionPosX = -1;
    int m_captionPosY = -1;
    TskDrawStyle m_drawStyle = skNormal;
};

class TskImagePanel : public TskCustomPanel {
    QV_DECLARE_CLASS(TskImagePanel, TskCustomPanel)

    explicit TskImagePanel(TComponent* AOwner) : TskCustomPanel(AOwner) {}
};
