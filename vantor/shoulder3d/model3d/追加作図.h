#pragma once
// The additional lines of the 3D model, drawn from the tables of the last model built (stations
// 1..d3sokutensuu): width lines from each edge point to the centre point (edges at their drawn
// heights), and a height line at every station from the datum plane up to the centre line.
// Each runs inside cad_channel::RunDrawing; edge points left out of the model get no line.
namespace 縦断bus {

// Width lines at every sub-point and every station, the last one included.
void sakuzufukuinzenten();
// Width lines at the stations only.
void sakuzufukuinsokuten();
// Height lines: "LINE x,y,0 x,y,Z" at every station.
void sakuzutakasa();

} // namespace 縦断bus
