// The class layer of the window code, all headers at once.
#pragma once
#include "platform/ui/UiApp.h"
#include "platform/ui/UiControls.h"
#include "platform/ui/UiDialog.h"
#include "platform/ui/UiGdi.h"
#include "platform/ui/UiGeometry.h"
#include "platform/ui/UiMenu.h"
#include "platform/ui/UiMessageBox.h"
#include "platform/ui/UiMessageMap.h"
#include "platform/ui/UiString.h"
#include "platform/ui/UiWnd.h"
