#pragma once
// The skinned data-aware controls, every part of them.
#include "Source/db/SKDBCheck.h"
#include "Source/db/SKDBEdits.h"
#include "Source/db/SKDBLists.h"
