#pragma once
// The records window's fields of the current command shown by the skinned data-aware
// edit, memo and lookup list (each list with a linked skinned scroll bar), check box and
// radio group.
class TComponent;
class TDataSource;
class TWinControl;

// Puts the controls on Panel from Top down; Verbs lists the verbs by code and title.
void AddRecordFields(TComponent* Owner, TWinControl* Panel, int Top, TDataSource* Commands,
                     TDataSource* Verbs);
