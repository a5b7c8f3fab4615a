// Editing commands: ERASE, MOVE, ROTATE, STRETCH, EXPLODE, ZOOM.
#include "cad/command/commands.h"

#include "cad/drawing/edit.h"
#include "platform/runtime/number_text.h"

namespace cad::command {

namespace {

const std::string kBasePoint = "Base point: ";

// MOVE and STRETCH: objects, base point, second point (Enter there takes the base point as
// the displacement).
CommandTask Displace(Session& s, bool stretch) {
    const Answer picked = co_await s.AskObjects();
    if (picked.objects.empty()) co_return;
    const Answer base = co_await s.AskPoint(kBasePoint);
    if (base.kind == Answer::Enter) co_return;
    const Answer second =
        co_await s.AskPointFrom("Second point or Enter to use the base point as displacement: ", base.point);
    const Point d = second.kind == Answer::Enter ? base.point : second.point - base.point;
    if (stretch) StretchEntities(s.drawing(), picked.objects, picked.windows, d);
    else MoveEntities(s.drawing(), picked.objects, d);
}

} // namespace

CommandTask EraseCommand(Session& s) {
    const Answer picked = co_await s.AskObjects();
    EraseEntities(s.drawing(), picked.objects);
}

CommandTask MoveCommand(Session& s) { return Displace(s, false); }

CommandTask StretchCommand(Session& s) { return Displace(s, true); }

CommandTask RotateCommand(Session& s) {
    const Answer picked = co_await s.AskObjects();
    if (picked.objects.empty()) co_return;
    const Answer base = co_await s.AskPoint(kBasePoint);
    if (base.kind == Answer::Enter) co_return;
    const Answer angle = co_await s.AskNumber("Rotation angle: ", NumberRule::Any);
    if (angle.kind == Answer::Enter) co_return;
    RotateEntities(s.drawing(), picked.objects, base.point, angle.number);
}

CommandTask ExplodeCommand(Session& s) {
    const Answer picked = co_await s.AskObjects();
    const ExplodeResult r = ExplodeEntities(s.drawing(), picked.objects);
    if (r.refused > 0) s.Message(rt::CStr(r.refused) + " could not be exploded.");
}

CommandTask ZoomCommand(Session& s) {
    std::vector<Keyword> extents{{0, "A|ALL|E|EXTENTS"}};
    const Answer first = co_await s.AskPoint("Window corner or [All/Extents]: ", std::move(extents));
    if (first.kind == Answer::Enter) co_return;
    if (first.kind == Answer::Keyword) {
        s.drawing().SetView(std::nullopt);
        co_return;
    }
    const Answer second = co_await s.AskPoint("Other corner: ");
    if (second.kind == Answer::Enter) co_return;
    const Rect window = Rect::FromCorners(first.point, second.point);
    if (window.maxX == window.minX || window.maxY == window.minY) {
        s.Refuse(second.text, "The zoom window has no area.");
        co_return;
    }
    s.drawing().SetView(window);
}

} // namespace cad::command
