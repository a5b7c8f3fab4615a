#pragma once
// Plan position of any chainage on the horizontal alignment (IP method: straights and circular
// curves) with two auxiliary points hojokyori before and after it, whose difference points
// towards increasing chainage. The station placement (keisansokutenzahyou) and the 3D model's
// sub-points run the same steps; they differ in the options below. The alignment must have
// been computed. The working values wk* and sayuumoji are left as the last placement set them.
#include <array>

namespace 縦断bus {

struct PlanPoint {
    float x = 0, y = 0;
    std::array<float, 3> auxX{}, auxY{}; // 1: at chainage - hojokyori, 2: at + hojokyori
};

struct PlanPointOptions {
    // A chainage exactly at a curve's start lies on the curve (stations) or on the straight
    // before it (the 3D model); both give the BC.
    bool curveStartOnCurve = true;
    // A point on a curve records the curve's side in sayuu (stations); otherwise only in
    // sayuumoji.
    bool recordSide = true;
};

// Places `chainage` [mm] into `point`. Chainages before the start lie on the first leg
// continued backwards, those at or after the last EC on the last leg. A curve whose incoming
// leg has no direction (no state yet) leaves `point` as it was. True when the chainage lies at
// or after the last EC.
bool PlacePlanPoint(double chainage, PlanPoint& point, const PlanPointOptions& options = {});

// The direction [radians from +X toward +Y] in which the chainage grows at `chainage` [mm],
// worked in double precision from the element that holds it (elements as PlacePlanPoint finds
// them): the bearing of the leg on a straight, on a curve the incoming leg's bearing turned
// toward the inside by the arc length from the BC over the radius. Unlike a direction taken
// from the single-precision auxiliary points it stays exact far from the origin.
double PlanBearing(double chainage);

// Direction state wkshougen of a run (dx, dy): 1-4 the quadrants counter-clockwise from +X +Y,
// 5/6 straight up/down, 7/8 straight right/left; (0, 0) leaves it as it was.
void SetDirectionState(float dx, float dy);

} // namespace 縦断bus
