#include "vantor/geometry/alignment/station_widths.h"

#include "platform/runtime/number_text.h"
#include "vantor/model/縦断bus.h"

#include <cmath>

namespace 縦断bus {

namespace {

constexpr double kSameStation = 0.04;   // metres: stations this close are one in the rebuilt list

bool HasWidth(const std::array<float, 10>& widths) {
    for (int c = 1; c <= 9; ++c)
        if (c != 5 && widths[c] != 0) return true;
    return false;
}

} // namespace

StationWidths StationWidths::Take() {
    StationWidths taken;
    for (int i = 1; i <= sokutensuu; ++i) {
        Row row{tatedata(i, 1), {}};
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

StationWidths::Outcome StationWidths::CarryToCurrentList() const {
    Outcome outcome;
    outcome.listChanged = sokutensuu != static_cast<int>(rows_.size());
    for (int i = 1; i <= sokutensuu && !outcome.listChanged; ++i)
        outcome.listChanged = tatedata(i, 1) != rows_[i - 1].station;
    if (!outcome.listChanged) return outcome;

    std::vector<bool> carried(rows_.size(), false);
    for (int i = 1; i <= sokutensuu; ++i) {
        const Row* from = Nearest(tatedata(i, 1));
        for (int c = 1; c <= 9; ++c) rokatadata(i, c) = from ? from->widths[c] : 0;
        rokatadata(i, 5) = tatedata(i, 1);
        if (from) carried[from - rows_.data()] = true;
    }
    for (std::size_t r = 0; r < rows_.size(); ++r)
        if (!carried[r] && HasWidth(rows_[r].widths)) outcome.lostStations.push_back(rows_[r].station);
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
    if (outcome.lostStations.empty()) return {};
    std::string text = "幅のあった次の測点はなくなりました：";
    for (std::size_t k = 0; k < outcome.lostStations.size(); ++k)
        text += (k ? "、" : "") + rt::CStr(outcome.lostStations[k]);
    return text;
}

} // namespace 縦断bus
