#include "vantor/shell/lifecycle/document_state.h"

#include "vantor/geometry/profile/keikoku.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/document.h"

#include <tuple>

namespace 縦断bus {

namespace {

// The live variables, in one list for taking and putting back the copy.
auto LiveDocument() {
    return std::tie(xlbook, xlsheets, bukkujoutai, xlshuuryouflg, fairumei, hirakuflg, ipkeisanflg, keikokuflg,
                    sokutensuu, tatedata, henkatensuu, xb, yb, koubai, kyokusensuu, vcxb, vcyb, lv, vcb, vce,
                    koubaitemae, koubaiushiro, keisuua, keisuub, keisuuc, wka, wkb, wkc, wkgyou, yuukousokutensuu,
                    kakuteihenkatensuu, vcbflg, vceflg, yokodata, yokosakuzudata, rokatadata, ipsuu, ipx, ipy, iphankei,
                    ipkyori, koukaku, setsusenchou, kyokusenchou, bczahyou, eczahyou, chuushinx, chuushiny, katamuki,
                    kukanchou, saishochokusen, iptsuikakyori, bcsokuten, ecsokuten, chokusengoukei, kyokusengoukei,
                    souenchou, wkcos, wkbckatamuki, wkeckatamuki, wkbcseppen, wkecseppen, wkkyori, heimensokutensuu,
                    genkyouhidari, genkyoumigi, kirimorihidari, kirimorimigi, zahyoudata, zahyousuu);
}

template <class... Ref>
std::tuple<std::remove_reference_t<Ref>...> ValuesOf(const std::tuple<Ref...>&);

} // namespace

struct DocumentState::Copy {
    decltype(ValuesOf(LiveDocument())) values;
};

DocumentState DocumentState::Capture() { return DocumentState(std::make_unique<Copy>(Copy{LiveDocument()})); }

void DocumentState::Restore() const { LiveDocument() = copy_->values; }

DocumentState::DocumentState(std::unique_ptr<Copy> copy) : copy_(std::move(copy)) {}
DocumentState::DocumentState(DocumentState&&) noexcept = default;
DocumentState& DocumentState::operator=(DocumentState&&) noexcept = default;
DocumentState::~DocumentState() = default;

void ClearDocumentTables() {
    sokutensuu = 0;
    for (int row = 1; row <= tatedata.UBound(1); ++row)
        for (int column = 1; column <= tatedata.UBound(2); ++column) tatedata(row, column) = kEmpty;
    henkatensuu = 0;
    kyokusensuu = 0;
    for (int row = 1; row <= yokodata.UBound(1); ++row)
        for (int column = 1; column <= yokodata.UBound(2); ++column) yokodata(row, column) = kEmpty;
    yokosakuzudata.Fill({});
    rokatadata.Fill(0);
    ipsuu = -2; // no alignment point, as an IP sheet without points reads
    for (auto* t : {&ipx, &ipy, &iphankei}) t->Fill(0);
    ipkeisanflg = 0;
    heimensokutensuu = 0;
    for (auto* t : {&genkyouhidari, &genkyoumigi, &kirimorihidari, &kirimorimigi}) t->Fill({});
    zahyoudata.Fill(0);
    zahyousuu = 0;
}

} // namespace 縦断bus
