#pragma once
// The shoulder offset widths kept with their stations across a rebuild of the station list,
// which adds, drops and reorders stations and does not carry the offset table itself.
#include <array>
#include <string>
#include <vector>

namespace 縦断bus {

class StationWidths {
public:
    struct Row {
        float station;
        std::array<float, 10> widths; // rokatadata columns 1..9
        int source = 0;               // where the row came from: a sheet row, or 0
    };

    // The stations of the current list (tatedata column 1) with their widths (rokatadata).
    static StationWidths Take();
    // Stations with their widths from elsewhere, such as the rows of the shoulder sheet.
    static StationWidths Of(std::vector<Row> rows);

    struct Outcome {
        bool listChanged = false;
        std::vector<Row> lost; // rows with a width whose station is not in the current list
    };
    // Gives every station of the current list the widths of the row at the same chainage (the
    // nearest within the 0.04 m the rebuild merges), 0 where there is none, and its station in
    // column 5 (0 for a row without a station).
    Outcome GiveToCurrentList() const;
    // The same after a rebuild of the list from the taken one: nothing changes when the list
    // is the one taken.
    Outcome CarryToCurrentList() const;

    // What the user is told of a changed list; empty when it did not change.
    static std::string Notice(const Outcome& outcome);
    // The stations whose widths are gone; empty when none is.
    static std::string LossNotice(const Outcome& outcome);

private:
    const Row* Nearest(float station) const;
    std::vector<Row> rows_;
};

} // namespace 縦断bus
