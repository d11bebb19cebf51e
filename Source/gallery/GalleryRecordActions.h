#pragma once
// The records window's menu and tool bar: a "Record" menu in the skinned frame's menu bar
// and a tool bar below the grid, both on the data-set actions, beside the navigator. The
// actions find the data set through the focused data-aware control.
#include <functional>
#include <string>

class TForm;
class TWinControl;
class TskForm;

void AddRecordActions(TForm* Form, TskForm* Frame, TWinControl* Body, int ToolBarTop,
                      const std::function<void(const std::string&)>& Log);
