#pragma once
// Everything the window manager offers, in one include.
#include "platform/win/Dce.h"
#include "platform/win/Gdi.h"
#include "platform/win/Input.h"
#include "platform/win/Message.h"
#include "platform/win/Messages.h"
#include "platform/win/ModuleFileName.h"
#include "platform/win/Painting.h"
#include "platform/win/Scroll.h"
#include "platform/win/SysParams.h"
#include "platform/win/Timer.h"
#include "platform/win/WinDefs.h"
#include "platform/win/Window.h"
