#pragma once
// The texts of the shoulder offset grid: how a table value shows, the curve-point labels of
// the station column, and what a typed cell text stores.
#include <string>

namespace 縦断bus::offset_table_text {

inline constexpr int kStationColumn = 4; // grid column of the station (table column 5)

// A value of table column `gridColumn` + 1, rounded to ketasuu decimals (2, otherwise 3); a
// width of 0 and the empty marker show empty, a station of 0 shows 0.
std::string CellText(float value, int gridColumn);

// "B.C j (text)" or "E.C j (text)" when `text` is the chainage text [m] of the BC or EC of a
// curve j = 1..ipsuu (the first that matches, BC before EC); otherwise `text` itself.
std::string WithCurveLabel(const std::string& text);

// What a typed cell text stores in the table.
struct Entry {
    bool accepted = false;
    float value = 0;
    std::string refusal; // why the text was refused, for the user
};
// A blank text stores 0; a number stores the number it begins with. In the station column a
// text beginning with "B" or "E" names the BC or EC of curve j (characters 4 to 6, "B.C 3" or
// the label "B.C 3 (123.45)") and stores its chainage [m]. Anything else is refused.
Entry Read(const std::string& text, int gridColumn);

} // namespace 縦断bus::offset_table_text
