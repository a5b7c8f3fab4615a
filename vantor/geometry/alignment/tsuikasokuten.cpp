#include "vantor/geometry/alignment/tsuikasokuten.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/conversion.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace 縦断bus {

namespace {

constexpr int kMaxKept = 100;     // surveyed stations the rebuild keeps
constexpr int kMaxStations = 200; // stations of the rebuilt list, before merging
constexpr char kUnset[] = "未設定";

// The columns of one station that the rebuild carries: profile 1-4, cross-slope 2-9 and the
// six section texts.
struct StationRow {
    std::array<float, 5> tate{};      // 1 station, 2 ground, 3 reference height, 4 Lv
    std::array<float, 10> yoko{};     // 2..9
    std::array<std::string, 7> texts; // 1..6

    float Station() const { return tate[tate_col::kStation]; }
};

// Rows the rebuild keeps: surveyed stations (with a ground height) and gradient-change points,
// whose reference height and curve length the profile cannot do without.
bool IsKept(int r) {
    return tatedata(r, tate_col::kGround) != kEmpty || tatedata(r, tate_col::kReferenceHeight) != kEmpty ||
           tatedata(r, tate_col::kCurveLength) != kEmpty;
}

StationRow ReadRow(int r) {
    StationRow row;
    for (int c = tate_col::kStation; c <= tate_col::kCurveLength; ++c) row.tate[c] = tatedata(r, c);
    for (int c = yoko_col::kLeftWidth; c <= yoko_col::kRightWidth; ++c) row.yoko[c] = yokodata(r, c);
    // The section texts hold fewer rows than the profile; a row beyond them has no texts.
    if (r <= yokosakuzudata.UBound())
        for (int c = 1; c <= 6; ++c) row.texts[c] = yokosakuzudata(r, c);
    return row;
}

void WriteRow(int r, const StationRow& row) {
    for (int c = tate_col::kStation; c <= tate_col::kCurveLength; ++c) tatedata(r, c) = row.tate[c];
    for (int c = yoko_col::kLeftWidth; c <= yoko_col::kRightWidth; ++c) yokodata(r, c) = row.yoko[c];
    for (int c = 1; c <= 6; ++c) yokosakuzudata(r, c) = row.texts[c];
}

StationRow Generated(double station) {
    StationRow row;
    row.tate = {0, static_cast<float>(station), kEmpty, kEmpty, kEmpty};
    row.yoko.fill(kEmpty);
    row.yoko[yoko_col::kStation] = row.tate[tate_col::kStation];
    row.texts[1] = row.texts[2] = kUnset;
    return row;
}

// Chainage in millimetres to a station in metres, half up to 0.01 m.
double ToStation(float chainage) { return std::floor(chainage / 10.0 + 0.5) / 100; }

// Selection with exchange, ascending by station; rows of equal station may change order.
void SortByStation(std::vector<StationRow>& rows) {
    for (std::size_t a = 0; a + 1 < rows.size(); ++a) {
        std::size_t candidate = a;
        for (std::size_t b = a + 1; b < rows.size(); ++b)
            if (rows[b].Station() < rows[candidate].Station()) candidate = b;
        std::swap(rows[a], rows[candidate]);
    }
}

// True when merging `merged` into `survivor` would drop a reference height or curve length:
// both carry one, and they differ.
bool LosesChangePoint(const StationRow& survivor, const StationRow& merged) {
    for (int c = 3; c <= 4; ++c)
        if (merged.tate[c] != kEmpty && survivor.tate[c] != kEmpty && merged.tate[c] != survivor.tate[c]) return true;
    return false;
}

// A row within 0.04 m of the surviving one is merged into it: the survivor fills its empty
// ground height, reference height, Lv and widths from it, and all its section texts when it
// has no existing-ground section yet.
void MergeInto(StationRow& survivor, const StationRow& merged) {
    for (int c = 2; c <= 4; ++c)
        if (survivor.tate[c] == kEmpty) survivor.tate[c] = merged.tate[c];
    for (int c : {2, 9})
        if (survivor.yoko[c] == kEmpty) survivor.yoko[c] = merged.yoko[c];
    if (survivor.texts[1] == kUnset)
        for (int c = 1; c <= 6; ++c) survivor.texts[c] = merged.texts[c];
}

// Widths typed at stations an earlier run generated: the rebuild drops those rows and makes them
// again, so a station of the new list without a width takes the one typed at the same station
// (within the 0.04 m of a merge), lest a rerun lose what the user entered.
void KeepTypedWidths(std::vector<StationRow>& list, const std::vector<StationRow>& dropped) {
    for (StationRow& row : list)
        for (int c : {2, 9}) {
            if (row.yoko[c] != kEmpty) continue;
            const StationRow* nearest = nullptr;
            for (const StationRow& old : dropped) {
                const double distance = std::fabs(double(old.Station()) - row.Station());
                if (old.yoko[c] != kEmpty && distance <= 0.04f &&
                    (!nearest || distance < std::fabs(double(nearest->Station()) - row.Station())))
                    nearest = &old;
            }
            if (nearest) row.yoko[c] = nearest->yoko[c];
        }
}

bool Refuse(const std::string& message) {
    forms::MsgBox(message);
    return false;
}

} // namespace

