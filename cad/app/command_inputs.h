#pragma once
// Everything typed at a running product's command line passes here: the channel (text sent
// to the main frame, keys posted to its windows, DDE, scripts) and the user's typing in the
// CAD window. Code page 932 bytes.
//
// A line begun by the user is put aside while the channel types, and typed back when the
// channel has ended its line, so the two never share one half-typed line.
//
// A line beginning with "'" is a transparent command: it runs beside the command in
// progress (on a second interpreter sharing the drawing and the variables), its prompts are
// shown as ">>prompt" and its lines join the history; the command in progress then goes on.
#include "cad/command/command_line.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace cad::app {

class CommandInputs {
public:
    CommandInputs(command::CommandLine& main, command::CommandLine& transparent);

    void TypeFromChannel(std::string_view bytes);
    void TypeFromUser(std::string_view bytes);

    // The user's picks with the mouse, answering the question open (of the transparent
    // command while one runs); false when none takes them or the channel is typing a line.
    bool PickPoint(Point p);
    bool PickObject(std::optional<std::size_t> entity, Point at);

    // The prompt as the command line shows it, and the prompt with what is typed (UTF-8).
    std::string Prompt() const;
    std::string Line() const;

private:
    enum class Owner { None, User, Channel };
    void Feed(Owner who, std::string_view bytes);
    bool Pick(const std::function<bool(command::CommandLine&)>& pick);
    void FeedByte(unsigned char c);
    void StartTransparent();
    void CopyTransparentHistory();
    std::string TypedBytes() const; // what the current line holds, code page 932
    void Erase();

    command::CommandLine& main_;
    command::CommandLine& transparent_;
    Owner owner_ = Owner::None; // who began the line now being typed
    std::string setAside_;      // the user's line, put aside while the channel types
    std::string quoted_;        // a transparent command word being typed, with its "'"
    bool transparentRunning_ = false;
    std::size_t transparentSeen_ = 0; // lines of the transparent history already copied
};

} // namespace cad::app
