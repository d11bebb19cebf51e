#pragma once
// The title bar's collections: its caption buttons, each with three state pictures cut from
// the style's button strip, and its picture sections (left, right and client).
#include <cstdint>
#include <optional>

#include "platform/vcl/core/Collection.h"
#include "platform/vcl/core/Event.h"
#include "platform/vcl/graphics/Picture.h"

#include "Source/theme/SKThemes.h"

class TPopupMenu;
class TskTitleBar;

enum class TskTitleBarBtnType : std::uint8_t {
    skMax,
    skMin,
    skClose,
    skHelp,
    skControlBox,
    skCustom
};
using enum TskTitleBarBtnType;
enum class TskTitleBarAlign : std::uint8_t { skLeft, skRight, skClient };
using enum TskTitleBarAlign;

const TEnumInfo& TskTitleBarBtnTypeInfo();
const TEnumInfo& TskTitleBarAlignInfo();

// Sender is the title bar; ButtonIndex the button's index in its collection.
using TskTitleBarButtonClickEvent = TEvent<void(TObject* Sender, int ButtonIndex)>;

class TskTitleBarButton : public TCollectionItem {
    QV_DECLARE_CLASS(TskTitleBarButton, TCollectionItem)

    explicit TskTitleBarButton(TCollection* Collection);
    ~TskTitleBarButton() override;

    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);
    TskTitleBarBtnType GetButtonType() const { return m_buttonType; }
    void SetButtonType(TskTitleBarBtnType Value);
    bool GetTransparent() const { return m_transparent; }
    void SetTransparent(bool Value);
    int GetTop() const { return m_top; }
    void SetTop(int Value);
    TPopupMenu* GetControlBoxMenu() const { return m_controlBoxMenu; }
    void SetControlBoxMenu(TPopupMenu* Value);
    bool GetVisible() const { return m_visible; }
    void SetVisible(bool Value);
    TPicture* GetPicNormal() { return &m_picNormal; }
    void SetPicNormal(const TPicture* Value) { m_picNormal.Assign(Value); }
    TPicture* GetPicMouseOn() { return &m_picMouseOn; }
    void SetPicMouseOn(const TPicture* Value) { m_picMouseOn.Assign(Value); }
    TPicture* GetPicMouseDown() { return &m_picMouseDown; }
    void SetPicMouseDown(const TPicture* Value) { m_picMouseDown.Assign(Value); }

    // The button's action: maximise or restore, minimise, close, or the control box menu.
    void DoClick();
    // A maximise button shows its restore pictures while its form is maximised.
    void ProcessMaxBtn();
    void UpdateUIStyle();
    void UpdateInsideTheme(TskUIStyle Style);
    void UpdateFileTheme();

    // The bar whose collection holds the button, or null.
    TskTitleBar* TitleBar() const;
    void Assign(const TPersistent* Source) override;

private:
    // Loads frames First, First + 1 and First + 2 of the 18-frame button strip.
    void LoadFrames(int First);
    void Repaint() { Changed(false); }

    TskUIStyle m_uiStyle = DeepBlue;
    TskTitleBarBtnType m_buttonType = skCustom;
    bool m_transparent = false;
    int m_top = 2;
    TPopupMenu* m_controlBoxMenu = nullptr;
    bool m_visible = true;
    TPicture m_picNormal;
    TPicture m_picMouseOn;
    TPicture m_picMouseDown;
    // The built-in style's frames the pictures hold, so that applying that style again,
    // as a form does several times while it is read, loads nothing. Any other change to
    // the pictures forgets it.
    struct TInsideFrames {
        TskUIStyle Style;
        int First;
    };
    std::optional<TInsideFrames> m_insideFrames;
};

class TskTitleBarSection : public TCollectionItem {
    QV_DECLARE_CLASS(TskTitleBarSection, TCollectionItem)

    explicit TskTitleBarSection(TCollection* Collection);
    ~TskTitleBarSection() override;

    bool GetAutoSize() const { return m_autoSize; }
    void SetAutoSize(bool Value);
    int GetWidth() const { return m_width; }
    void SetWidth(int Value);
    TskTitleBarAlign GetAlign() const { return m_align; }
    void SetAlign(TskTitleBarAlign Value);
    TPicture* GetPicture() { return &m_picture; }
    void SetPicture(const TPicture* Value) { m_picture.Assign(Value); }
    bool GetStretch() const { return m_stretch; }
    void SetStretch(bool Value);

    void Assign(const TPersistent* Source) override;

private:
    void PictureChanged();

    bool m_autoSize = false;
    int m_width = 10;
    TskTitleBarAlign m_align = skLeft;
    TPicture m_picture;
    bool m_stretch = false;
};

class TskTitleBarButtons : public TCollection {
    QV_DECLARE_CLASS(TskTitleBarButtons, TCollection)

    explicit TskTitleBarButtons(TskTitleBar* TitleBar);

    TskTitleBar* TitleBar() const { return m_titleBar; }
    TskTitleBarButton* Add() { return static_cast<TskTitleBarButton*>(TCollection::Add()); }
    TskTitleBarButton* GetItem(int Index) const {
        return static_cast<TskTitleBarButton*>(TCollection::Items(Index));
    }
    void SetItem(int Index, const TskTitleBarButton* Value) { GetItem(Index)->Assign(Value); }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TskTitleBar* m_titleBar;
};

class TskTitleBarSections : public TCollection {
    QV_DECLARE_CLASS(TskTitleBarSections, TCollection)

    explicit TskTitleBarSections(TskTitleBar* TitleBar);

    TskTitleBar* TitleBar() const { return m_titleBar; }
    TskTitleBarSection* Add() { return static_cast<TskTitleBarSection*>(TCollection::Add()); }
    TskTitleBarSection* GetItem(int Index) const {
        return static_cast<TskTitleBarSection*>(TCollection::Items(Index));
    }
    void SetItem(int Index, const TskTitleBarSection* Value) { GetItem(Index)->Assign(Value); }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TskTitleBar* m_titleBar;
};

// The error box of a refused collection value; the value stays as it was.
void ShowSkinError(const char* Text);
