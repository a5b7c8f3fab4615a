#pragma once
// A scripted CAD control for the screens that pick: its watch raises the idle event on the
// second tick of an idle prompt, its picks come from a script, and it keeps every call the
// screen makes.
#include "vantor/pellix/detached_pellix.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace pellix_test {

class ScriptedPellix : public 縦断bus::DetachedPellix {
public:
    // The user's answers to the point prompts: a point (x, y) or a cancel (nullopt); when the
    // script runs out the user cancels.
    std::deque<std::optional<std::pair<double, double>>> picks;
    // What the user does while a point prompt waits (before answering it).
    std::function<void(int prompt)> duringPick;

    bool enabled = false, visible = false, cmdIdle = false, locked = true;
    int interval = 0;
    int getPoints = 0;
    int interCancels = 0;
    std::vector<std::string> commands; // every Command call
    std::vector<std::string> typed;    // what reached the command line

    // One tick of the watch: the idle prompt stands unchanged one tick longer.
    void Tick() {
        if (!enabled || interval <= 0 || raised_) return;
        if (++idleTicks_ == 2) {
            raised_ = true;
            if (OnAcadCmdWait) OnAcadCmdWait();
        }
    }
    void Ticks(int n) {
        for (int k = 0; k < n; ++k) Tick();
    }

    void SetEnabled(bool v) override {
        enabled = v;
        Restart();
    }
    void SetVisible(bool v) override { visible = v; }
    void SetCmdIdle(bool v) override { cmdIdle = v; }
    void SetInterval(int v) override {
        interval = v;
        Restart();
    }
    void SetAcadLocked(bool v) override { locked = v; }
    bool Enabled() override { return enabled; }
    bool Visible() override { return visible; }
    bool CmdIdle() override { return cmdIdle; }
    int Interval() override { return interval; }
    bool AcadLocked() override { return locked; }
    bool GetPoint(bool, double& x, double& y, double& z) override {
        const int prompt = ++getPoints;
        if (duringPick) duringPick(prompt);
        Restart(); // the prompt changed the command line
        if (std::exchange(cancelled_, false)) return false;
        if (picks.empty() || !picks.front()) {
            if (!picks.empty()) picks.pop_front();
            return false;
        }
        std::tie(x, y) = *picks.front();
        z = 0;
        picks.pop_front();
        return true;
    }
    // Ends the prompt that is waiting (asked for during a pick, as the screen does meanwhile).
    void InterCancel() override {
        ++interCancels;
        cancelled_ = true;
    }
    // Line by line (CmdIdle on), a text without a carriage return types nothing.
    bool Command(const std::string& text) override {
        commands.push_back(text);
        if (cmdIdle && text.find('\r') == std::string::npos) return false;
        typed.push_back(text);
        Restart();
        return true;
    }

private:
    void Restart() {
        idleTicks_ = 0;
        raised_ = false;
    }
    int idleTicks_ = 0;
    bool raised_ = false;
    bool cancelled_ = false;
};

// A screen's two controls replaced by scripted ones: {Pellix1, Pellix2}.
template <class Screen>
std::pair<ScriptedPellix&, ScriptedPellix&> ScriptTwoControls(Screen& screen) {
    auto pellix1 = std::make_unique<ScriptedPellix>();
    auto pellix2 = std::make_unique<ScriptedPellix>();
    auto& p1 = *pellix1;
    auto& p2 = *pellix2;
    screen.UsePellix(std::move(pellix1), std::move(pellix2));
    return {p1, p2};
}

} // namespace pellix_test
