#pragma once
// Moves and turns the whole CAD drawing into site coordinates: MOVE of everything by the fit's
// shift (metres → the drawing's millimetres), then ROTATE of everything about the origin by the
// fit's angle in degrees (counter-clockwise), typed over the command channel to the CAD:
// the drawing then lies where the point conversion puts its points.
#include <string>
#include <vector>

namespace 縦断bus::coordinates {

// The eight command lines, each sent with its carriage return; the selection answers "ALL"
// carry one more carriage return that ends the selection.
std::vector<std::string> CadAxisLines(double p3, double p4, double degrees);

// Sends the lines, each built in komando first. False when the link could not be opened or the
// CAD refused a line (the user has been told).
bool SendCadAxisTransform(double p3, double p4, double degrees);

} // namespace 縦断bus::coordinates
