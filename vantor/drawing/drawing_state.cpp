#include "vantor/drawing/drawing_state.h"

namespace 縦断bus {

void ResetDrawingState() {
    ddeflg = 0;
    obitakasa.Fill(0);
    taitorusaizu = mojisaizu = suujisaizu = 0;
    saishoudaka = saidaidaka = dlchi = 0;
    hosousuu = 0;
    obimoji.Fill({});
}

} // namespace 縦断bus
