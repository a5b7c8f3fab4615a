#include "cad/command/command_line.h"

#include "cad/command/commands.h"
#include "cad/command/japanese_texts.h"
#include "cad/command/number_input.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <algorithm>
#include <utility>

namespace cad::command {

namespace {

bool HasHighBytes(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::string UpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool MatchesKeyword(const std::string& upper, std::string_view spellings) {
    while (true) {
        const std::size_t bar = spellings.find('|');
        if (spellings.substr(0, bar) == upper) return true;
        if (bar == std::string_view::npos) return false;
        spellings.remove_prefix(bar + 1);
    }
}

// Start of the last character of code page 932 bytes.
std::size_t LastCharacterStart(std::string_view bytes) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        start = i;
        if (rt::IsLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size()) ++i;
    }
    return start;
}

// For display: bytes that are no valid text (a half-typed double-byte character) are left out.
std::string Displayable(std::string_view bytes) {
    if (!HasHighBytes(bytes)) return std::string(bytes);
    try {
        return rt::Cp932ToUtf8(bytes);
    } catch (const rt::Error&) {
        std::string ascii;
        for (char c : bytes)
            if (static_cast<unsigned char>(c) < 0x80) ascii += c;
        return ascii;
    }
}

} // namespace

CommandLine::CommandLine(Drawing& drawing, Wording wording)
        : Session(drawing), wording_(wording), idlePrompt_(wording == Wording::English ? "Command: " : "ｺﾏﾝﾄﾞ: "),
          selectPrompt_(Local("Select objects: ")), firstCornerPrompt_(Local("First corner: ")),
          otherCornerPrompt_(Local("Other corner: ")) {}

CommandLine::~CommandLine() = default;

void CommandLine::Type(std::string_view bytes) {
    for (char c : bytes) Feed(static_cast<unsigned char>(c));
    for (const auto& listener : listeners_) listener();
}

const std::string& CommandLine::Prompt() const { return CurrentPrompt(); }

std::string CommandLine::Input() const { return Displayable(input_); }

const std::string& CommandLine::CurrentPrompt() const {
    if (!pending_) return task_.Active() ? answeredPrompt_ : idlePrompt_;
    if (!pending_->objects) return pending_->prompt;
    switch (selecting_.corner) {
    case Corner::First: return firstCornerPrompt_;
    case Corner::Second: return otherCornerPrompt_;
    default: return selectPrompt_;
    }
}

std::string CommandLine::Local(std::string_view text) const {
    switch (wording_) {
    case Wording::Japanese: return JapaneseText(text);
    case Wording::JapaneseSingleDrawing: return JapaneseText(text, JapaneseRelease::SingleDrawing);
    case Wording::English: break;
    }
    return std::string(text);
}

void CommandLine::Record(std::string line) {
    history_.push_back(std::move(line));
    while (history_.size() > kHistoryLimit) history_.pop_front();
}

void CommandLine::Message(std::string line) { Record(Local(line)); }

void CommandLine::Refuse(std::string_view input, std::string reason) {
    reason = Local(reason);
    rejections_.push_back(Rejection{CurrentPrompt(), std::string(input), reason});
    ++rejectionCount_;
    while (rejections_.size() > kRejectionLimit) rejections_.pop_front();
    Record(std::move(reason));
}

void CommandLine::Feed(unsigned char c) {
    const bool textWanted = pending_ && pending_->text;
    if (c == 3) return Cancel();
    if (c == '\r' || (c == ' ' && !textWanted)) return Submit();
    if (c == 8) {
        if (!input_.empty()) input_.resize(LastCharacterStart(input_));
        return;
    }
    if (c < 0x20 || c == 0x7F) {
        Refuse(std::string{'^', static_cast<char>(c < 0x20 ? c + 0x40 : '?')}, "Control character ignored.");
        return;
    }
    if (input_.size() < kInputLimit) input_ += static_cast<char>(c);
    else inputOverflow_ = true;
}

