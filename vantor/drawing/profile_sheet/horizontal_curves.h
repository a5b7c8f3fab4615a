#pragma once
// The horizontal curves in band 10: a bracket over each curve whose BC lies within the drawn
// stations (above the middle line for a right curve, below for a left one), the straights
// between them, and their data texts.
#include <string>

namespace 縦断bus::profile_sheet {

// Whether the BC of the curve at IP j lies within the drawn stations.
bool CurveInside(int j);
void SendCurveBand();
// The curve data of IP j: "I=… T.L= …m C.L= …m R= … m", the values rounded for the text
// only (the alignment tables keep theirs).
std::string CurveDataText(int j);

} // namespace 縦断bus::profile_sheet