bool tsuikasokuten(bool regularStations, const std::string& stationInterval) {
    std::vector<StationRow> rows, dropped;
    for (int r = 1; r <= sokutensuu; ++r)
        if (!IsKept(r)) {
            dropped.push_back(ReadRow(r));
        } else {
            if (static_cast<int>(rows.size()) == kMaxKept)
                return Refuse("地盤高か縦断変化点のある測点が多すぎます。測点は" + rt::CStr(kMaxKept) +
                              "点までにしてください");
            rows.push_back(ReadRow(r));
        }
    const std::vector<StationRow> kept = rows;

    double interval = 0;
    double regular = 0;
    if (regularStations) {
        interval = rt::Val(stationInterval);
        if (!(interval > 0)) return Refuse("測点間隔には正の数を入力してください");
        regular = std::floor(iptsuikakyori(ipsuu + 1) * 0.001 / interval);
    }
    const double total = rows.size() + 3.0 * ipsuu + 2 + regular;
    if (total > kMaxStations)
        return Refuse("追加される測点を含めると測点が" + rt::CStr(kMaxStations) +
                      "点を超えます。測点間隔を広げるか測点を減らしてください");

    for (int i = 1; i <= ipsuu; ++i) {
        const StationRow bc = Generated(ToStation(bcsokuten(i)));
        const StationRow ec = Generated(ToStation(ecsokuten(i)));
        const double middle = std::floor((double(bc.Station()) + ec.Station()) * 0.5 * 10 + 0.5) / 10;
        rows.push_back(bc);
        rows.push_back(Generated(middle));
        rows.push_back(ec);
    }
    for (int k = 1; k <= static_cast<int>(regular); ++k) rows.push_back(Generated(k * interval));
    rows.push_back(Generated(0));
    rows.push_back(Generated(ToStation(iptsuikakyori(ipsuu + 1))));

    SortByStation(rows);

    std::vector<StationRow> list{rows.front()};
    for (std::size_t r = 1; r < rows.size(); ++r) {
        if (std::fabs(double(rows[r].Station()) - list.back().Station()) > 0.04f) list.push_back(rows[r]);
        else if (LosesChangePoint(list.back(), rows[r]))
            return Refuse("測点 " + rt::CStr(rows[r].Station()) + " と測点 " + rt::CStr(list.back().Station()) +
                          " はどちらも縦断変化点で、0.04m 以内なので一つにまとめられません。"
                          "どちらかの変化点を動かすか削除してください");
        else MergeInto(list.back(), rows[r]);
    }
    KeepTypedWidths(list, dropped);

    // The kept rows move up first; rows past the rebuilt list keep what this leaves.
    for (std::size_t r = 0; r < kept.size(); ++r) WriteRow(static_cast<int>(r) + 1, kept[r]);
    for (std::size_t r = 0; r < list.size(); ++r) WriteRow(static_cast<int>(r) + 1, list[r]);
    sokutensuu = static_cast<int>(list.size());
    return true;
}

} // namespace 縦断bus
