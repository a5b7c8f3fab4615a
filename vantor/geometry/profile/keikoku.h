#pragma once
// The vertical-curve checks and the other refusals of the profile input. Each one clears the
// eight lines of the warning screen, writes its explanation there and sets keikokuflg; showing
// the screen is the caller's part.

#include <string>

namespace 縦断bus {

// Sets the eight lines to one blank each.
void keikokukuria();
// Edit check of a stored grid cell: refuses a curve on the first or last station row and one
// on a row where the reference line does not change its gradient.
void kakuninkyokusen();
// Curve i, on change point j, does not fit between change points j - 1 and j + 1; vcbflg and
// vceflg say which end is too far out.
void keikokunagasugi(int i, int j);
// The last curve appended overlaps the one before it.
void keikokukousa();

// Refusals of input the profile tables cannot take.
void WarnChangePointOrder(float before, float after);
void WarnTooManyChangePoints(int limit);
void WarnTooManyCurves(int limit);
void WarnCurveAtEnd(float station, bool first);
void WarnNegativeCurveLength(float station, float length);
void WarnPlannedLineTooLong(int metres);

} // namespace 縦断bus
