#pragma once
// The CADs running on the desktop, by their main (text) windows, with the one that owns the
// foreground (FActiveWnd) and the one to use when none does (FLastWnd).
#include "pellixlib/AcadFunc_Windows.h"

namespace pellix {

class TAcadRunIndex : public TWindowList {
public:
    // Rebuilds the list; the number of running CADs.
    int Refresh();
};

// The process-wide run index; none before the unit is initialised.
TAcadRunIndex* AcadRunIndex();

// The unit's start and end, counted: the first start resets the installation records, probes
// every product and builds the run index; the last end frees it.
void InitAcadVInf();
void DoneAcadVInf();

} // namespace pellix
