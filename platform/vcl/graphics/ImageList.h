#pragma once
// TImageList: a component holding equal-sized images with masks, over gfx::ImageList. The
// images are stored in a form description as the binary property Bitmap.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/gfx/ImageList.h"
#include "platform/vcl/core/Component.h"
#include "platform/vcl/core/Event.h"

class TBitmap;
class TCanvas;

class TImageList : public TComponent {
    QV_DECLARE_CLASS(TImageList, TComponent)

    explicit TImageList(TComponent* AOwner);
    ~TImageList() override;

    // Changing the size empties the list, as the images no longer fit.
    int GetWidth() const { return m_images->Width(); }
    void SetWidth(int Value);
    int GetHeight() const { return m_images->Height(); }
    void SetHeight(int Value);
    // Whether AddMasked's key colour is honoured; an unmasked list draws every pixel.
    bool GetMasked() const { return m_masked; }
    void SetMasked(bool Value);
    TColor GetBkColor() const { return m_bkColor; }
    void SetBkColor(TColor Value);

    int Count() const { return m_images->Count(); }
    // Cuts Image into Width-wide images; returns the first new index (-1 when empty).
    int Add(const TBitmap* Image);
    int AddMasked(const TBitmap* Image, TColor MaskColor);
    void Delete(int Index);
    void Clear();
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true) const;
    // Copies image Index into Image (sized to the list).
    void GetBitmap(int Index, TBitmap* Image) const;

    const gfx::ImageList& Images() const { return *m_images; }

    void Assign(const TPersistent* Source) override;
    void DefineProperties(TFiler& Filer) override;

    TNotifyEvent OnChange;

protected:
    virtual void Change();

private:
    void ReadImages(std::span<const std::uint8_t> data);
    std::vector<std::uint8_t> WriteImages() const;

    std::unique_ptr<gfx::ImageList> m_images;
    bool m_masked = true;
    TColor m_bkColor = clNone;
};
