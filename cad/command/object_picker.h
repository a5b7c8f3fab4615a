#pragma once
// The object selection of the export commands, which also take the selection modes SINGLE
// (the first choice ends the selection) and AUTO: ALL, W or C with two corners, Enter to end.
//     ObjectPicker picker(s.drawing());
//     while (!picker.Done()) picker.Take(s, co_await s.Ask(picker.Next()));
#include "cad/command/session.h"

namespace cad::command {

class ObjectPicker {
public:
    explicit ObjectPicker(const Drawing& drawing) : drawing_(drawing) {}

    bool Done() const { return done_; }
    // Starts a new selection.
    void Restart();
    Question Next() const;
    void Take(Session& s, const Answer& answer);
    // The chosen entities in ascending order, each once.
    Selection Objects() const;

private:
    enum class Step { Objects, FirstCorner, OtherCorner };
    const Drawing& drawing_;
    Step step_ = Step::Objects;
    bool single_ = false;
    bool crossing_ = false;
    bool done_ = false;
    Point first_;
    Selection chosen_;
};

} // namespace cad::command
