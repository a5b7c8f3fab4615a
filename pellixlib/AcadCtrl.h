#pragma once
// The library's unit of the control: TAcadControl with its properties, events and monitor,
// the wait callbacks and wait procedures, the shared face bitmap and the enumerations.
#include "pellixlib/AcadCtrl_AcadTypes.h"
#include "pellixlib/AcadCtrl_Control.h"
#include "pellixlib/AcadCtrl_Errors.h"
#include "pellixlib/AcadCtrl_Events.h"
#include "pellixlib/AcadCtrl_FormImage.h"
#include "pellixlib/AcadCtrl_WaitCallbacks.h"
