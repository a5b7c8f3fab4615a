// Drawing commands: PLINE, LINE, CIRCLE, ARC, DTEXT.
#include "cad/command/commands.h"

#include "platform/runtime/number_text.h"

#include <cmath>

namespace cad::command {

namespace {

const std::string kNextPoint = "Next point or Enter to end: ";

std::string WithDefault(const std::string& what, double value) { return what + " <" + rt::CStr(value) + ">: "; }

bool SamePlace(Point a, Point b) { return a.x == b.x && a.y == b.y; }

double Direction(Point from, Point to) { return NormalizeDegrees(Degrees(std::atan2(to.y - from.y, to.x - from.x))); }

// The start of the next text line: one and a half heights below, across the text direction.
Point NextLine(const Text& t) {
    const double r = Radians(t.rotation), step = 1.5 * t.height;
    return {t.position.x + step * std::sin(r), t.position.y - step * std::cos(r), t.position.z};
}

} // namespace

CommandTask PlineCommand(Session& s) {
    Answer a = co_await s.AskPoint("Start point: ");
    if (a.kind == Answer::Enter) co_return;
    Polyline pl;
    pl.vertices.push_back(a.point);
    while (true) {
        a = co_await s.AskPointFrom(kNextPoint, pl.vertices.back());
        if (a.kind == Answer::Enter) break;
        a.point.z = pl.vertices.front().z; // one plane for the whole polyline
        pl.vertices.push_back(a.point);
    }
    if (pl.vertices.size() < 2) {
        s.Message("A polyline needs two points; nothing drawn.");
        co_return;
    }
    s.drawing().Add(std::move(pl));
}

CommandTask LineCommand(Session& s) {
    Answer a = co_await s.AskPoint("First point or Enter to continue: ");
    Point from = a.point;
    if (a.kind == Answer::Enter) {
        if (!s.memory().lineContinuation) {
            s.Refuse("", "No line or arc to continue.");
            co_return;
        }
        from = *s.memory().lineContinuation;
        s.memory().lastPoint = from;
    }
    while (true) {
        a = co_await s.AskPointFrom(kNextPoint, from);
        if (a.kind == Answer::Enter) co_return;
        s.drawing().Add(Line{from, a.point});
        from = a.point;
        s.memory().lineContinuation = from;
    }
}

CommandTask CircleCommand(Session& s) {
    const Answer centre = co_await s.AskPoint("Centre point: ");
    if (centre.kind == Answer::Enter) co_return;
    auto& remembered = s.memory().circleRadius;
    std::string prompt = remembered ? WithDefault("Radius", *remembered) : std::string("Radius: ");
    const Answer r = co_await s.AskNumber(std::move(prompt), NumberRule::Positive);
    if (r.kind == Answer::Enter && !remembered) {
        s.Refuse("", "No radius given; nothing drawn.");
        co_return;
    }
    if (r.kind == Answer::Number) remembered = r.number;
    s.drawing().Add(Circle{centre.point, *remembered});
}

CommandTask ArcCommand(Session& s) {
    const Answer start = co_await s.AskPoint("Start point: ");
    if (start.kind == Answer::Enter) co_return;
    Question centreOption;
    centreOption.prompt = "Centre option [C]: ";
    centreOption.keywords = {{0, "C|CE|CEN|CENTER|CENTRE"}};
    centreOption.hint = "Enter C for the centre option.";
    const Answer option = co_await s.Ask(std::move(centreOption));
    if (option.kind == Answer::Enter) co_return;
    Answer centre;
    while (true) {
        centre = co_await s.AskPoint("Centre point: ");
        if (centre.kind == Answer::Enter) co_return;
        if (!SamePlace(centre.point, start.point)) break;
        s.Refuse(centre.text, "The centre must differ from the start point.");
    }
    const double startAngle = Direction(centre.point, start.point);
    while (true) {
        const Answer end = co_await s.AskPoint("End point (counter-clockwise): ");
        if (end.kind == Answer::Enter) co_return;
        if (SamePlace(end.point, centre.point) || Direction(centre.point, end.point) == startAngle) {
            s.Refuse(end.text, "The end point must lie in another direction from the centre than the start point.");
            continue;
        }
        const Arc arc{centre.point, std::hypot(start.point.x - centre.point.x, start.point.y - centre.point.y),
                      startAngle, Direction(centre.point, end.point)};
        s.drawing().Add(arc);
        s.memory().lineContinuation = arc.End();
        co_return;
    }
}

CommandTask DtextCommand(Session& s) {
    CommandMemory& m = s.memory();
    const Answer start = co_await s.AskPoint("Start point of text or Enter to continue: ");
    Text t;
    if (start.kind == Answer::Enter) {
        if (m.lastText) {
            t = *m.lastText;
            t.position = NextLine(*m.lastText);
        } else {
            t.height = m.textHeight;
            t.rotation = m.textRotation;
        }
    } else {
        t.position = start.point;
        std::string heightPrompt = WithDefault("Height", m.textHeight);
        const Answer h = co_await s.AskNumber(std::move(heightPrompt), NumberRule::Positive);
        if (h.kind == Answer::Number) m.textHeight = h.number;
        std::string rotationPrompt = WithDefault("Rotation angle", m.textRotation);
        const Answer r = co_await s.AskNumber(std::move(rotationPrompt), NumberRule::Any);
        if (r.kind == Answer::Number) m.textRotation = r.number;
        t.height = m.textHeight;
        t.rotation = m.textRotation;
    }
    while (true) {
        const Answer line = co_await s.AskText("Text: ");
        if (line.kind == Answer::Enter) co_return;
        t.text = line.text;
        s.drawing().Add(t);
        m.lastText = t;
        t.position = NextLine(t);
    }
}

} // namespace cad::command
