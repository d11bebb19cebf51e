#pragma once
// The standard actions: the edit actions act on the focused edit (or on their Control)
// and enable themselves from its state; the window actions act on an MDI frame (the
// active form, or their Form) and are enabled while it has children.
#include "platform/vcl/actions/CustomAction.h"

class TCustomEdit;
class TCustomForm;

class TEditAction : public TAction {
    QV_DECLARE_CLASS(TEditAction, TAction)

    explicit TEditAction(TComponent* AOwner);
    ~TEditAction() override;

    // The one edit the action acts on; none means whichever edit has the focus.
    TCustomEdit* GetControl() const { return m_control; }
    void SetControl(TCustomEdit* Value);

    bool HandlesTarget(TObject* Target) override;
    void UpdateTarget(TObject* Target) override;

protected:
    // Whether the action can act on the edit now.
    virtual bool CanAct(TCustomEdit* Edit) const = 0;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TCustomEdit* m_control = nullptr;
};

// Each standard edit action: what it does to the edit, and when it can.
#define QV_EDIT_ACTION(Class)                          \
    class Class : public TEditAction {                 \
        QV_DECLARE_CLASS(Class, TEditAction)           \
        explicit Class(TComponent* AOwner);            \
        void ExecuteTarget(TObject* Target) override;  \
                                                       \
    protected:                                         \
        bool CanAct(TCustomEdit* Edit) const override; \
    };

QV_EDIT_ACTION(TEditCut)
QV_EDIT_ACTION(TEditCopy)
QV_EDIT_ACTION(TEditPaste)
QV_EDIT_ACTION(TEditSelectAll)
QV_EDIT_ACTION(TEditUndo)
QV_EDIT_ACTION(TEditDelete)
#undef QV_EDIT_ACTION

class TWindowAction : public TAction {
    QV_DECLARE_CLASS(TWindowAction, TAction)

    explicit TWindowAction(TComponent* AOwner);
    ~TWindowAction() override;

    // The MDI frame the action acts on; none means the active form when it is one.
    TCustomForm* GetForm() const { return m_form; }
    void SetForm(TCustomForm* Value);

    bool HandlesTarget(TObject* Target) override;
    // Enabled while the frame has children.
    void UpdateTarget(TObject* Target) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TCustomForm* m_form = nullptr;
};

#define QV_WINDOW_ACTION(Class)                       \
    class Class : public TWindowAction {              \
        QV_DECLARE_CLASS(Class, TWindowAction)        \
        explicit Class(TComponent* AOwner);           \
        void ExecuteTarget(TObject* Target) override; \
    };

// Closes the active child.
QV_WINDOW_ACTION(TWindowClose)
QV_WINDOW_ACTION(TWindowCascade)
QV_WINDOW_ACTION(TWindowTileHorizontal)
QV_WINDOW_ACTION(TWindowTileVertical)
QV_WINDOW_ACTION(TWindowArrange)
#undef QV_WINDOW_ACTION

// Registers the action list, the action and the standard actions for form descriptions.
void RegisterActionClasses();
