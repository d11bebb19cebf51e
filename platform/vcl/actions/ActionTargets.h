#pragma once
// Where an action without a handler of its own looks for a target: the focused control of
// the active form (of its active MDI child first), the form itself, then every visible
// control of the form.
class TBasicAction;
class TCustomForm;

// The form whose controls an action acts on: the active one, else the main form.
TCustomForm* ActionTargetForm();
// Offers Action to the targets in turn (ExecuteAction, or UpdateAction when Update is set);
// true when one took it.
bool DispatchActionToTargets(TBasicAction* Action, bool Update);
