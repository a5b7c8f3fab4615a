#include "cad/app/command_inputs.h"

#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

#include <algorithm>

namespace cad::app {

namespace {

constexpr unsigned char kCancel = 3;
constexpr unsigned char kBackspace = 8;

std::size_t CharacterCount(std::string_view cp932) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < cp932.size(); ++i, ++n)
        if (rt::IsLeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size()) ++i;
    return n;
}

std::string ToUtf8(std::string_view cp932) {
    try {
        return rt::Cp932ToUtf8(cp932);
    } catch (const rt::Error&) {
        return std::string();
    }
}

std::string ToCp932(std::string_view utf8) {
    try {
        return rt::Utf8ToCp932(utf8);
    } catch (const rt::Error&) {
        return std::string();
    }
}

} // namespace

CommandInputs::CommandInputs(command::CommandLine& main, command::CommandLine& transparent)
        : main_(main), transparent_(transparent) {}

void CommandInputs::TypeFromChannel(std::string_view bytes) {
    if (owner_ != Owner::Channel) {
        setAside_ = TypedBytes();
        if (!setAside_.empty()) Erase();
    }
    Feed(Owner::Channel, bytes);
    if (owner_ == Owner::None && !setAside_.empty()) Feed(Owner::User, std::exchange(setAside_, {}));
}

void CommandInputs::TypeFromUser(std::string_view bytes) {
    if (owner_ == Owner::Channel) {
        // The channel's line comes first; the user's keys follow it.
        setAside_ += bytes;
        return;
    }
    Feed(Owner::User, bytes);
}

bool CommandInputs::PickPoint(Point p) {
    return Pick([p](command::CommandLine& line) { return line.PickPoint(p); });
}

bool CommandInputs::PickObject(std::optional<std::size_t> entity, Point at) {
    return Pick([entity, at](command::CommandLine& line) { return line.PickObject(entity, at); });
}

bool CommandInputs::Pick(const std::function<bool(command::CommandLine&)>& pick) {
    if (owner_ == Owner::Channel || !quoted_.empty()) return false;
    if (!pick(transparentRunning_ ? transparent_ : main_)) return false;
    if (transparentRunning_) {
        CopyTransparentHistory();
        transparentRunning_ = !transparent_.IsIdle();
    }
    owner_ = Owner::None; // a pick answers in place of what the user had begun to type
    return true;
}

void CommandInputs::Feed(Owner who, std::string_view bytes) {
    for (char c : bytes) FeedByte(static_cast<unsigned char>(c));
    owner_ = TypedBytes().empty() ? Owner::None : who;
}

void CommandInputs::FeedByte(unsigned char c) {
    if (transparentRunning_) {
        transparent_.Type(static_cast<char>(c));
        CopyTransparentHistory();
        if (transparent_.IsIdle()) transparentRunning_ = false;
        if (c == kCancel) main_.Type(static_cast<char>(c)); // a cancel ends both commands
        return;
    }
    if (!quoted_.empty()) {
        if (c == kCancel) {
            quoted_.clear();
            main_.Type(static_cast<char>(c));
        } else if (c == kBackspace) {
            std::size_t last = 0;
            for (std::size_t i = 0; i < quoted_.size(); ++i) {
                last = i;
                if (rt::IsLeadByte(static_cast<unsigned char>(quoted_[i])) && i + 1 < quoted_.size()) ++i;
            }
            quoted_.resize(last);
        } else if (c == '\r' || c == ' ') {
            StartTransparent();
        } else {
            quoted_ += static_cast<char>(c);
        }
        return;
    }
    if (c == '\'' && main_.Input().empty()) {
        quoted_ = "'";
        return;
    }
    main_.Type(static_cast<char>(c));
}

void CommandInputs::StartTransparent() {
    const std::string word = quoted_.substr(1);
    quoted_.clear();
    main_.Message(main_.Prompt() + ToUtf8("'" + word));
    if (word.empty()) return;
    const std::size_t before = transparent_.History().size();
    transparent_.Type(word + "\r");
    // Its first line echoes the word, which the history already shows.
    transparentSeen_ = std::min(before + 1, transparent_.History().size());
    CopyTransparentHistory();
    transparentRunning_ = !transparent_.IsIdle();
}

void CommandInputs::CopyTransparentHistory() {
    const auto& lines = transparent_.History();
    if (transparentSeen_ > lines.size()) transparentSeen_ = lines.size();
    for (std::size_t i = transparentSeen_; i < lines.size(); ++i) main_.Message(">>" + lines[i]);
    transparentSeen_ = lines.size();
}

std::string CommandInputs::Prompt() const {
    return transparentRunning_ ? ">>" + transparent_.Prompt() : main_.Prompt();
}

std::string CommandInputs::Line() const {
    if (!quoted_.empty()) return main_.Prompt() + ToUtf8(quoted_);
    return Prompt() + (transparentRunning_ ? transparent_.Input() : main_.Input());
}

std::string CommandInputs::TypedBytes() const {
    if (!quoted_.empty()) return quoted_;
    return ToCp932(transparentRunning_ ? transparent_.Input() : main_.Input());
}

void CommandInputs::Erase() {
    const std::size_t n = CharacterCount(TypedBytes()) + 1; // one more for a half-typed character
    for (std::size_t i = 0; i < n; ++i) FeedByte(kBackspace);
}

} // namespace cad::app
