#pragma once
// Where the window sends what the user does: straight to the command line, or to the program
// the command line runs in, which keeps the user's typing apart from its other input channels.
#include "cad/command/command_line.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cad::view {

class UserInput {
public:
    virtual ~UserInput() = default;
    // Keys typed, code page 932.
    virtual void Type(std::string_view keys) = 0;
    // Picks with the mouse, as CommandLine::PickPoint and PickObject.
    virtual bool PickPoint(Point p) = 0;
    virtual bool PickObject(std::optional<std::size_t> entity, Point at) = 0;
    // The prompt and what is typed, and a line of the history, as shown (UTF-8).
    virtual std::string Line() const = 0;
    virtual std::string HistoryLine(const std::string& line) const = 0;
    // The name by which the command line knows a file chosen in a file dialog (UTF-8).
    virtual std::string FileName(const std::string& chosen) const = 0;
};

class DirectInput final : public UserInput {
public:
    explicit DirectInput(command::CommandLine& commandLine) : commandLine_(commandLine) {}
    void Type(std::string_view keys) override { commandLine_.Type(keys); }
    bool PickPoint(Point p) override { return commandLine_.PickPoint(p); }
    bool PickObject(std::optional<std::size_t> entity, Point at) override {
        return commandLine_.PickObject(entity, at);
    }
    std::string Line() const override { return commandLine_.Prompt() + commandLine_.Input(); }
    std::string HistoryLine(const std::string& line) const override { return line; }
    std::string FileName(const std::string& chosen) const override { return chosen; }

private:
    command::CommandLine& commandLine_;
};

} // namespace cad::view
