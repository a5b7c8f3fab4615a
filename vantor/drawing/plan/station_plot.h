#pragma once
// The single-station plot of the drawing screen: one chainage typed in metres, drawn as a
// circle of the plan drawing's size with its chainage label along the station's left normal.
// The plan point is computed in a scratch entry of the station tables that is put back
// afterwards, so the stations, the end of the road and everything the plan, shoulder and 3D
// drawings read stay as they were.
namespace 縦断bus {

// Whether a plan drawing has taken the sizes to plot with; tells the user when not.
bool ReadyToPlotStation();

// Sends the circle and the label of the station at `metres` (inside cad_channel::RunDrawing).
void PlotStation(double metres);

} // namespace 縦断bus
