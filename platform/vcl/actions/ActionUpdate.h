#pragma once
// Actions are updated while the program is idle: every action of the action lists a shown
// form owns, and every action a component of the form is linked to, once per idle pass.
class TCustomForm;

void UpdateFormActions(TCustomForm* Form);
void UpdateActionsOfShownForms();
