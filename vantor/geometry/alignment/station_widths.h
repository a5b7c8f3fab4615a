#pragma once
// The shoulder offset widths keep to their stations when the plan command rebuilds the station
// list (it adds, drops and reorders stations, and the offset table is not carried by the
// rebuild itself).
#include <array>
#include <string>
#include <vector>

namespace 縦断bus {

class StationWidths {
public:
    // The stations of the current list (tatedata column 1) with their widths (rokatadata).
    static StationWidths Take();

    struct Outcome {
        bool listChanged = false;
        std::vector<float> lostStations;   // taken stations with a width that are no longer listed
    };
    // Gives every station of the current list the widths of the taken station at the same
    // chainage (the nearest within the 0.04 m the rebuild merges), 0 where there is none, and
    // its station in column 5. Nothing changes when the list is the one taken.
    Outcome CarryToCurrentList() const;

    // What the user is told of a changed list; empty when it did not change.
    static std::string Notice(const Outcome& outcome);
    // The stations whose widths are gone; empty when none is.
    static std::string LossNotice(const Outcome& outcome);

private:
    struct Row {
        float station;
        std::array<float, 10> widths;   // rokatadata columns 1..9
    };
    const Row* Nearest(float station) const;
    std::vector<Row> rows_;
};

} // namespace 縦断bus
