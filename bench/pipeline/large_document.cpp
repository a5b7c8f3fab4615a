#include "large_document.h"

#include "platform/forms/forms.h"
#include "platform/forms/script.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/workbook.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/sheets/cross_slope_sheet.h"
#include "vantor/model/縦断bus.h"
#include "vantor/sections/editors/section_point_sheet.h"
#include "vantor/sections/editors/section_point_tables.h"
#include "vantor/sections/keisanyokokoubai.h"
#include "vantor/shell/Main.h"
#include "vantor/shell/lifecycle/document_lifecycle.h"

#include <filesystem>
#include <stdexcept>

namespace pipeline_bench {

namespace {

using namespace 縦断bus;

// A zig-zag polygon 40 m a leg along X, 4 m either side of it: every corner turns 22.6°, so a
// curve of 80 m takes 16 m of each leg and two neighbouring curves still fit.
void Ips() {
    ipsuu = kIps;
    for (int p = 0; p <= kIps + 1; ++p) {
        ipx(p) = 40000.0f * p;
        ipy(p) = p == 0 || p == kIps + 1 ? 0.0f : (p % 2 ? 4000.0f : -4000.0f);
        iphankei(p) = p == 0 || p == kIps + 1 ? 0.0f : 80000.0f;
    }
}

// Stations `spacing` metres apart with ground heights rolling about 10 m; gradient changes
// at rows 1, 2, 4, ..., n - 1 and n, a 10 m curve on each inner one (50 curves for 100 rows).
void Profile(int stations, int spacing) {
    sokutensuu = stations;
    for (int r = 1; r <= stations; ++r) {
        tatedata(r, 1) = static_cast<float>(spacing * (r - 1));
        tatedata(r, 2) = 10.5f + static_cast<float>(r % 7) * 0.25f;
        const bool change = r == 1 || r % 2 == 0 || r == stations - 1;
        tatedata(r, 3) = change ? (r % 4 == 0 ? 12.0f : 10.0f) : kEmpty;
        tatedata(r, 4) = change && r != 1 && r != stations ? 10.0f : kEmpty;
    }
    tatedata(stations, 3) = 11;
}

// Widths 3 m left and 3.5 m right, reference slopes at the first and the last station and
// at every tenth, the cross slopes computed from them over the planned heights, and the
// shoulder offsets.
void CrossSlopesAndShoulders(int stations) {
    for (int r = 1; r <= stations; ++r) {
        yokodata(r, 2) = 3;
        yokodata(r, 9) = 3.5f;
        const bool reference = r == 1 || r == stations || r % 10 == 0;
        yokodata(r, 4) = reference ? 2.0f : kEmpty;
        yokodata(r, 7) = reference ? (r % 20 == 0 ? -2.0f : 2.5f) : kEmpty;
    }
    keisantate();
    utsushiyoko();
    ComputeCrossSlopes();
    FillShoulderOffsets();
}

void Points(SectionPoints& side, int station, int count, auto&& point) {
    for (int p = 0; p < count; ++p) {
        const auto [offset, height] = point(p);
        side(station, p, 1) = rt::CStr(offset);
        side(station, p, 2) = rt::CStr(height);
    }
}

// Ground rising to the left and falling to the right; the formation 1 m above or below it by
// turns, so that both cut and fill sections are drawn and measured.
void Sections(int stations) {
    for (int s = 1; s <= stations; ++s) {
        const float formation = s % 2 ? -1.0f : 1.0f;
        Points(genkyouhidari, s, kSectionPoints + 1, [](int p) {
            return std::pair{1.0f * p, 0.08f * p + 0.1f * (p % 3)};
        });
        Points(genkyoumigi, s, kSectionPoints + 1, [](int p) {
            return std::pair{1.0f * p, -0.06f * p + 0.1f * (p % 2)};
        });
        auto planned = [formation](int p) { return std::pair{0.5f * p, formation - 0.02f * 0.5f * p}; };
        Points(kirimorihidari, s, 10, planned);
        Points(kirimorimigi, s, 10, planned);
        const char* texts[] = {"", kGroundBlock, kPlannedBlock, "3", "2", "3", "2"};
        for (int c = 0; c <= 6; ++c) yokosakuzudata(s, c) = texts[c];
    }
    danmensuu = stations + 1;
}

void Save(const std::string& path) {
    if (std::filesystem::exists(path)) std::filesystem::remove(path);
    forms::script::QueueFileName(path);
    hozon();
    if (!std::filesystem::exists(path)) throw std::runtime_error("the document was not saved: " + path);
}

// The IPs and `stations` stations `spacing` metres apart with their slopes and offsets.
std::string AlignmentDocument(const std::string& path, int stations, int spacing) {
    RestartProgram();
    shinki();
    Ips();
    Profile(stations, spacing);
    CrossSlopesAndShoulders(stations);
    Save(path);
    return path;
}

std::string SectionsDocument(const std::string& path) {
    RestartProgram();
    shinki();
    Ips();
    Profile(kSectionStations, 20);
    CrossSlopesAndShoulders(kSectionStations);
    Sections(kSectionStations);
    if (!WriteSectionPoints(ExistingGround()) || !WriteSectionPoints(CutFillLine()))
        throw std::runtime_error("the section points were not written");
    Save(path);
    return path;
}

} // namespace

void FillShoulderOffsets() {
    for (int r = 1; r <= sokutensuu; ++r) {
        for (int k = 1; k <= 4; ++k) {
            rokatadata(r, 5 - k) = 3 + 0.5f * k;
            rokatadata(r, 5 + k) = 3.5f + 0.5f * k;
        }
        rokatadata(r, 5) = tatedata(r, 1);
    }
}

void RestartProgram() {
    xl::CreateObject("Excel.sheet")->Application()->Quit();
    forms::UnloadAll();
    forms::script::Reset();
    ResetState();
    StartProgram();
}

void StartProgram() { Main(); }

Documents DocumentPaths(const std::string& folder) {
    return {folder + "/profile.xls", folder + "/road.xls", folder + "/sections.xls"};
}

Documents WriteDocuments(const std::string& folder) {
    std::filesystem::create_directories(folder);
    const Documents paths = DocumentPaths(folder);
    Documents documents{AlignmentDocument(paths.profile, kProfileStations, 20),
                        AlignmentDocument(paths.road, kRoadStations, 40), SectionsDocument(paths.sections)};
    RestartProgram();
    return documents;
}

} // namespace pipeline_bench
