#include "cad/command/object_picker.h"

#include "platform/runtime/number_text.h"

#include <algorithm>

namespace cad::command {

namespace {
enum Choice { kAll, kWindow, kCrossing, kSingle, kAuto };
}

void ObjectPicker::Restart() {
    step_ = Step::Objects;
    single_ = crossing_ = done_ = false;
    chosen_.clear();
}

Question ObjectPicker::Next() const {
    if (step_ != Step::Objects) {
        Question q;
        q.prompt = step_ == Step::FirstCorner ? "First corner: " : "Other corner: ";
        q.point = true;
        q.hint = "Point expected.";
        return q;
    }
    Question q;
    q.prompt = "Select objects: ";
    q.keywords = {
        {kAll, "ALL"}, {kWindow, "W|WINDOW"}, {kCrossing, "C|CROSSING"}, {kSingle, "SI|SINGLE"}, {kAuto, "AU|AUTO"}};
    q.hint = "Expects W (window), C (crossing), ALL, SINGLE, AUTO or Enter.";
    return q;
}

void ObjectPicker::Take(Session& s, const Answer& a) {
    auto found = [&](const Selection& more) {
        chosen_.insert(chosen_.end(), more.begin(), more.end());
        s.Message(rt::CStr(static_cast<long long>(more.size())) + " found");
        step_ = Step::Objects;
        if (single_) done_ = true;
    };
    if (step_ == Step::FirstCorner) {
        if (a.kind != Answer::Point) {
            step_ = Step::Objects;
            return;
        }
        first_ = a.point;
        step_ = Step::OtherCorner;
        return;
    }
    if (step_ == Step::OtherCorner) {
        if (a.kind != Answer::Point) {
            step_ = Step::Objects;
            return;
        }
        const Rect window = Rect::FromCorners(first_, a.point);
        found(crossing_ ? SelectCrossing(drawing_, window) : SelectWindow(drawing_, window));
        return;
    }
    if (a.kind == Answer::Enter) {
        done_ = true;
        return;
    }
    switch (a.keyword) {
    case kAll: found(SelectAll(drawing_)); break;
    case kWindow:
    case kCrossing:
        crossing_ = a.keyword == kCrossing;
        step_ = Step::FirstCorner;
        break;
    case kSingle: single_ = true; break;
    case kAuto: single_ = false; break;
    }
}

Selection ObjectPicker::Objects() const {
    Selection all = chosen_;
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

} // namespace cad::command
