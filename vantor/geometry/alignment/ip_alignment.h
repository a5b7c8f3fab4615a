#pragma once
// The horizontal alignment by the IP method: from the polygon ipx/ipy with the radii iphankei it
// computes leg lengths, intersection angles, tangent and curve lengths, BC/EC points, curve
// centres, leg directions, the pieces rounded to 10 mm and the chainages.
#include <array>
#include <string>

namespace 縦断bus {

struct IpAlignmentResult {
    enum class Status {
        Computed,        // every result is current
        Refused,         // input the alignment cannot take; no table was touched
        ParallelNormals, // legs, angles, BC/EC and totals are current; centres up to the
                         // faulty IP; directions and chainages were left as they were
    };
    Status status = Status::Computed;
    std::string message;               // what to tell the user when not Computed
    std::array<bool, 51> unitCosine{}; // IP i had a cosine of ±1: angle 0, no angle cell
};

IpAlignmentResult ComputeIpAlignment();

// Name of alignment point p as the user knows it: 起点, IP1.., 終点.
std::string AlignmentPointName(int p);

} // namespace 縦断bus
