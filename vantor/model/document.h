#pragma once
// The document: one workbook of the spreadsheet, held from New or Open until it is let go.
// Every sheet formatter, reader and writer fetches its sheet by name through xlsheets.
#include "platform/workbook/workbook.h"

#include <memory>

namespace 縦断bus {

inline std::shared_ptr<xl::Workbook> xlbook; // the document workbook; empty when none is held
inline std::shared_ptr<xl::Sheets> xlsheets; // its worksheet collection
// One more at every New and every Open that succeeds: a screen that keeps what it showed of a
// document sees by it that the document is another, also when New keeps the workbook.
inline int documentNumber = 0;

// True while a workbook is held.
bool HasDocument();
// Drops both references; the spreadsheet is not told anything.
void ReleaseDocument();
// The user changed data that Save writes into the workbook (a typed cell, an inserted row):
// the held workbook now counts as holding unsaved changes, so End, New and Open ask first.
void MarkDocumentChanged();

} // namespace 縦断bus
