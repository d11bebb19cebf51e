#include "tests/platform/vcl/TestComponents.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/Filer.h"
#include "platform/vcl/VclClasses.h"

static const TEnumInfo ShapeInfo{"TTestShape", {"tsCircle", "tsSquare", "tsTriangle"}};
static const TEnumInfo OptionInfo{"TTestOption", {"toBold", "toWide", "toTall"}};
static const TIdentMap CursorIdents{{0, "crDefault"}, {-21, "crHandPoint"}};

const TClassInfo& TLoggingComponent::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TLoggingComponent>("TLoggingComponent").Build();
    return info;
}

TLoggingComponent::TLoggingComponent(TComponent* AOwner, std::vector<std::string>* log)
    : TComponent(AOwner), m_log(log) {}

TLoggingComponent::~TLoggingComponent() {
    if (m_log) m_log->push_back("free " + GetName());
}

void TLoggingComponent::SetPartner(TComponent* Value) {
    Partner = Value;
    if (Value) Value->FreeNotification(this);
}

void TLoggingComponent::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (m_log)
        m_log->push_back(GetName() + (Operation == opInsert ? " insert " : " remove ") +
                         AComponent->GetName());
    if (Operation == opRemove && AComponent == Partner) Partner = nullptr;
}

const TClassInfo& TTestLimits::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TTestLimits>("TTestLimits")
            .Integer("MinWidth", &TTestLimits::GetMinWidth, &TTestLimits::SetMinWidth, 0)
            .Integer("MaxWidth", &TTestLimits::GetMaxWidth, &TTestLimits::SetMaxWidth, 0)
            .Build();
    return info;
}

void TTestLimits::Assign(const TPersistent* Source) {
    if (auto* s = dynamic_cast<const TTestLimits*>(Source)) {
        m_minWidth = s->m_minWidth;
        m_maxWidth = s->m_maxWidth;
        return;
    }
    inherited::Assign(Source);
}

const TClassInfo& TTestColumn::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TTestColumn>("TTestColumn")
            .String("Caption", &TTestColumn::GetCaption, &TTestColumn::SetCaption)
            .Integer("Width", &TTestColumn::GetWidth, &TTestColumn::SetWidth, 50)
            .Build();
    return info;
}

void TTestColumn::Assign(const TPersistent* Source) {
    if (auto* s = dynamic_cast<const TTestColumn*>(Source)) {
        Caption = s->Caption;
        Width = s->Width;
        return;
    }
    inherited::Assign(Source);
}

const TClassInfo& TTestWidget::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TTestWidget>("TTestWidget")
            .Integer("Left", &TTestWidget::GetLeft, &TTestWidget::SetLeft, 0)
            .Boolean("Visible", &TTestWidget::GetVisible, &TTestWidget::SetVisible, true)
            .Enum("Shape", ShapeInfo, &TTestWidget::GetShape, &TTestWidget::SetShape,
                  TTestShape::tsCircle)
            .Color("Color", &TTestWidget::GetColor, &TTestWidget::SetColor, clBtnFace)
            .Set("Options", OptionInfo, &TTestWidget::GetOptions, &TTestWidget::SetOptions)
            .String("Caption", &TTestWidget::GetCaption, &TTestWidget::SetCaption)
            .Float("Ratio", &TTestWidget::GetRatio, &TTestWidget::SetRatio, 1.5)
            .Reference("Buddy", &TTestWidget::GetBuddy, &TTestWidget::SetBuddy)
            .Persistent("Limits", &TTestWidget::GetLimits)
            .Persistent("Items", &TTestWidget::GetItems)
            .Persistent("Columns", &TTestWidget::GetColumns)
            .Integer("Cursor", &TTestWidget::GetCursor, &TTestWidget::SetCursor, 0, &CursorIdents)
            .Event("OnClick", &TTestWidget::OnClick)
            .Build();
    return info;
}

TTestWidget::TTestWidget(TComponent* AOwner)
    : TComponent(AOwner), m_columns(TTestColumn::StaticClassInfo(), this) {}

TTestWidget::~TTestWidget() {
    Destroying();
    for (TTestWidget* child : ChildWidgets) child->ParentWidget = nullptr;
    if (ParentWidget) std::erase(ParentWidget->ChildWidgets, this);
}

void TTestWidget::SetShape(TTestShape v) {
    m_shape = v;
    m_color = v == TTestShape::tsSquare ? clRed : clBlue;
    WasLoadingInSetter = (ComponentState() & csLoading) != 0;
}

void TTestWidget::SetBuddy(TTestWidget* v) {
    m_buddy = v;
    if (v) v->FreeNotification(this);
}

void TTestWidget::Loaded() {
    inherited::Loaded();
    LoadedCalled = true;
    BuddyAtLoaded = m_buddy;
}

void TTestWidget::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_buddy) m_buddy = nullptr;
}

void TTestWidget::SetParentComponent(TComponent* Value) {
    if (ParentWidget) std::erase(ParentWidget->ChildWidgets, this);
    ParentWidget = dynamic_cast<TTestWidget*>(Value);
    if (ParentWidget) ParentWidget->ChildWidgets.push_back(this);
}

void TTestWidget::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    for (TTestWidget* child : ChildWidgets)
        if (child->Owner() == Root) Proc(child);
}

void TTestWidget::DefineProperties(TFiler& Filer) {
    inherited::DefineProperties(Filer);
    Filer.DefineBinaryProperty(
        "SkinData",
        [this](std::span<const std::uint8_t> bytes) {
            SkinData.assign(bytes.begin(), bytes.end());
        },
        [this] { return SkinData; }, !SkinData.empty());
}

const TClassInfo& TTestImage::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TTestImage>("TTestImage")
            .Persistent("Font", &TTestImage::GetFont)
            .Persistent("Picture", &TTestImage::GetPicture)
            .Reference("Images", &TTestImage::GetImages, &TTestImage::SetImages)
            .Build();
    return info;
}

TTestImage::TTestImage(TComponent* AOwner) : TComponent(AOwner) {
    m_font.OnChange = [this](TObject*) { ++FontChanges; };
}

TTestImage::~TTestImage() = default;

void TTestImage::SetImages(TImageList* v) {
    m_imagesRef = v;
    if (v) v->FreeNotification(this);
}

void TTestImage::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_imagesRef) m_imagesRef = nullptr;
}

const TClassInfo& TTestForm::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TTestForm>("TTestForm")
                                       .Field("btnOK", &TTestForm::btnOK)
                                       .Field("pnlMain", &TTestForm::pnlMain)
                                       .Method("btnOKClick", &TTestForm::btnOKClick)
                                       .Method("Wrong", &TTestForm::Wrong)
                                       .Build();
    return info;
}

void TTestForm::btnOKClick(TObject* Sender) {
    Clicks.push_back(static_cast<TComponent*>(Sender)->GetName());
}

TTestWidget* TTestForm::CreateOwnWidget(const std::string& name) {
    auto* widget = new TTestWidget(this);
    widget->SetName(name);
    return widget;
}

void RegisterTestClasses() {
    RegisterClass(TTestWidget::StaticClassInfo());
    RegisterClass(TTestForm::StaticClassInfo());
    RegisterClass(TLoggingComponent::StaticClassInfo());
    RegisterClass(TTestImage::StaticClassInfo());
    RegisterVclClasses();
}
