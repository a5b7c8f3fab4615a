#include "vantor/shoulder3d/model3d/追加作図.h"

#include "vantor/model/bus/model3d_tables.h"
#include "vantor/shoulder3d/model3d/model_lines.h"

namespace 縦断bus {

namespace {

void WidthPair(int i, int s) {
    const ModelPoint centre = CentrePoint(i, s);
    SendModelLineIfWhole({d3hidarix(i, s), d3hidariy(i, s), d3hidarizsakuzu(i, s)}, centre);
    SendModelLineIfWhole({d3migix(i, s), d3migiy(i, s), d3migizsakuzu(i, s)}, centre);
}

} // namespace

void sakuzufukuinzenten() {
    const int n = d3sokutensuu;
    for (int i = 1; i <= n - 1; ++i) {
        const int last = d3tensuu(i);
        for (int s = 0; s <= last; ++s) WidthPair(i, s);
    }
    if (n >= 1) WidthPair(n, 0);
}

void sakuzufukuinsokuten() {
    const int n = d3sokutensuu;
    for (int i = 1; i <= n; ++i) WidthPair(i, 0);
}

void sakuzutakasa() {
    const int n = d3sokutensuu;
    for (int i = 1; i <= n; ++i) {
        const std::string x = rt::CStr(d3chuushin(i, 0, chuushin_col::kX)),
                          y = rt::CStr(d3chuushin(i, 0, chuushin_col::kY));
        cad_channel::Send("LINE " + x + "," + y + ",0 " + x + "," + y + "," + rt::CStr(d3sokutenz(i)) + " ");
    }
}

} // namespace 縦断bus
