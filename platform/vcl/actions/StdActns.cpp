#include "platform/vcl/actions/StdActns.h"

#include "platform/vcl/actions/ActionList.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/stdctrls/CustomEdit.h"
#include "platform/win/SysParams.h"

const TClassInfo& TEditAction::StaticClassInfo() {
    using C = TEditAction;
    static const TClassInfo info = TClassBuilder<C>("TEditAction")
                                       .Reference("Control", &C::GetControl, &C::SetControl)
                                       .Build();
    return info;
}

TEditAction::TEditAction(TComponent* AOwner) : TAction(AOwner) {}

TEditAction::~TEditAction() {
    SetControl(nullptr);
}

void TEditAction::SetControl(TCustomEdit* Value) {
    if (Value == m_control) return;
    if (m_control) m_control->RemoveFreeNotification(this);
    m_control = Value;
    if (m_control) m_control->FreeNotification(this);
}

bool TEditAction::HandlesTarget(TObject* Target) {
    auto* edit = dynamic_cast<TCustomEdit*>(Target);
    if (!edit || (m_control && edit != m_control)) return false;
    return edit->Focused();
}

void TEditAction::UpdateTarget(TObject* Target) {
    SetEnabled(CanAct(static_cast<TCustomEdit*>(Target)));
}

void TEditAction::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_control) m_control = nullptr;
}

#define QV_EDIT_ACTION_CLASS(Class)                                          \
    const TClassInfo& Class::StaticClassInfo() {                             \
        static const TClassInfo info = TClassBuilder<Class>(#Class).Build(); \
        return info;                                                         \
    }

QV_EDIT_ACTION_CLASS(TEditCut)
QV_EDIT_ACTION_CLASS(TEditCopy)
QV_EDIT_ACTION_CLASS(TEditPaste)
QV_EDIT_ACTION_CLASS(TEditSelectAll)
QV_EDIT_ACTION_CLASS(TEditUndo)
QV_EDIT_ACTION_CLASS(TEditDelete)

TEditCut::TEditCut(TComponent* AOwner) : TEditAction(AOwner) {
    SetCaption("Cu&t");
    SetHint("Cut|Cuts the selection and puts it on the Clipboard");
    SetShortCut(ShortCut('X', ssCtrl));
}
void TEditCut::ExecuteTarget(TObject* Target) {
    static_cast<TCustomEdit*>(Target)->CutToClipboard();
}
bool TEditCut::CanAct(TCustomEdit* Edit) const {
    return Edit->GetSelLength() > 0 && !Edit->GetReadOnly();
}

TEditCopy::TEditCopy(TComponent* AOwner) : TEditAction(AOwner) {
    SetCaption("&Copy");
    SetHint("Copy|Copies the selection and puts it on the Clipboard");
    SetShortCut(ShortCut('C', ssCtrl));
}
void TEditCopy::ExecuteTarget(TObject* Target) {
    static_cast<TCustomEdit*>(Target)->CopyToClipboard();
}
bool TEditCopy::CanAct(TCustomEdit* Edit) const {
    return Edit->GetSelLength() > 0;
}

TEditPaste::TEditPaste(TComponent* AOwner) : TEditAction(AOwner) {
    SetCaption("&Paste");
    SetHint("Paste|Inserts Clipboard contents");
    SetShortCut(ShortCut('V', ssCtrl));
}
void TEditPaste::ExecuteTarget(TObject* Target) {
    static_cast<TCustomEdit*>(Target)->PasteFromClipboard();
}
bool TEditPaste::CanAct(TCustomEdit* Edit) const {
    return !Edit->GetReadOnly() && !GetClipboardText().empty();
}

TEditSelectAll::TEditSelectAll(TComponent* AOwner) : TEditAction(AOwner) {
    SetCaption("Select &All");
    SetHint("Select All|Selects the entire text");
    SetShortCut(ShortCut('A', ssCtrl));
}
void TEditSelectAll::ExecuteTarget(TObject* Target) {
    static_cast<TCustomEdit*>(Target)->SelectAll();
}
bool TEditSelectAll::CanAct(TCustomEdit* Edit) const {
    return static_cast<int>(Edit->GetText().size()) > Edit->GetSelLength();
}

TEditUndo::TEditUndo(TComponent* AOwner) : TEditAction(AOwner) {
    SetCaption("&Undo");
    SetHint("Undo|Reverts the last action");
    SetShortCut(ShortCut('Z', ssCtrl));
}
void TEditUndo::ExecuteTarget(TObject* Target) {
    static_cast<TCustomEdit*>(Target)->Undo();
}
bool TEditUndo::CanAct(TCustomEdit* Edit) const {
    return Edit->CanUndo() && !Edit->GetReadOnly();
}

TEditDelete::TEditDelete(TComponent* AOwner) : TEditAction(AOwner) {
    SetCaption("&Delete");
    SetHint("Delete|Erases the selection");
    SetShortCut(ShortCut(VK_DELETE, 0));
}
void TEditDelete::ExecuteTarget(TObject* Target) {
    static_cast<TCustomEdit*>(Target)->ClearSelection();
}
bool TEditDelete::CanAct(TCustomEdit* Edit) const {
    return Edit->GetSelLength() > 0 && !Edit->GetReadOnly();
}

const TClassInfo& TWindowAction::StaticClassInfo() {
    using C = TWindowAction;
    static const TClassInfo info =
        TClassBuilder<C>("TWindowAction").Reference("Form", &C::GetForm, &C::SetForm).Build();
    return info;
}

TWindowAction::TWindowAction(TComponent* AOwner) : TAction(AOwner) {}

TWindowAction::~TWindowAction() {
    SetForm(nullptr);
}

void TWindowAction::SetForm(TCustomForm* Value) {
    if (Value == m_form) return;
    if (m_form) m_form->RemoveFreeNotification(this);
    m_form = Value;
    if (m_form) m_form->FreeNotification(this);
}

bool TWindowAction::HandlesTarget(TObject* Target) {
    auto* form = dynamic_cast<TCustomForm*>(Target);
    if (!form) return false;
    return m_form ? form == m_form : form->GetFormStyle() == fsMDIForm;
}

void TWindowAction::UpdateTarget(TObject* Target) {
    SetEnabled(static_cast<TCustomForm*>(Target)->MDIChildCount() > 0);
}

void TWindowAction::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_form) m_form = nullptr;
}

