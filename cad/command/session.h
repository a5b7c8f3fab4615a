#pragma once
// What a running command sees of the command line: the drawing, the values the commands
// remember between runs, and the questions it can ask. Questions are awaited; the command
// line re-prompts by itself until an answer fits the question.
#include "cad/command/command_task.h"
#include "cad/command/undo.h"
#include "cad/drawing/drawing.h"
#include "cad/drawing/selection.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cad::command {

// One keyword of a question: its spellings separated by '|', e.g. "C|CENTRE|CENTER".
struct Keyword {
    int id;
    std::string_view spellings;
};

enum class NumberRule { None, Any, Positive, NonZero };

struct Question {
    std::string prompt;
    bool point = false;
    NumberRule number = NumberRule::None;
    bool text = false;    // the whole line up to Enter, blanks included
    bool word = false;    // any single word (a name)
    bool objects = false; // an object selection, ended by Enter
    std::vector<Keyword> keywords;
    std::string_view hint;          // why an answer that fits nothing is refused
    std::optional<cad::Point> from; // a point question's base: the screen draws a line from it to the cursor
    bool forUser = false;           // only the user may answer it (what to do with unsaved changes)
};

struct Answer {
    enum Kind { Enter, Point, Number, Keyword, Text, Word, Objects } kind = Enter;
    cad::Point point;
    double number = 0;
    int keyword = 0;
    std::string text; // Text and Word answers, UTF-8
    Selection objects;
    std::vector<Rect> windows; // the windows the objects were chosen with
};

// Looks a block up outside the drawing (a block library) and defines it in the drawing;
// false when there is none of that name. What of the library file could not be taken over
// is told in `warnings`. Raises rt::Error when a library file is unusable.
using BlockSource = std::function<bool(std::string_view name, Drawing& drawing, std::vector<std::string>& warnings)>;

// Values that commands keep from one run to the next.
struct CommandMemory {
    Point lastPoint;
    std::optional<Point> lineContinuation; // end of the last line or arc drawn
    std::optional<double> circleRadius;
    double textHeight = 2.5;
    double textRotation = 0;
    std::optional<Text> lastText; // where Enter at the text start point continues
};

class Session;

struct QuestionAwaiter {
    Session& session;
    Question question;
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<>) noexcept;
    Answer await_resume();
};

class Session {
public:
    explicit Session(Drawing& drawing) : drawing_(drawing) {}
    virtual ~Session() = default;

    Drawing& drawing() { return drawing_; }
    CommandMemory& memory() { return memory_; }
    const BlockSource& blockSource() const { return blockSource_; }
    void SetBlockSource(BlockSource source) { blockSource_ = std::move(source); }
    UndoHistory& undo() { return undo_; }

    QuestionAwaiter Ask(Question q) { return QuestionAwaiter{*this, std::move(q)}; }
    QuestionAwaiter AskPoint(std::string prompt, std::vector<Keyword> keywords = {});
    QuestionAwaiter AskPointFrom(std::string prompt, Point from);
    QuestionAwaiter AskNumber(std::string prompt, NumberRule rule);
    QuestionAwaiter AskKeyword(std::string prompt, std::vector<Keyword> keywords);
    QuestionAwaiter AskText(std::string prompt);
    QuestionAwaiter AskWord(std::string prompt);
    QuestionAwaiter AskObjects();

    // A line of the command's output in the history.
    virtual void Message(std::string line) = 0;
    // An answer or request the command refuses; logged and shown.
    virtual void Refuse(std::string_view input, std::string reason) = 0;

private:
    friend struct QuestionAwaiter;
    Drawing& drawing_;
    CommandMemory memory_;
    BlockSource blockSource_;
    UndoHistory undo_;

protected:
    std::optional<Question> pending_;
    Answer answer_;
};

inline void QuestionAwaiter::await_suspend(std::coroutine_handle<>) noexcept { session.pending_ = std::move(question); }

inline Answer QuestionAwaiter::await_resume() { return std::move(session.answer_); }

using CommandFactory = CommandTask (*)(Session&);

} // namespace cad::command
