#pragma once
// The planned line sampled every 1 m from the first to the last station, for the profile
// graph and the profile drawing: keikakusenx / keikakuseny, samples 0 .. keikakusensuu.

namespace 縦断bus {

// Runs after keisantate. Returns false, with nothing written, when there is no planned line
// (the profile did not compute or has no station) or, with a warning (keikokuflg = 1, which
// is 0 otherwise), when the samples would not fit the tables.
bool keisankeikakusen();

} // namespace 縦断bus
