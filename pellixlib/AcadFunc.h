#pragma once
// The library's utility unit: text, file, registry and window routines, and the protocols by
// which it types into the CAD, chooses its menu commands and clicks its dialogs.
#include "pellixlib/AcadFunc_Files.h"
#include "pellixlib/AcadFunc_Menus.h"
#include "pellixlib/AcadFunc_Registry.h"
#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadFunc_Typing.h"
#include "pellixlib/AcadFunc_Windows.h"
