// ResetState puts every variable of the computation unit back to its start value. The header is
// read as text, so a variable added to it without an entry here fails the coverage test, and
// an entry here whose variable ResetState leaves alone fails the reset test.
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <type_traits>

namespace {

template <typename T>
void Dirty(T& v) {
    if constexpr (std::is_same_v<T, std::string>) v = "x";
    else if constexpr (std::is_same_v<T, bool>) v = true;
    else v = T(7);
}

template <typename T, int... Upper>
void Dirty(rt::Table<T, Upper...>& table) {
    T cell{};
    Dirty(cell);
    table.Fill(cell);
}

template <typename T>
bool IsStart(const T& v) {
    static const T start{};  // static: the 3D tables are far too large for the stack
    return v == start;
}

struct Variable {
    std::function<void()> dirty;
    std::function<bool()> isStart;
};

#define V(name) {#name, {[] { Dirty(縦断bus::name); }, [] { return IsStart(縦断bus::name); }}}

const std::map<std::string, Variable>& Variables() {
    static const std::map<std::string, Variable> variables{
        V(bukkujoutai), V(xlshuuryouflg), V(fairumei), V(hirakuflg), V(ketasuu), V(xhyouji), V(yhyouji),
        V(koubaisetteiflg), V(ipkeisanflg), V(sokutensuu), V(tatedata), V(henkatensuu), V(xb), V(yb),
        V(koubai), V(kyokusensuu), V(vcxb), V(vcyb), V(lv), V(vcb), V(vce), V(koubaitemae),
        V(koubaiushiro), V(keisuua), V(keisuub), V(keisuuc), V(keikakusensuu), V(keikakusenx),
        V(keikakuseny), V(wka), V(wkb), V(wkc), V(wkgyou), V(yuukousokutensuu), V(kakuteihenkatensuu),
        V(vcbflg), V(vceflg), V(keikokuflg), V(henshuugyou), V(henshuuretsu), V(keikokugyou),
        V(keikokuretsu), V(gurafusokuten), V(gurafujiban), V(gurafukeikaku), V(gurafusuu),
        V(gurafukeikakusen), V(gurafuxmin), V(gurafuxmax), V(gurafuymin), V(gurafuymax), V(zentaixmin),
        V(zentaixmax), V(zentaiymin), V(zentaiymax), V(xmemori), V(ymemori), V(memorixmin),
        V(memorixmax), V(memoriymin), V(memoriymax), V(yokodata), V(yokosakuzudata), V(rokatadata),
        V(l1hidarix), V(l1hidariy), V(l2hidarix), V(l2hidariy), V(l3hidarix), V(l3hidariy),
        V(l4hidarix), V(l4hidariy), V(l1migix), V(l1migiy), V(l2migix), V(l2migiy), V(l3migix),
        V(l3migiy), V(l4migix), V(l4migiy), V(ipsuu), V(ipx), V(ipy), V(iphankei), V(ipkyori),
        V(koukaku), V(setsusenchou), V(kyokusenchou), V(bczahyou), V(eczahyou), V(chuushinx),
        V(chuushiny), V(katamuki), V(kukanchou), V(saishochokusen), V(iptsuikakyori), V(bcsokuten),
        V(ecsokuten), V(sayuu), V(chokusengoukei), V(kyokusengoukei), V(souenchou), V(wkcos),
        V(wkbckatamuki), V(wkeckatamuki), V(wkbcseppen), V(wkecseppen), V(wkkyori), V(sokutenbangou),
        V(sokutenkyori), V(sokutenx), V(sokuteny), V(heimensokutensuu), V(hojokyori), V(hojox),
        V(hojoy), V(sayuumoji), V(wkipbangou), V(wkyousokyori), V(wkhojoyousokyori), V(wkhenkaku),
        V(wkhojohenkaku), V(wkgenchou), V(wkhojogenchou), V(wkhoukoukaku), V(wkhidarikaku),
        V(wkhojohoukou), V(wkshougen), V(danmensuu), V(danmenbangou), V(kiridomenseki),
        V(moridomenseki), V(umemodoshimenseki), V(genkyouhidari), V(genkyoumigi), V(kirimorihidari),
        V(kirimorimigi), V(genkyouhidarisuu), V(genkyoumigisuu), V(kirimorihidarisuu),
        V(kirimorimigisuu), V(mensekiflg), V(dotsubobangou), V(mensekisayuu), V(kirimen), V(morimen),
        V(jouhoukirimen), V(genkyoux), V(genkyouy), V(genkyousaishuu), V(kirimorix), V(kirimoriy),
        V(kirimoritensuu), V(kussakux), V(kussakuy), V(kirimorisenhidari), V(kirimorisenmigi),
        V(kussakuhidarix), V(kussakuhidariy), V(kussakumigix), V(kussakumigiy), V(genkyousenhidarix),
        V(genkyousenhidariy), V(genkyousenmigix), V(genkyousenmigiy), V(genkyousenhidarisaishuu),
        V(genkyousenmigisaishuu), V(norikitenx), V(norikiteny), V(kirinori), V(morinori), V(norishurui),
        V(norikoubai), V(noriseppen), V(norijirix), V(norikousaflg), V(eikyoukitenx), V(eikyoukiteny),
        V(eikyoukoubai), V(eikyouseppen), V(eikyouflg), V(eikyoukousax), V(eikyoukousay),
        V(sokuteneikyoukousax), V(tatemoji), V(zahyoudata), V(zahyousuu), V(d3hidarix), V(d3hidariy),
        V(d3hidariz), V(d3migix), V(d3migiy), V(d3migiz), V(d3chuushin), V(d3hidarizsakuzu),
        V(d3migizsakuzu), V(d3sokutenz), V(d3tensuu), V(d3sokutensuu), V(d3kyori), V(d3bangou),
        V(d3sokuten), V(d3kukan), V(d3x), V(d3y), V(d3hidarifukuin), V(d3migifukuin), V(d3hidarikoubai),
        V(d3migikoubai), V(d3keikakudaka), V(d3hojox), V(d3hojoy), V(ddeflg), V(obitakasa),
        V(taitorusaizu), V(mojisaizu), V(suujisaizu), V(saishoudaka), V(saidaidaka), V(dlchi),
        V(hosousuu), V(obimoji), V(mojidaka), V(enkei), V(mojiichi), V(fukuinhidarix), V(fukuinhidariy),
        V(fukuinmigix), V(fukuinmigiy), V(mojix), V(mojiy), V(wkmigikaku), V(hidarikijunsokuten),
        V(hidarikijunkoubai), V(migikijunsokuten), V(migikijunkoubai), V(hidarikijunsuu),
        V(migikijunsuu), V(hidariyokokoubai), V(migiyokokoubai), V(komando),
    };
    return variables;
}

#undef V

// The names the header declares: each "inline <type> a, b = 0, ...;" line, where <type> may be
// a Table<...> with commas of its own. Constants and functions are not state.
std::set<std::string> DeclaredNames() {
    std::ifstream in(std::filesystem::path(VANTOR_SOURCE_DIR) / "vantor/model/縦断bus.h");
    const std::regex declaration(R"(^inline (?!constexpr)(Table<[^>]*>|[\w:]+) ([^(]*?);)");
    const std::regex name(R"(^\s*(\w+))");
    std::set<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        std::smatch m;
        if (!std::regex_search(line, m, declaration)) continue;
        const std::string list = m[2];
        for (std::size_t start = 0; start <= list.size();) {
            const std::size_t comma = std::min(list.find(',', start), list.size());
            const std::string item = list.substr(start, comma - start);
            std::smatch n;
            if (std::regex_search(item, n, name)) names.insert(n[1]);
            start = comma + 1;
        }
    }
    return names;
}

TEST(ResetState, EveryVariableOfTheHeaderIsChecked) {
    const std::set<std::string> declared = DeclaredNames();
    EXPECT_GT(declared.size(), 200u);
    for (const std::string& name : declared)
        EXPECT_TRUE(Variables().contains(name)) << name << " is declared but its reset is not checked";
    for (const auto& [name, variable] : Variables())
        EXPECT_TRUE(declared.contains(name)) << name << " is checked but not found in the header";
}

TEST(ResetState, PutsEveryVariableBackToItsStartValue) {
    for (const auto& [name, variable] : Variables()) {
        variable.dirty();
        ASSERT_FALSE(variable.isStart()) << name;
    }
    縦断bus::ResetState();
    for (const auto& [name, variable] : Variables()) EXPECT_TRUE(variable.isStart()) << name;
}

} // namespace
