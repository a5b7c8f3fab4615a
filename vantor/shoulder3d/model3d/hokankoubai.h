#pragma once
// Cross slopes [%] at chainage d3kyori into d3hidarikoubai and d3migikoubai, from the change
// points of the last cross-slope run (hidarikijun* / migikijun*, in row order): linear between
// the first pair of consecutive change points that holds the chainage, extended along the
// first or the last pair before and beyond them; rounded to four decimals. A side that has no
// pair to decide by (fewer than two change points, or a pair at one station) keeps the slope
// it had; the model draws no edge on a side with fewer than two change points.
namespace 縦断bus {

void hokankoubai();

} // namespace 縦断bus
