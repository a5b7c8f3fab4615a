#include "cad/command/undo.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace cad::command {

namespace {

// Commands that change the drawing only by adding entities at its end (and perhaps a block
// from a library, which stays), by settings, or by opening another drawing, which clears the
// history.
bool OnlyAdds(std::string_view command) {
    static constexpr std::array<std::string_view, 10> kAdding{"LINE",   "PLINE", "CIRCLE",  "ARC",  "DTEXT",
                                                              "INSERT", "ZOOM",  "CECOLOR", "OPEN", "DXFIN"};
    return std::find(kAdding.begin(), kAdding.end(), command) != kAdding.end();
}

bool SameRect(const std::optional<Rect>& a, const std::optional<Rect>& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || (a->minX == b->minX && a->minY == b->minY && a->maxX == b->maxX && a->maxY == b->maxY);
}

} // namespace

UndoHistory::~UndoHistory() { StopWatching(); }

void UndoHistory::StopWatching() {
    if (watched_) watched_->SetChangeWatcher({});
    watched_ = nullptr;
}

void UndoHistory::BeforeChange(const Drawing& drawing, std::size_t first) {
    if (!running_) return;
    Running& r = *running_;
    if (first >= r.copiedFrom) return;
    // The entities before copiedFrom have not changed nor moved since the command began.
    const auto& all = drawing.Entities();
    r.entitiesBefore.insert(r.entitiesBefore.begin(), all.begin() + static_cast<std::ptrdiff_t>(first),
                            all.begin() + static_cast<std::ptrdiff_t>(r.copiedFrom));
    r.copiedFrom = first;
}

void UndoHistory::Begin(Drawing& drawing, const std::string& command) {
    StopWatching();
    running_.reset();
    if (command == "U" || command == "UNDO") return;
    Running r;
    r.command = command;
    r.sizeBefore = std::as_const(drawing).Entities().size();
    r.blockCountBefore = drawing.Blocks().size();
    r.colourBefore = drawing.CurrentColour();
    r.viewBefore = drawing.View();
    r.viewChangesBefore = drawing.ViewChanges();
    if (!OnlyAdds(command)) {
        r.edits = true;
        r.copiedFrom = r.sizeBefore;
        r.blocksBefore = drawing.Blocks();
        watched_ = &drawing;
        drawing.SetChangeWatcher([this, &drawing](std::size_t first) { BeforeChange(drawing, first); });
    }
    running_ = std::move(r);
}

void UndoHistory::End(Drawing& drawing) {
    StopWatching();
    if (!running_) return;
    Running r = std::move(*running_);
    running_.reset();
    const auto& now = std::as_const(drawing).Entities();
    Step step;
    step.command = r.command;
    step.sizeAfter = now.size();
    step.colourBefore = r.colourBefore;
    step.viewBefore = r.viewBefore;
    step.viewChanged = drawing.ViewChanges() != r.viewChangesBefore && !SameRect(r.viewBefore, drawing.View());
    if (r.edits && now.size() < r.copiedFrom) {
        steps_.clear(); // entities went away unrecorded: the steps before no longer fit
        return;
    }
    if (r.edits) {
        // Before copiedFrom the drawing is as it was; compare the rest, from both ends.
        const auto& before = r.entitiesBefore;
        const std::size_t from = r.copiedFrom;
        std::size_t head = 0;
        while (head < before.size() && from + head < now.size() && before[head] == now[from + head]) ++head;
        std::size_t tail = 0;
        while (tail < before.size() - head && tail < now.size() - from - head &&
               before[before.size() - 1 - tail] == now[now.size() - 1 - tail])
            ++tail;
        step.from = from + head;
        step.added = now.size() - from - head - tail;
        step.removed.assign(before.begin() + static_cast<std::ptrdiff_t>(head),
                            before.end() - static_cast<std::ptrdiff_t>(tail));
        // Block definitions are compared by what they hold.
        bool blocksSame = r.blocksBefore->size() == drawing.Blocks().size();
        for (auto it = drawing.Blocks().begin(); blocksSame && it != drawing.Blocks().end(); ++it) {
            const auto old = r.blocksBefore->find(it->first);
            blocksSame = old != r.blocksBefore->end() && old->second.name == it->second.name &&
                         old->second.base == it->second.base && old->second.entities == it->second.entities;
        }
        if (!blocksSame) step.blocksBefore = std::move(r.blocksBefore);
    } else if (now.size() >= r.sizeBefore) {
        step.from = r.sizeBefore;
        step.added = now.size() - r.sizeBefore;
    } else {
        steps_.clear(); // entities went away unrecorded: the steps before no longer fit
        return;
    }
    const bool changed = step.added > 0 || !step.removed.empty() || step.blocksBefore ||
                         step.colourBefore != drawing.CurrentColour() || step.viewChanged;
    if (!changed) return;
    steps_.push_back(std::move(step));
    while (steps_.size() > kStepLimit) steps_.pop_front();
}

std::optional<std::string> UndoHistory::UndoLast(Drawing& drawing) {
    if (steps_.empty()) return std::nullopt;
    Step step = std::move(steps_.back());
    steps_.pop_back();
    if (std::as_const(drawing).Entities().size() != step.sizeAfter || step.from + step.added > step.sizeAfter) {
        steps_.clear();
        return std::nullopt;
    }
    auto& all = drawing.EntitiesFrom(step.from);
    const auto at = all.begin() + static_cast<std::ptrdiff_t>(step.from);
    all.erase(at, at + static_cast<std::ptrdiff_t>(step.added));
    all.insert(all.begin() + static_cast<std::ptrdiff_t>(step.from), std::make_move_iterator(step.removed.begin()),
               std::make_move_iterator(step.removed.end()));
    if (step.blocksBefore) drawing.SetBlocks(std::move(*step.blocksBefore));
    drawing.SetCurrentColour(step.colourBefore);
    if (step.viewChanged) drawing.SetView(step.viewBefore);
    return step.command;
}

void UndoHistory::Clear() {
    StopWatching();
    running_.reset();
    steps_.clear();
}

} // namespace cad::command
