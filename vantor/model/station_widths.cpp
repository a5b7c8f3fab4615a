#include "vantor/model/station_widths.h"

#include "platform/runtime/number_text.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"

#include <cmath>
#include <utility>

namespace 縦断bus {

namespace {

constexpr double kSameStation = 0.04; // metres: stations this close are one in the rebuilt list

bool HasWidth(const std::array<float, 10>& widths) {
    for (int c = 1; c <= 9; ++c)
        if (c != 5 && widths[c] != 0) return true;
    return false;
}

} // namespace

StationWidths StationWidths::Take() {
    StationWidths taken;
    for (int i = 1; i <= sokutensuu; ++i) {
        Row row{tatedata(i, tate_col::kStation), {}, i};
        for (int c = 1; c <= 9; ++c) row.widths[c] = rokatadata(i, c);
        taken.rows_.push_back(row);
    }
    return taken;
}

const StationWidths::Row* StationWidths::Nearest(float station) const {
    const Row* nearest = nullptr;
    for (const Row& row : rows_) {
        const double distance = std::fabs(double(row.station) - station);
        if (distance <= kSameStation && (!nearest || distance < std::fabs(double(nearest->station) - station)))
            nearest = &row;
    }
    return nearest;
}

StationWidths StationWidths::Of(std::vector<Row> rows) {
    StationWidths given;
    given.rows_ = std::move(rows);
    return given;
}

StationWidths::Outcome StationWidths::GiveToCurrentList() const {
    Outcome outcome;
    std::vector<bool> given(rows_.size(), false);
    for (int i = 1; i <= sokutensuu; ++i) {
        const float station = tatedata(i, tate_col::kStation);
        const Row* from = station == kEmpty ? nullptr : Nearest(station);
        for (int c = 1; c <= 9; ++c) rokatadata(i, c) = from ? from->widths[c] : 0;
        rokatadata(i, rokata_col::kStation) = station == kEmpty ? 0 : station;
        if (from) given[from - rows_.data()] = true;
    }
    for (std::size_t r = 0; r < rows_.size(); ++r)
        if (!given[r] && HasWidth(rows_[r].widths)) outcome.lost.push_back(rows_[r]);
    return outcome;
}

StationWidths::Outcome StationWidths::CarryToCurrentList() const {
    bool listChanged = sokutensuu != static_cast<int>(rows_.size());
    for (int i = 1; i <= sokutensuu && !listChanged; ++i)
        listChanged = tatedata(i, tate_col::kStation) != rows_[i - 1].station;
    if (!listChanged) return {};
    Outcome outcome = GiveToCurrentList();
    outcome.listChanged = true;
    return outcome;
}

std::string StationWidths::Notice(const Outcome& outcome) {
    if (!outcome.listChanged) return {};
    std::string text = "線形の計算で測点が変わりました。路肩の幅は同じ測点に付け直しました。"
                       "追加された測点の幅を確かめてください。";
    const std::string loss = LossNotice(outcome);
    return loss.empty() ? text : text + "\n" + loss;
}

std::string StationWidths::LossNotice(const Outcome& outcome) {
    if (outcome.lost.empty()) return {};
    std::string text = "幅のあった次の測点はなくなりました：";
    for (std::size_t k = 0; k < outcome.lost.size(); ++k) text += (k ? "、" : "") + rt::CStr(outcome.lost[k].station);
    return text;
}

} // namespace 縦断bus
