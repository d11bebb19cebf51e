#include "platform/vcl/actions/ActionUpdate.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/vcl/actions/ActionList.h"
#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/menus/MenuItem.h"

namespace {

TBasicAction* LinkedAction(TComponent* Component) {
    if (auto* control = dynamic_cast<TControl*>(Component)) return control->GetAction();
    if (auto* item = dynamic_cast<TMenuItem*>(Component)) return item->GetAction();
    return nullptr;
}

}  // namespace

void UpdateFormActions(TCustomForm* Form) {
    std::vector<TBasicAction*> actions;
    auto add = [&](TBasicAction* action) {
        if (action && std::find(actions.begin(), actions.end(), action) == actions.end())
            actions.push_back(action);
    };
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent* component = Form->Components(i);
        if (auto* list = dynamic_cast<TActionList*>(component))
            for (int k = 0; k < list->ActionCount(); ++k) add(list->Actions(k));
        add(LinkedAction(component));
    }
    // A handler may free an action of the list, or the form.
    std::vector<std::unique_ptr<TComponentGuard>> guards;
    for (TBasicAction* action : actions)
        guards.push_back(std::make_unique<TComponentGuard>(action));
    TComponentGuard formGuard(Form);
    for (auto& guard : guards) {
        if (!formGuard.Exists()) return;
        if (!guard->Exists()) continue;
        auto* action = static_cast<TBasicAction*>(guard->Component());
        if (auto* contained = dynamic_cast<TContainedAction*>(action);
            contained && contained->Suspended())
            continue;
        action->IdleUpdate();
    }
}

void UpdateActionsOfShownForms() {
    const std::vector<TCustomForm*> forms = TCustomForm::Forms();
    for (TCustomForm* form : forms) {
        const auto& now = TCustomForm::Forms();
        if (std::find(now.begin(), now.end(), form) == now.end()) continue;
        if (form->Showing()) UpdateFormActions(form);
    }
}
