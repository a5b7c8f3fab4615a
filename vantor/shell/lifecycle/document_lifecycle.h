#pragma once
// The commands that make, open, re-read, save and let go of the document workbook.
#include "vantor/shell/lifecycle/lifecycle_messages.h"

#include <functional>

namespace 縦断bus {

// New: a workbook of seven formatted sheets and 100 empty stations. The held workbook is
// reused; a new one starts with empty tables. Unsaved changes are asked about first.
void shinki();
// Open: a workbook chosen in the open dialog, read into the tables and computed. Nothing
// changes when the dialog is cancelled or the file cannot be read completely. Unsaved
// changes of the held document are asked about before another file replaces it.
void hiraku();
// Reload: the profile sheet of the held workbook read again and computed.
void yomikomi();
// Save: the tables written into the held workbook, which is saved under the name chosen in
// the save dialog.
void hozon();
// End: when the document's workbook holds changes not saved, asks whether to save them
// (yes: Save, and the program ends only once it has saved; no: they are dropped; cancel:
// nothing happens). Then the CAD running in the program ends with it, asking about its own
// unsaved drawing (CadMayEnd); the program stays when the CAD stays. Then lets go of a
// workbook that came from Open and ends the program. False when the program keeps running.
bool shuuryou();

// Ends the CAD that runs in the program's process as the program ends, the CAD asking about
// its unsaved drawing; false when the CAD stays (the user went on drawing). Set at start-up.
inline std::function<bool()> CadMayEnd;

// Before the document is let go of (End, New, Open of another file): when the held workbook
// has changes not saved, asks whether to save them first, as a spreadsheet asks. True when
// the caller may go on: nothing to save, the user chose not to save, or Save succeeded.
bool MayLetGoOfChanges(const lifecycle_messages::LettingGo& what);

// Lets go of a workbook that came from Open, telling the spreadsheet to quit; a workbook made
// by New is kept. Afterwards no workbook is held, so the next New makes one.
void ReleaseOpenedWorkbook();

} // namespace 縦断bus
