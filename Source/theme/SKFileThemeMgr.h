#pragma once
// The lookup object of a file theme: it holds the reader of one loaded theme file and
// answers the theme items by their names in theme files.
#include <memory>
#include <string>

#include "Source/theme/SKThemeFile.h"
#include "platform/gfx/Color.h"
#include "platform/vcl/core/Object.h"

class TBitmap;

class TskFileThemeMgr : public TObject {
    QV_DECLARE_CLASS(TskFileThemeMgr, TObject)

    TskFileThemeMgr();
    ~TskFileThemeMgr() override;

    // False, keeping what was loaded, when the file does not exist. A file that exists but
    // is no theme file or is damaged throws EskThemeFileError, and what was loaded stays.
    bool LoadFromFile(const std::string& FileName);
    bool HasReader() const { return m_reader != nullptr; }

    // Loads the item's picture into the bitmap; nothing without a reader or a picture.
    // A picture that is no bitmap raises EInvalidGraphic.
    void GetBitmap(int Item, TBitmap* Bitmap) const;
    // 0 without a reader; -1 when the file lacks the item.
    TColor GetColor(int Item) const;
    // The same, with sizes and offsets kept within their sane range whatever the file says.
    int GetInt(int Item) const;
    // False without a reader or when the file lacks the item.
    bool GetBool(int Item) const;
    // The text entry of that name; empty without a reader or when the file lacks it.
    std::string GetText(const std::string& Name) const;

private:
    std::unique_ptr<TskThemeFileReader> m_reader;
};
