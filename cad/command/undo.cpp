#include "cad/command/undo.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace cad::command {

namespace {

// Commands that change the drawing only by adding entities at its end (and perhaps a block
// from a library, which stays), by settings, or by opening another drawing, which clears the
// history.
bool OnlyAdds(std::string_view command) {
    static constexpr std::array<std::string_view, 10> kAdding{
        "LINE", "PLINE", "CIRCLE", "ARC", "DTEXT", "INSERT", "ZOOM", "CECOLOR", "OPEN", "DXFIN"};
    return std::find(kAdding.begin(), kAdding.end(), command) != kAdding.end();
}

bool SameRect(const std::optional<Rect>& a, const std::optional<Rect>& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || (a->minX == b->minX && a->minY == b->minY && a->maxX == b->maxX && a->maxY == b->maxY);
}

} // namespace

void UndoHistory::Begin(const Drawing& drawing, const std::string& command) {
    running_.reset();
    if (command == "U" || command == "UNDO") return;
    Running r;
    r.command = command;
    r.sizeBefore = drawing.Entities().size();
    r.blockCountBefore = drawing.Blocks().size();
    r.colourBefore = drawing.CurrentColour();
    r.viewBefore = drawing.View();
    r.viewChangesBefore = drawing.ViewChanges();
    if (!OnlyAdds(command)) {
        r.entitiesBefore = drawing.Entities();
        r.blocksBefore = drawing.Blocks();
    }
    running_ = std::move(r);
}

void UndoHistory::End(const Drawing& drawing) {
    if (!running_) return;
    Running r = std::move(*running_);
    running_.reset();
    const auto& now = drawing.Entities();
    Step step;
    step.command = r.command;
    step.sizeAfter = now.size();
    step.colourBefore = r.colourBefore;
    step.viewBefore = r.viewBefore;
    step.viewChanged = drawing.ViewChanges() != r.viewChangesBefore && !SameRect(r.viewBefore, drawing.View());
    if (r.entitiesBefore) {
        const auto& before = *r.entitiesBefore;
        std::size_t head = 0;
        while (head < before.size() && head < now.size() && before[head] == now[head]) ++head;
        std::size_t tail = 0;
        while (tail < before.size() - head && tail < now.size() - head &&
               before[before.size() - 1 - tail] == now[now.size() - 1 - tail])
            ++tail;
        step.from = head;
        step.added = now.size() - head - tail;
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
        steps_.clear();  // entities went away unrecorded: the steps before no longer fit
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
    if (drawing.Entities().size() != step.sizeAfter || step.from + step.added > step.sizeAfter) {
        steps_.clear();
        return std::nullopt;
    }
    auto& all = drawing.Entities();
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
    running_.reset();
    steps_.clear();
}

} // namespace cad::command
