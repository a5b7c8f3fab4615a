#pragma once
// The profile rows of the document: read from the profile sheet, or empty rows to type into.

namespace 縦断bus {

// The profile of a document without stations: 100 empty rows, as New makes them.
void EmptyProfileRows();
// The profile sheet read into the profile table; a sheet without any station gives the empty
// rows of a new document, so that a new document saved unchanged opens the same again.
void ReadProfileRows();

} // namespace 縦断bus
