#pragma once
// The profile computation: change points, tangent gradients, parabolic vertical curves and,
// for every station row, the planned height (column 5), planned minus ground (column 6) and
// the gradient in percent (column 7) of tatedata.

namespace 縦断bus {

enum class ProfileOutcome {
    Computed,      // columns 5 to 7 hold the planned line of the current input
    NoPlannedLine, // fewer than two change points: nothing to compute and nothing to warn of
    Stopped,       // refused with a warning on the warning screen's lines (keikokuflg = 1)
};

// Recomputes the profile from tatedata columns 1 to 4. keikokuflg starts at 0 and is 1 only
// when this run stopped. Input the tables cannot take, a negative curve length, overlapping
// curves and a curve that does not fit between its neighbouring change points stop it. When
// it did not compute, columns 5 to 7 of every row are emptied, so that no planned height of
// earlier input is shown or transferred; the change-point and curve lists are then partial.
// Commands outside the grid tell the user with TellProfileStopped (警告表示画面.h).
ProfileOutcome keisantate();

} // namespace 縦断bus
