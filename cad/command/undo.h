#pragma once
// What U and UNDO take back: for every command that changed the drawing, the entities it
// added, removed or changed, the blocks it (re)defined, and the current colour and view as
// they were before it. Commands that only add entities or change settings cost no copy of
// the drawing; the others copy, as the drawing tells of each change before it happens, the
// entities from the first one changed on, and keep only the stretch they changed.
#include "cad/drawing/drawing.h"

#include <cstddef>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cad::command {

class UndoHistory {
public:
    static constexpr std::size_t kStepLimit = 200; // the oldest steps drop off

    UndoHistory() = default;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;
    ~UndoHistory();

    // Before the command of that word (upper case) runs. U and UNDO themselves leave no step.
    // The drawing tells the history of the command's changes until End.
    void Begin(Drawing& drawing, const std::string& command);
    // After the command ended, done or cancelled: a command that changed nothing leaves no step.
    void End(Drawing& drawing);
    // Reverses the last command that changed the drawing and returns its word; none when there
    // is nothing to undo. When the drawing was changed past the commands since, the history
    // no longer fits it: it is dropped and nothing is undone.
    std::optional<std::string> UndoLast(Drawing& drawing);
    // Forgets every step and the running command's (a drawing file was opened).
    void Clear();
    std::size_t Steps() const { return steps_.size(); }

private:
    struct Step {
        std::string command;
        std::size_t from = 0;        // first entity the command changed
        std::size_t added = 0;       // entities that stand there now ...
        std::vector<Entity> removed; // ... in place of these
        std::size_t sizeAfter = 0;
        std::optional<std::map<std::string, Block>> blocksBefore;
        int colourBefore = kByLayer;
        std::optional<Rect> viewBefore;
        bool viewChanged = false;
    };
    struct Running {
        std::string command;
        std::size_t sizeBefore = 0;
        bool edits = false;                 // not a command that only adds
        std::size_t copiedFrom = 0;         // entities from here to sizeBefore ...
        std::vector<Entity> entitiesBefore; // ... as they were before the command
        std::optional<std::map<std::string, Block>> blocksBefore;
        std::size_t blockCountBefore = 0;
        int colourBefore = kByLayer;
        std::optional<Rect> viewBefore;
        unsigned long viewChangesBefore = 0;
    };

    // Keeps the entities a change is about to touch that are not kept yet.
    void BeforeChange(const Drawing& drawing, std::size_t first);
    void StopWatching();

    std::optional<Running> running_;
    std::deque<Step> steps_;
    Drawing* watched_ = nullptr;
};

} // namespace cad::command
