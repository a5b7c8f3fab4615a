#pragma once
// The plan points of the eight shoulder offset lines: for every plan station 1..
// heimensokutensuu, the point each line's width away from the station point along the left or
// right normal of the alignment there (the direction rules of the plan's station labels).
// A width of 0 gives the station point itself. Leaves the direction of the last station in
// the shared scratch values wkshougen, wkhoukoukaku, wkhidarikaku and wkmigikaku.
namespace 縦断bus {

void keisanrokatasen();

} // namespace 縦断bus
