#pragma once
// TGraphic: a picture of some format (bitmap, JPEG) that can be loaded, saved, drawn and
// held by a TPicture.
#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/Geometry.h"
#include "platform/vcl/core/Event.h"
#include "platform/vcl/core/Persistent.h"

class TCanvas;

class TGraphic : public TPersistent {
    QV_DECLARE_CLASS(TGraphic, TPersistent)

    virtual bool GetEmpty() const = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual void SetHeight(int Value) = 0;
    virtual bool GetTransparent() const { return m_transparent; }
    virtual void SetTransparent(bool Value);
    bool GetModified() const { return m_modified; }
    void SetModified(bool Value);

    // The picture as its file holds it. Faults in the data raise EInvalidGraphic.
    virtual void LoadFromBytes(std::span<const std::uint8_t> Data) = 0;
    virtual std::vector<std::uint8_t> SaveToBytes() const = 0;
    void LoadFromStream(std::istream& Stream);
    void SaveToStream(std::ostream& Stream) const;
    // File errors raise EFOpenError.
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;

    // Draws the picture into Rect, stretched when the sizes differ.
    virtual void Draw(TCanvas& ACanvas, const TRect& Rect) = 0;

    // How a TPicture stores the graphic in a form description: a 32-bit little-endian
    // size, then the file's bytes.
    virtual void ReadData(std::span<const std::uint8_t> Data);
    virtual std::vector<std::uint8_t> WriteData() const;

    TNotifyEvent OnChange;

protected:
    TGraphic() = default;
    virtual void Changed();

private:
    bool m_transparent = false;
    bool m_modified = false;
};