void CommandLine::Cancel() {
    Record(CurrentPrompt() + Displayable(input_) + "*Cancel*");
    input_.clear();
    inputOverflow_ = false;
    const bool wasRunning = task_.Active();
    task_.Reset();
    pending_.reset();
    selecting_ = {};
    if (wasRunning) undo().End(drawing()); // what the command did before the cancel stays, as one step
}

void CommandLine::Submit() {
    const std::string bytes = std::move(input_);
    input_.clear();
    const bool overflow = std::exchange(inputOverflow_, false);
    std::string token;
    bool valid = true;
    if (HasHighBytes(bytes)) {
        try {
            token = rt::Cp932ToUtf8(bytes);
        } catch (const rt::Error&) {
            valid = false;
        }
    } else {
        token = bytes;
    }
    const std::string shown = valid ? token : Displayable(bytes);
    Record(CurrentPrompt() + shown);
    answeredPrompt_ = CurrentPrompt();
    if (overflow)
        return Refuse(shown.substr(0, 64),
                      "Input longer than " + rt::CStr(static_cast<long long>(kInputLimit)) + " characters refused.");
    if (!valid) return Refuse(shown, "Not a valid Japanese text (code page 932).");
    if (IsIdle()) Start(token);
    else Reply(token);
}

void CommandLine::Start(const std::string& typed) {
    std::string word = typed;
    if (word.empty()) {
        if (lastCommand_.empty()) return;
        word = lastCommand_;
    }
    std::string_view name = word;
    for (int i = 0; i < 2 && !name.empty() && (name.front() == '_' || name.front() == '-'); ++i) name.remove_prefix(1);
    const std::string upper = UpperAscii(name);
    const CommandFactory factory = FindCommand(upper);
    if (!factory) return Refuse(typed, "Unknown command \"" + typed + "\".");
    lastCommand_ = upper;
    undo().Begin(drawing(), upper);
    task_ = factory(*this);
    Run();
}

void CommandLine::Reply(const std::string& token) {
    const Question& q = *pending_;
    if (q.objects) {
        ReplyToSelection(token);
        return;
    }
    answer_ = Answer{};
    answer_.text = token;
    if (token.empty()) {
        answer_.kind = Answer::Enter;
    } else if (q.text) {
        answer_.kind = Answer::Text;
    } else {
        bool fits = false;
        const std::string upper = UpperAscii(token);
        for (const Keyword& k : q.keywords) {
            if (!MatchesKeyword(upper, k.spellings)) continue;
            answer_.kind = Answer::Keyword;
            answer_.keyword = k.id;
            fits = true;
            break;
        }
        if (!fits && q.point) {
            if (const auto p = ParsePoint(token, memory().lastPoint)) {
                answer_.kind = Answer::Point;
                answer_.point = *p;
                memory().lastPoint = *p;
                fits = true;
            }
        }
        if (!fits && q.number != NumberRule::None) {
            const auto n = ParseNumber(token);
            if (n && q.number == NumberRule::Positive && *n <= 0)
                return Refuse(token, "Value must be positive and nonzero.");
            if (n && q.number == NumberRule::NonZero && *n == 0) return Refuse(token, "Value must be nonzero.");
            if (n) {
                answer_.kind = Answer::Number;
                answer_.number = *n;
                fits = true;
            }
        }
        if (!fits && q.word) {
            answer_.kind = Answer::Word;
            fits = true;
        }
        if (!fits) return Refuse(token, std::string(q.hint.empty() ? "Invalid input." : q.hint));
    }
    pending_.reset();
    Run();
}

