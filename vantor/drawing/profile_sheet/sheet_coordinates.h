#pragma once
// Chainages and heights in sheet millimetres, each computed in the precision the sheet's
// lines print it in: the difference of two single-precision stations stays single, the
// division by a box's number is double.
#include "vantor/drawing/profile_sheet/sheet_state.h"
#include "vantor/model/bus/profile_tables.h"

namespace 縦断bus::profile_sheet {

// The first drawn station [m].
inline float FirstStation() { return tatedata(1, tate_col::kStation); }
// x of a chainage [m].
inline double X(float station) { return static_cast<float>((station - FirstStation()) * 1000.0f) / boxes.SH; }
// x of a chainage held in millimetres (bcsokuten, ecsokuten).
inline double Xmm(float chainage) { return static_cast<float>(chainage - FirstStation() * 1000.0f) / boxes.SH; }
// y of a height [m].
inline double Y(double height) { return (height - boxes.DL) * 1000 / boxes.SV; }

// Band boundaries b(0) = -50, b(k) = b(k-1) - obitakasazu(k), single precision.
float BandBottom(int k);
// The middle height of band k.
inline double BandMiddle(int k) { return (static_cast<double>(BandBottom(k - 1)) + BandBottom(k)) / 2; }

} // namespace 縦断bus::profile_sheet
