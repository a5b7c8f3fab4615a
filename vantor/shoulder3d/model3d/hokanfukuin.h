#pragma once
// Widths at chainage d3kyori of interval d3sokuten into element d3bangou of d3hidarifukuin and
// d3migifukuin [mm]: linear between the widths of the interval's two stations (yokodata
// columns 2 left, 9 right). At a station its own width counts; between two stations a side
// whose width is empty at either of them gets the empty value 99999. The two stations must
// lie at different chainages.
namespace 縦断bus {

void hokanfukuin();

} // namespace 縦断bus
