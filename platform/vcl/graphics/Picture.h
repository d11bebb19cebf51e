#pragma once
// TPicture: holds one graphic (a TBitmap or a TJPEGImage), loads it by file extension and
// stores it in a form description as the binary property Data.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/vcl/core/Event.h"
#include "platform/vcl/core/Persistent.h"

class TGraphic;
class TBitmap;

class TPicture : public TPersistent {
    QV_DECLARE_CLASS(TPicture, TPersistent)

    TPicture();
    ~TPicture() override;

    TGraphic* GetGraphic() const { return m_graphic.get(); }
    // Holds a copy of Value (null empties the picture).
    void SetGraphic(const TGraphic* Value);
    // The held bitmap; a picture holding something else is emptied into a new bitmap.
    TBitmap* GetBitmap();
    void SetBitmap(const TBitmap* Value);
    int GetWidth() const;
    int GetHeight() const;

    // .bmp makes a TBitmap, .jpg and .jpeg a TJPEGImage; other extensions raise
    // EInvalidGraphic.
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;

    void Assign(const TPersistent* Source) override;
    void DefineProperties(TFiler& Filer) override;

    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent& Dest) const override;
    virtual void Changed();

private:
    void Take(std::unique_ptr<TGraphic> graphic);
    void ReadData(std::span<const std::uint8_t> data);
    std::vector<std::uint8_t> WriteData() const;

    std::unique_ptr<TGraphic> m_graphic;
};
