#pragma once
// Small component classes that exercise every kind of published property, for the tests of
// ownership, streaming and property access.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/vcl/core/Collection.h"
#include "platform/vcl/core/Component.h"
#include "platform/vcl/graphics/Font.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/vcl/core/StringList.h"

enum class TTestShape { tsCircle, tsSquare, tsTriangle };
enum TTestOption : unsigned { toBold = 1, toWide = 2, toTall = 4 };

// Records every notification it receives, and its own destruction, in a shared log.
class TLoggingComponent : public TComponent {
    QV_DECLARE_CLASS(TLoggingComponent, TComponent)
    explicit TLoggingComponent(TComponent* AOwner, std::vector<std::string>* log = nullptr);
    ~TLoggingComponent() override;

    // A reference that must be cleared when the referenced component goes.
    TComponent* Partner = nullptr;
    void SetPartner(TComponent* Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::vector<std::string>* m_log;
};

class TTestLimits : public TPersistent {
    QV_DECLARE_CLASS(TTestLimits, TPersistent)
    int GetMinWidth() const { return m_minWidth; }
    void SetMinWidth(int v) { m_minWidth = v; }
    int GetMaxWidth() const { return m_maxWidth; }
    void SetMaxWidth(int v) { m_maxWidth = v; }
    void Assign(const TPersistent* Source) override;

private:
    int m_minWidth = 0;
    int m_maxWidth = 0;
};

class TTestColumn : public TCollectionItem {
    QV_DECLARE_CLASS(TTestColumn, TCollectionItem)
    explicit TTestColumn(TCollection* Collection) : TCollectionItem(Collection) {}
    std::string Caption;
    int Width = 50;
    const std::string& GetCaption() const { return Caption; }
    void SetCaption(const std::string& v) { Caption = v; }
    int GetWidth() const { return Width; }
    void SetWidth(int v) { Width = v; }
    void Assign(const TPersistent* Source) override;
};

// A widget with one published property of each kind. Setting Shape also sets Color, so
// that the order in which stored values are applied shows.
class TTestWidget : public TComponent {
    QV_DECLARE_CLASS(TTestWidget, TComponent)
    explicit TTestWidget(TComponent* AOwner);
    ~TTestWidget() override;

    int GetLeft() const { return m_left; }
    void SetLeft(int v) { m_left = v; }
    bool GetVisible() const { return m_visible; }
    void SetVisible(bool v) { m_visible = v; }
    TTestShape GetShape() const { return m_shape; }
    void SetShape(TTestShape v);
    unsigned GetOptions() const { return m_options; }
    void SetOptions(unsigned v) { m_options = v; }
    const std::string& GetCaption() const { return m_caption; }
    void SetCaption(const std::string& v) { m_caption = v; }
    TColor GetColor() const { return m_color; }
    void SetColor(TColor v) { m_color = v; }
    double GetRatio() const { return m_ratio; }
    void SetRatio(double v) { m_ratio = v; }
    TTestWidget* GetBuddy() const { return m_buddy; }
    void SetBuddy(TTestWidget* v);
    TTestLimits* GetLimits() { return &m_limits; }
    TStringList* GetItems() { return &m_items; }
    TCollection* GetColumns() { return &m_columns; }
    int GetCursor() const { return m_cursor; }
    void SetCursor(int v) { m_cursor = v; }

    std::vector<std::uint8_t> SkinData;
    TNotifyEvent OnClick;

    // What Loaded saw, to check that it runs after references are resolved.
    bool LoadedCalled = false;
    TTestWidget* BuddyAtLoaded = nullptr;
    bool WasLoadingInSetter = false;

    // Streaming: a widget nested in another in a description becomes its child.
    TTestWidget* ParentWidget = nullptr;
    std::vector<TTestWidget*> ChildWidgets;
    bool HasParent() const override { return ParentWidget != nullptr; }
    TComponent* GetParentComponent() const override { return ParentWidget; }
    void SetParentComponent(TComponent* Value) override;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

    void DefineProperties(TFiler& Filer) override;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    int m_left = 0;
    bool m_visible = true;
    TTestShape m_shape = TTestShape::tsCircle;
    unsigned m_options = 0;
    std::string m_caption;
    TColor m_color = clBtnFace;
    double m_ratio = 1.5;
    TTestWidget* m_buddy = nullptr;
    TTestLimits m_limits;
    TStringList m_items;
    TCollection m_columns;
    int m_cursor = 0;
};

// A picture component with a font, for streaming fonts, pictures and image lists.
class TTestImage : public TComponent {
    QV_DECLARE_CLASS(TTestImage, TComponent)
    explicit TTestImage(TComponent* AOwner);
    ~TTestImage() override;

    TFont* GetFont() { return &m_font; }
    TPicture* GetPicture() { return &m_picture; }
    TImageList* GetImages() const { return m_imagesRef; }
    void SetImages(TImageList* v);
    int FontChanges = 0;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TFont m_font;
    TPicture m_picture;
    TImageList* m_imagesRef = nullptr;
};

// A form class: published fields and methods bound by name.
class TTestForm : public TComponent {
    QV_DECLARE_CLASS(TTestForm, TComponent)
    explicit TTestForm(TComponent* AOwner) : TComponent(AOwner) {}

    TTestWidget* btnOK = nullptr;
    TTestWidget* pnlMain = nullptr;
    std::vector<std::string> Clicks;
    void btnOKClick(TObject* Sender);
    void Wrong(int) {}

    // A widget that the form creates itself, as a form's constructor may.
    TTestWidget* CreateOwnWidget(const std::string& name);
};

// Registers the classes above for the reader.
void RegisterTestClasses();
