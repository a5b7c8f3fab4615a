#pragma once
// The library's engine unit: the attached CAD instance with its command sequences, the
// asynchronous command queue and its worker, and the process-wide wait callback.
#include "pellixlib/AcadUnit_Async.h"
#include "pellixlib/AcadUnit_Object.h"
#include "pellixlib/AcadUnit_Texts.h"
#include "pellixlib/AcadUnit_Wait.h"