#define QV_WINDOW_ACTION_CLASS(Class, Caption)                               \
    const TClassInfo& Class::StaticClassInfo() {                             \
        static const TClassInfo info = TClassBuilder<Class>(#Class).Build(); \
        return info;                                                         \
    }                                                                        \
    Class::Class(TComponent* AOwner) : TWindowAction(AOwner) {               \
        SetCaption(Caption);                                                 \
    }

QV_WINDOW_ACTION_CLASS(TWindowClose, "C&lose")
QV_WINDOW_ACTION_CLASS(TWindowCascade, "&Cascade")
QV_WINDOW_ACTION_CLASS(TWindowTileHorizontal, "Tile &Horizontally")
QV_WINDOW_ACTION_CLASS(TWindowTileVertical, "&Tile Vertically")
QV_WINDOW_ACTION_CLASS(TWindowArrange, "&Arrange")

void TWindowClose::ExecuteTarget(TObject* Target) {
    if (TCustomForm* child = static_cast<TCustomForm*>(Target)->ActiveMDIChild()) child->Close();
}

void TWindowCascade::ExecuteTarget(TObject* Target) {
    static_cast<TCustomForm*>(Target)->Cascade();
}

void TWindowTileHorizontal::ExecuteTarget(TObject* Target) {
    auto* form = static_cast<TCustomForm*>(Target);
    form->SetTileMode(tbHorizontal);
    form->Tile();
}

void TWindowTileVertical::ExecuteTarget(TObject* Target) {
    auto* form = static_cast<TCustomForm*>(Target);
    form->SetTileMode(tbVertical);
    form->Tile();
}

void TWindowArrange::ExecuteTarget(TObject* Target) {
    static_cast<TCustomForm*>(Target)->ArrangeIcons();
}

void RegisterActionClasses() {
    RegisterClassesOf<TActionList, TAction, TEditCut, TEditCopy, TEditPaste, TEditSelectAll,
                      TEditUndo, TEditDelete, TWindowClose, TWindowCascade, TWindowTileHorizontal,
                      TWindowTileVertical, TWindowArrange>();
}
