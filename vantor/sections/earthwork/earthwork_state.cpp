#include "vantor/sections/earthwork/earthwork_state.h"

namespace 縦断bus {

void ResetEarthwork() {
    danmenbangou = 0;
    for (auto* t : {&genkyouhidarisuu, &genkyoumigisuu, &kirimorihidarisuu, &kirimorimigisuu}) t->Fill(0);
    for (auto* t : {&kiridomenseki, &moridomenseki, &umemodoshimenseki}) t->Fill(0);
    mensekiflg = dotsubobangou = mensekisayuu = 0;
    kirimen = morimen = jouhoukirimen = 0;
    for (auto* t : {&genkyoux, &genkyouy, &kirimorix, &kirimoriy, &kussakux, &kussakuy, &kussakuhidarix,
                    &kussakuhidariy, &kussakumigix, &kussakumigiy, &genkyousenhidarix, &genkyousenhidariy,
                    &genkyousenmigix, &genkyousenmigiy})
        t->Fill(0);
    genkyousaishuu = kirimoritensuu = genkyousenhidarisaishuu = genkyousenmigisaishuu = 0;
    kirimorisenhidari.Fill(0);
    kirimorisenmigi.Fill(0);
    norikitenx = norikiteny = kirinori = morinori = norikoubai = noriseppen = norijirix = 0;
    norishurui.clear();
    norikousaflg = 0;
    eikyoukitenx = eikyoukiteny = eikyoukoubai = eikyouseppen = 0;
    eikyouflg = 0;
    eikyoukousax = eikyoukousay = 0;
    sokuteneikyoukousax.Fill(0);
}

} // namespace 縦断bus
