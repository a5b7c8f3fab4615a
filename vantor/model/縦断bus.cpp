#include "vantor/model/縦断bus.h"

#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/cross_slope_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/earthwork_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/profile_graph_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/document.h"
#include "vantor/model/drawing_settings.h"

namespace 縦断bus {

void ResetState() {
    bukkujoutai = 0;
    xlshuuryouflg = 0;
    fairumei.clear();
    hirakuflg = 0;
    ketasuu = 0;
    xhyouji.clear();
    yhyouji.clear();
    koubaisetteiflg = 0;
    ipkeisanflg = 0;

    sokutensuu = 0;
    tatedata.Fill(0);
    henkatensuu = 0;
    for (auto* t : {&xb, &yb, &vcxb, &vcyb, &lv, &vcb, &vce}) t->Fill(0);
    koubai.Fill(0);
    kyokusensuu = 0;
    koubaitemae.Fill(0);
    koubaiushiro.Fill(0);
    keisuua.Fill(0);
    keisuub.Fill(0);
    keisuuc.Fill(0);
    keikakusensuu = 0;
    keikakusenx.Fill(0);
    keikakuseny.Fill(0);
    wka = wkb = wkc = wkgyou = 0;
    yuukousokutensuu = kakuteihenkatensuu = vcbflg = vceflg = 0;
    keikokuflg = henshuugyou = 0;
    henshuuretsu = keikokugyou = keikokuretsu = 0;

    yokodata.Fill(0);
    yokosakuzudata.Fill({});
    rokatadata.Fill(0);
    for (auto* t : {&l1hidarix, &l1hidariy, &l2hidarix, &l2hidariy, &l3hidarix, &l3hidariy, &l4hidarix,
                    &l4hidariy, &l1migix, &l1migiy, &l2migix, &l2migiy, &l3migix, &l3migiy, &l4migix, &l4migiy})
        t->Fill(0);

    ipsuu = 0;
    for (auto* t : {&ipx, &ipy, &iphankei, &ipkyori, &koukaku, &setsusenchou, &kyokusenchou,
                    &chuushinx, &chuushiny, &katamuki, &iptsuikakyori, &bcsokuten, &ecsokuten, &sayuu})
        t->Fill(0);
    bczahyou.Fill(0);
    eczahyou.Fill(0);
    kukanchou.Fill(0);
    saishochokusen = 0;
    chokusengoukei = kyokusengoukei = souenchou = 0;
    wkcos = wkbckatamuki = wkeckatamuki = wkbcseppen = wkecseppen = wkkyori = 0;

    sokutenbangou = 0;
    sokutenkyori.Fill(0);
    sokutenx.Fill(0);
    sokuteny.Fill(0);
    heimensokutensuu = 0;
    hojokyori = 0;
    hojox.Fill(0);
    hojoy.Fill(0);
    sayuumoji.clear();
    wkipbangou = 0;
    wkyousokyori = wkhenkaku = wkgenchou = wkhoukoukaku = wkhidarikaku = 0;
    wkshougen = 0;
    for (auto* t : {&wkhojoyousokyori, &wkhojohenkaku, &wkhojogenchou, &wkhojohoukou}) t->Fill(0);

    danmensuu = 0;
    danmenbangou = 0;
    for (auto* t : {&kiridomenseki, &moridomenseki, &umemodoshimenseki}) t->Fill(0);
    for (auto* t : {&genkyouhidari, &genkyoumigi, &kirimorihidari, &kirimorimigi}) t->Fill({});
    for (auto* t : {&genkyouhidarisuu, &genkyoumigisuu, &kirimorihidarisuu, &kirimorimigisuu}) t->Fill(0);
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
    tatemoji.Fill({});
    zahyoudata.Fill(0);
    zahyousuu = 0;
    for (auto* t : {&d3hidarix, &d3hidariy, &d3hidariz, &d3migix, &d3migiy, &d3migiz}) t->Fill(0);
    d3chuushin.Fill(0);
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
    ddeflg = 0;
    obitakasa.Fill(0);
    taitorusaizu = mojisaizu = suujisaizu = 0;
    saishoudaka = saidaidaka = dlchi = 0;
    hosousuu = 0;
    obimoji.Fill({});
    mojidaka = 0;
    enkei = mojiichi = 0;
    planSettings = kPlanStart;
    sectionSettings = kSectionStart;
    stationListSettings = {};
    for (auto* t : {&fukuinhidarix, &fukuinhidariy, &fukuinmigix, &fukuinmigiy}) t->Fill(0);
    mojix = mojiy = 0;
    wkmigikaku = 0;
    for (auto* t : {&hidarikijunsokuten, &hidarikijunkoubai, &migikijunsokuten, &migikijunkoubai,
                    &hidariyokokoubai, &migiyokokoubai})
        t->Fill(0);
    hidarikijunsuu = migikijunsuu = 0;
    komando.clear();
    ResetGurafu();
    ReleaseDocument();
}

void ResetGurafu() {
    gurafusokuten.Fill(0);
    gurafujiban.Fill(0);
    gurafukeikaku.Fill(0);
    gurafusuu = 0;
    gurafukeikakusen = false;
    gurafuxmin = gurafuxmax = gurafuymin = gurafuymax = 0;
    zentaixmin = zentaixmax = zentaiymin = zentaiymax = 0;
    xmemori = ymemori = 0;
    memorixmin = memorixmax = memoriymin = memoriymax = 0;
}

} // namespace 縦断bus
