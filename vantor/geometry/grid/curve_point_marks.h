#pragma once
// The BC/EC marks of the station column: a station whose text is the chainage of an IP's BC
// or EC shows as "B.C k (station)" / "E.C k (station)". The profile grid and the shoulder grid
// mark their stations by the same rule.
#include <string>
#include <unordered_map>

namespace 縦断bus {

class CurvePointMarks {
public:
    // The chainage texts of the current alignment, built once for a whole fill; no marks
    // until the alignment has been computed (ipkeisanflg = 1).
    static CurvePointMarks OfAlignment();

    // The marked text of a station text, or the text itself. IP k is tried in ascending
    // order, its BC before its EC; the first that matches marks it.
    std::string Mark(const std::string& station) const;

private:
    std::unordered_map<std::string, std::string> marked_; // station text -> its mark
};

} // namespace 縦断bus
