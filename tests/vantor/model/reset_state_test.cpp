// ResetState puts every variable of the computation unit back: each one is changed in turn and
// must read as after a reset again. The list is checked against the header, so that a variable
// added there fails here until it is listed (and reset).
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
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <type_traits>

namespace {

// Every variable declared in the table headers of 縦断bus.h.
#define VANTOR_EACH_STATE_VARIABLE(X) \
    X(bukkujoutai) X(xlshuuryouflg) X(fairumei) X(hirakuflg) X(ketasuu) X(xhyouji) X(yhyouji) \
    X(koubaisetteiflg) X(ipkeisanflg) X(sokutensuu) X(tatedata) X(henkatensuu) X(xb) X(yb) X(koubai) \
    X(kyokusensuu) X(vcxb) X(vcyb) X(lv) X(vcb) X(vce) X(koubaitemae) X(koubaiushiro) X(keisuua) X(keisuub) \
    X(keisuuc) X(keikakusensuu) X(keikakusenx) X(keikakuseny) X(wka) X(wkb) X(wkc) X(wkgyou) \
    X(yuukousokutensuu) X(kakuteihenkatensuu) X(vcbflg) X(vceflg) X(keikokuflg) X(henshuugyou) X(henshuuretsu) \
    X(keikokugyou) X(keikokuretsu) X(gurafusokuten) X(gurafujiban) X(gurafukeikaku) X(gurafusuu) \
    X(gurafukeikakusen) X(gurafuxmin) X(gurafuxmax) X(gurafuymin) X(gurafuymax) X(zentaixmin) X(zentaixmax) \
    X(zentaiymin) X(zentaiymax) X(xmemori) X(ymemori) X(memorixmin) X(memorixmax) X(memoriymin) X(memoriymax) \
    X(yokodata) X(yokosakuzudata) X(rokatadata) X(l1hidarix) X(l1hidariy) X(l2hidarix) X(l2hidariy) \
    X(l3hidarix) X(l3hidariy) X(l4hidarix) X(l4hidariy) X(l1migix) X(l1migiy) X(l2migix) X(l2migiy) X(l3migix) \
    X(l3migiy) X(l4migix) X(l4migiy) X(ipsuu) X(ipx) X(ipy) X(iphankei) X(ipkyori) X(koukaku) X(setsusenchou) \
    X(kyokusenchou) X(bczahyou) X(eczahyou) X(chuushinx) X(chuushiny) X(katamuki) X(kukanchou) \
    X(saishochokusen) X(iptsuikakyori) X(bcsokuten) X(ecsokuten) X(sayuu) X(chokusengoukei) X(kyokusengoukei) \
    X(souenchou) X(wkcos) X(wkbckatamuki) X(wkeckatamuki) X(wkbcseppen) X(wkecseppen) X(wkkyori) \
    X(sokutenbangou) X(sokutenkyori) X(sokutenx) X(sokuteny) X(heimensokutensuu) X(hojokyori) X(hojox) \
    X(hojoy) X(sayuumoji) X(wkipbangou) X(wkyousokyori) X(wkhojoyousokyori) X(wkhenkaku) X(wkhojohenkaku) \
    X(wkgenchou) X(wkhojogenchou) X(wkhoukoukaku) X(wkhidarikaku) X(wkhojohoukou) X(wkshougen) X(danmensuu) \
    X(danmenbangou) X(kiridomenseki) X(moridomenseki) X(umemodoshimenseki) X(genkyouhidari) X(genkyoumigi) \
    X(kirimorihidari) X(kirimorimigi) X(genkyouhidarisuu) X(genkyoumigisuu) X(kirimorihidarisuu) \
    X(kirimorimigisuu) X(mensekiflg) X(dotsubobangou) X(mensekisayuu) X(kirimen) X(morimen) X(jouhoukirimen) \
    X(genkyoux) X(genkyouy) X(genkyousaishuu) X(kirimorix) X(kirimoriy) X(kirimoritensuu) X(kussakux) \
    X(kussakuy) X(kirimorisenhidari) X(kirimorisenmigi) X(kussakuhidarix) X(kussakuhidariy) X(kussakumigix) \
    X(kussakumigiy) X(genkyousenhidarix) X(genkyousenhidariy) X(genkyousenmigix) X(genkyousenmigiy) \
    X(genkyousenhidarisaishuu) X(genkyousenmigisaishuu) X(norikitenx) X(norikiteny) X(kirinori) X(morinori) \
    X(norishurui) X(norikoubai) X(noriseppen) X(norijirix) X(norikousaflg) X(eikyoukitenx) X(eikyoukiteny) \
    X(eikyoukoubai) X(eikyouseppen) X(eikyouflg) X(eikyoukousax) X(eikyoukousay) X(sokuteneikyoukousax) \
    X(tatemoji) X(zahyoudata) X(zahyousuu) X(d3hidarix) X(d3hidariy) X(d3hidariz) X(d3migix) X(d3migiy) \
    X(d3migiz) X(d3chuushin) X(d3hidarizsakuzu) X(d3migizsakuzu) X(d3sokutenz) X(d3tensuu) X(d3sokutensuu) \
    X(d3kyori) X(d3bangou) X(d3sokuten) X(d3kukan) X(d3x) X(d3y) X(d3hidarifukuin) X(d3migifukuin) \
    X(d3hidarikoubai) X(d3migikoubai) X(d3keikakudaka) X(d3hojox) X(d3hojoy) X(ddeflg) X(obitakasa) \
    X(taitorusaizu) X(mojisaizu) X(suujisaizu) X(saishoudaka) X(saidaidaka) X(dlchi) X(hosousuu) X(obimoji) \
    X(mojidaka) X(enkei) X(mojiichi) X(fukuinhidarix) X(fukuinhidariy) X(fukuinmigix) X(fukuinmigiy) X(mojix) \
    X(mojiy) X(wkmigikaku) X(hidarikijunsokuten) X(hidarikijunkoubai) X(migikijunsokuten) X(migikijunkoubai) \
    X(hidarikijunsuu) X(migikijunsuu) X(hidariyokokoubai) X(migiyokokoubai) X(komando)

template <typename T>
T Changed(const T& v) {
    if constexpr (std::is_same_v<T, std::string>) return v + "x";
    else if constexpr (std::is_same_v<T, bool>) return !v;
    else return static_cast<T>(v + 7);
}

template <typename T>
void Change(T& v) { v = Changed(v); }

template <typename T, int... Upper>
void Change(rt::Table<T, Upper...>& t) { t.Fill(Changed(T{})); }

// The names that the table headers of 縦断bus.h declare with `inline` (constants and functions aside).
std::set<std::string> DeclaredNames() {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(VANTOR_SOURCE_DIR "/vantor/model/bus")) {
        std::ifstream header(entry.path());
        for (std::string line; std::getline(header, line);) {
            if (!line.starts_with("inline ") || line.starts_with("inline constexpr")) continue;
            std::string decl = line.substr(0, line.find("//"));
            decl = decl.substr(7, decl.find(';') - 7);
            if (decl.find('(') != std::string::npos) continue;
            // The type: one word, or a Table<...> with its nested brackets.
            std::size_t at = 0;
            if (decl.starts_with("Table<")) {
                for (int depth = 0; at < decl.size(); ++at) {
                    if (decl[at] == '<') ++depth;
                    if (decl[at] == '>' && --depth == 0) break;
                }
                ++at;
            } else {
                at = decl.find(' ');
            }
            for (std::size_t next; at < decl.size(); at = next + 1) {
                next = decl.find(',', at);
                if (next == std::string::npos) next = decl.size();
                const std::string part = decl.substr(at, next - at);
                const std::size_t begin = part.find_first_not_of(' ');
                const std::size_t end = part.find_first_of(" =", begin);
                names.insert(part.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
            }
        }
    }
    return names;
}

TEST(ResetState, ListsEveryVariableOfTheHeader) {
    const std::set<std::string> listed = {
#define X(name) #name,
        VANTOR_EACH_STATE_VARIABLE(X)
#undef X
    };
    EXPECT_EQ(listed, DeclaredNames()) << "a variable of 縦断bus.h is missing from the list here (or gone from the header)";
}

TEST(ResetState, PutsEveryVariableBack) {
    縦断bus::ResetState();
#define X(name)                                                                                    \
    {                                                                                              \
        using Type = std::remove_cvref_t<decltype(縦断bus::name)>;                                 \
        const auto start = std::make_unique<Type>(縦断bus::name); /* tables too large for a stack */ \
        Change(縦断bus::name);                                                                     \
        ASSERT_FALSE(縦断bus::name == *start) << #name << " did not change";                       \
        縦断bus::ResetState();                                                                     \
        EXPECT_TRUE(縦断bus::name == *start) << #name << " is not reset";                          \
    }
    VANTOR_EACH_STATE_VARIABLE(X)
#undef X
}

} // namespace
