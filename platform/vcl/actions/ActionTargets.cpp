#include "platform/vcl/actions/ActionTargets.h"

#include "platform/vcl/actions/BasicAction.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"

namespace {

bool Offer(TControl* Control, TBasicAction* Action, bool Update) {
    if (!Control) return false;
    return Update ? Control->UpdateAction(Action) : Control->ExecuteAction(Action);
}

bool OfferToChildren(TWinControl* Container, TBasicAction* Action, bool Update) {
    for (int i = 0; i < Container->ControlCount(); ++i) {
        TControl* control = Container->Controls(i);
        if (!control->GetVisible()) continue;
        if (Offer(control, Action, Update)) return true;
        if (auto* win = dynamic_cast<TWinControl*>(control))
            if (OfferToChildren(win, Action, Update)) return true;
    }
    return false;
}

}  // namespace

TCustomForm* ActionTargetForm() {
    for (TCustomForm* form : TCustomForm::Forms())
        if (form->Active()) return form;
    return Application ? Application->MainForm() : nullptr;
}

bool DispatchActionToTargets(TBasicAction* Action, bool Update) {
    TCustomForm* form = ActionTargetForm();
    if (!form) return false;
    if (TCustomForm* child = form->ActiveMDIChild())
        if (Offer(child->GetActiveControl(), Action, Update)) return true;
    return Offer(form->GetActiveControl(), Action, Update) || Offer(form, Action, Update) ||
           OfferToChildren(form, Action, Update);
}
