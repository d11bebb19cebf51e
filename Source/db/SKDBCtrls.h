#pragma once
// The skinned data-aware controls, every part of them.
#include "Source/db/SKDBCheck.h"
#include "Source/db/SKDBCombos.h"
#include "Source/db/SKDBEdits.h"
#include "Source/db/SKDBGrid.h"
#include "Source/db/SKDBLists.h"
#include "Source/db/SKDBNavigator.h"
