#pragma once
// The library's unit of CAD products: the product table and installation records, settings,
// profiles and SDIMode, the PATH set-up, and the window map and run index of running CADs.
#include "pellixlib/AcadVInf_Install.h"
#include "pellixlib/AcadVInf_Path.h"
#include "pellixlib/AcadVInf_Products.h"
#include "pellixlib/AcadVInf_Prompt.h"
#include "pellixlib/AcadVInf_RunIndex.h"
#include "pellixlib/AcadVInf_Settings.h"
#include "pellixlib/AcadVInf_TextWindow.h"
#include "pellixlib/AcadVInf_Windows.h"
