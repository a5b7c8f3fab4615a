#pragma once
// Row recount of the profile table for a document made by New.

namespace 縦断bus {

// Trims `sokutensuu` to the rows above the first row without a station, so that the
// computations and the transfer skip the empty tail of a new document. A document read by
// Open keeps the count its reader found (gaps included).
void kazoetate();

} // namespace 縦断bus
