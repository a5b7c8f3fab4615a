#pragma once
// One shoulder offset line sent to the CAD, interval by interval between consecutive plan
// stations: nothing where a width of either station is 0, an arc about the curve's centre
// where both widths are equal and one curve holds the whole interval, a line otherwise. The
// points are those keisanrokatasen left.
namespace 縦断bus {

// Line k (0..7, as OffsetLineOf).
void DrawOffsetLine(int k);

} // namespace 縦断bus