void CommandLine::ReplyToSelection(const std::string& token) {
    SelectionInProgress& s = selecting_;
    if (s.corner != Corner::None) {
        if (token.empty()) {
            Refuse(token, "No corner given; window abandoned.");
            s.corner = Corner::None;
            return;
        }
        const auto p = ParsePoint(token, memory().lastPoint);
        if (!p) return Refuse(token, "Point expected."); // the same corner is asked again
        TakeCorner(*p);
        return;
    }
    if (token.empty()) {
        std::sort(s.objects.begin(), s.objects.end());
        s.objects.erase(std::unique(s.objects.begin(), s.objects.end()), s.objects.end());
        answer_ = Answer{};
        answer_.kind = Answer::Objects;
        answer_.objects = std::move(s.objects);
        answer_.windows = std::move(s.windows);
        selecting_ = {};
        pending_.reset();
        Run();
        return;
    }
    const std::string upper = UpperAscii(token);
    if (upper == "W" || upper == "WINDOW" || upper == "C" || upper == "CROSSING") {
        s.crossing = upper.front() == 'C';
        s.corner = Corner::First;
    } else if (upper == "ALL") {
        const Selection all = SelectAll(drawing());
        s.objects.insert(s.objects.end(), all.begin(), all.end());
        Message(rt::CStr(static_cast<long long>(all.size())) + " found");
    } else {
        Refuse(token, "Expects W (window), C (crossing), ALL or Enter.");
    }
}

void CommandLine::TakeCorner(Point p) {
    SelectionInProgress& s = selecting_;
    memory().lastPoint = p;
    if (s.corner == Corner::First) {
        s.first = p;
        s.corner = Corner::Second;
        return;
    }
    if (s.implied) s.crossing = IsCrossingWindow(p);
    const Rect window = Rect::FromCorners(s.first, p);
    const Selection found = s.crossing ? SelectCrossing(drawing(), window) : SelectWindow(drawing(), window);
    s.objects.insert(s.objects.end(), found.begin(), found.end());
    s.windows.push_back(window);
    s.corner = Corner::None;
    s.implied = false;
    Message(rt::CStr(static_cast<long long>(found.size())) + " found");
}

bool CommandLine::WantsPoint() const {
    return pending_ && (pending_->point || (pending_->objects && selecting_.corner != Corner::None));
}

bool CommandLine::WantsObjects() const { return pending_ && pending_->objects && selecting_.corner == Corner::None; }

bool CommandLine::PickPoint(Point p) {
    if (!WantsPoint()) return false;
    Record(CurrentPrompt());
    input_.clear();
    inputOverflow_ = false;
    if (pending_->objects) {
        TakeCorner(p);
    } else {
        answeredPrompt_ = CurrentPrompt();
        answer_ = Answer{};
        answer_.kind = Answer::Point;
        answer_.point = p;
        memory().lastPoint = p;
        pending_.reset();
        Run();
    }
    for (const auto& listener : listeners_) listener();
    return true;
}

bool CommandLine::PickObject(std::optional<std::size_t> entity, Point at) {
    if (!WantsObjects()) return false;
    input_.clear();
    inputOverflow_ = false;
    Record(CurrentPrompt());
    if (entity && *entity < std::as_const(drawing()).Entities().size()) {
        selecting_.objects.push_back(*entity);
        Message("1 found");
    } else {
        selecting_.first = at;
        selecting_.corner = Corner::Second;
        selecting_.implied = true;
        memory().lastPoint = at;
    }
    for (const auto& listener : listeners_) listener();
    return true;
}

std::optional<Point> CommandLine::WindowCorner() const {
    if (!pending_ || !pending_->objects || selecting_.corner != Corner::Second) return std::nullopt;
    return selecting_.first;
}

bool CommandLine::IsCrossingWindow(Point other) const {
    return selecting_.implied ? other.x < selecting_.first.x : selecting_.crossing;
}

void CommandLine::Run() {
    try {
        task_.Resume();
    } catch (const std::exception& e) {
        Refuse("", e.what());
    }
    if (!task_.Active()) {
        pending_.reset();
        selecting_ = {};
        undo().End(drawing());
    } else if (pending_) {
        pending_->prompt = Local(pending_->prompt);
    }
}

} // namespace cad::command
