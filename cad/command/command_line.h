#pragma once
// The command line of the CAD: one interpreter that every input channel (DDE execute
// strings, window typing, the window's own keyboard) feeds with code page 932 bytes.
//
// Typing rules: CR is Enter; a blank is Enter except where a text is asked for; character 3
// cancels the running command (a "*Cancel*" line goes to the history, also when idle);
// backspace (8) takes back the last character; other control characters are refused.
// Enter at the idle prompt repeats the last command. Command words and keywords are read
// without regard to case, with a leading "_" and/or "-" allowed. An answer that does not fit
// the question is refused and the same question is asked again.
//
// A Japanese product's command line shows the commands' prompts and messages in Japanese
// (japanese_texts.h), worded as its release words them; its idle prompt is "ｺﾏﾝﾄﾞ: ".
//
// Texts are held as UTF-8: each completed answer is converted from code page 932 here, so the
// drawing, the history, the prompt and the rejection log are all UTF-8.
#include "cad/command/session.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cad::command {

// English, Japanese, or Japanese as the single-drawing releases word it.
enum class Wording { English, Japanese, JapaneseSingleDrawing };

struct Rejection {
    std::string prompt; // the question that was asked
    std::string input;  // what was typed
    std::string reason;
};

class CommandLine final : public Session {
public:
    static constexpr std::size_t kHistoryLimit = 4000;   // oldest lines drop off
    static constexpr std::size_t kRejectionLimit = 1000; // oldest entries drop off, the count goes on
    static constexpr std::size_t kInputLimit = 1024;     // bytes of one answer

    explicit CommandLine(Drawing& drawing, Wording wording = Wording::English);
    ~CommandLine() override;

    void Type(std::string_view bytes);
    void Type(char byte) { Type(std::string_view(&byte, 1)); }

    bool IsIdle() const { return !task_.Active(); }
    // Whether the question asked is one that only the user may answer.
    bool AsksUser() const { return pending_ && pending_->forUser; }
    const std::string& Prompt() const;
    std::string Input() const; // the answer being typed, as UTF-8
    const std::deque<std::string>& History() const { return history_; }
    const std::deque<Rejection>& Rejections() const { return rejections_; }
    std::size_t RejectionCount() const { return rejectionCount_; }

    // Called after every Type() that changed something, e.g. to repaint a window.
    void AddListener(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

    // Picks with the mouse (points already snapped by the screen).
    // Whether the question asked takes a point: a point question or a corner of a window.
    bool WantsPoint() const;
    // Whether "Select objects: " is asked with no window begun: a click picks an object.
    bool WantsObjects() const;
    // Answers the point question, or gives the corner of the window being chosen; a window
    // begun by a click in empty space selects what lies wholly inside when its other corner
    // is to the right, what it touches when to the left. False when no point is asked for.
    bool PickPoint(Point p);
    // A click at "Select objects: ": the entity picked ("1 found"), or with none a window
    // begun at the point. False when objects are not asked for.
    bool PickObject(std::optional<std::size_t> entity, Point at);
    // The first corner of the window being chosen, and whether a window of the other corner
    // at `other` is a crossing one.
    std::optional<Point> WindowCorner() const;
    // The base of the point asked for (the last point of a line being drawn), if it has one.
    std::optional<Point> RubberBandFrom() const { return pending_ && pending_->point ? pending_->from : std::nullopt; }
    bool IsCrossingWindow(Point other) const;
    // The objects gathered so far at "Select objects: ", to be shown highlighted.
    const Selection& Gathered() const { return selecting_.objects; }

    void Message(std::string line) override;
    void Refuse(std::string_view input, std::string reason) override;

private:
    void Record(std::string line);                  // a history line as it stands (the echo of an answer)
    std::string Local(std::string_view text) const; // the text in the command line's language
    void Feed(unsigned char c);
    void Submit();
    void Cancel();
    void Start(const std::string& word);
    void Reply(const std::string& token);
    void ReplyToSelection(const std::string& token);
    void TakeCorner(Point p);
    void Run();
    const std::string& CurrentPrompt() const;

    enum class Corner { None, First, Second };
    struct SelectionInProgress {
        Selection objects;
        std::vector<Rect> windows;
        Corner corner = Corner::None;
        bool crossing = false;
        bool implied = false; // begun by a click: the direction of the other corner decides
        Point first;
    };

    Wording wording_;
    std::string idlePrompt_;
    std::string selectPrompt_, firstCornerPrompt_, otherCornerPrompt_;
    std::string answeredPrompt_; // shown while a command works on an answer
    CommandTask task_;
    std::string lastCommand_;
    std::string input_; // code page 932 bytes
    bool inputOverflow_ = false;
    SelectionInProgress selecting_;
    std::deque<std::string> history_;
    std::deque<Rejection> rejections_;
    std::size_t rejectionCount_ = 0;
    std::vector<std::function<void()>> listeners_;
};

} // namespace cad::command
