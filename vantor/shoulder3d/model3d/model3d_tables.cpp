#include "vantor/shoulder3d/model3d/model3d_tables.h"

namespace 縦断bus {

void ResetModel3d() {
    d3hidarizsakuzu.Fill(0);
    d3migizsakuzu.Fill(0);
    d3sokutenz.Fill(0);
    d3tensuu.Fill(0);
    d3sokutensuu = 0;
    d3kyori = 0;
    d3bangou = d3sokuten = d3kukan = 0;
    d3x = d3y = 0;
    d3hidarifukuin.Fill(0);
    d3migifukuin.Fill(0);
    d3hidarikoubai = d3migikoubai = 0;
    d3keikakudaka = 0;
    d3hojox.Fill(0);
    d3hojoy.Fill(0);
}

} // namespace 縦断bus
