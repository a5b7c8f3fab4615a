#pragma once
// A scripted CAD control that also finds, starts and closes a CAD: the product names of the
// control's types, installed products, a start that succeeds or fails, dialogs and the CAD's
// end raised on demand, and every start and close call in order.
#include "tests/vantor/pellix/scripted_pellix.h"
#include "vantor/drawing/AutoCad設定画面.h"
#include "vantor/pellix/place_pellix.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace pellix_test {

class StartingPellix : public ScriptedPellix {
public:
    int type = 6; // AutoCAD LT 2002
    std::set<int> installed{6};
    int running = 0;    // CAD main windows on the desktop
    bool starts = true; // Shell brings a CAD up
    bool sdiMode = false;
    bool attached = false;
    bool closes = true;                                            // Close ends the CAD
    std::function<void(const std::string& SaveFile)> whileClosing; // what the CAD does as it ends
    std::function<void(const std::string& text)> whileCommanded;   // what the CAD does with a command
    std::vector<std::string> calls;

    static std::string NameOf(int t) {
        // clang-format off
        static const char* const kNames[] = {"", "AutoCAD LT95", "AutoCAD LT97", "AutoCAD LT98", "AutoCAD LT2000",
                                             "AutoCAD LT2000i", "AutoCAD LT2002", "", "", "", "AutoCAD R13",
                                             "AutoCAD R14", "AutoCAD 2000", "AutoCAD 2000i", "AutoCAD 2002"};
        // clang-format on
        return t >= 0 && t <= 14 ? kNames[t] : "";
    }

    int AcadType() override { return type; }
    void SetAcadType(int t) override { type = t; }
    std::string GetAutoCADName() override { return NameOf(type); }
    int GetACADNameType(const std::string& name) override {
        for (int t = 1; t <= 14; ++t)
            if (!NameOf(t).empty() && NameOf(t) == name) return t;
        return 0;
    }
    bool IsInstall() override { return installed.count(type) > 0; }
    int GetExecutMax() override { return running; }
    bool IsSDIMode() override {
        calls.push_back("IsSDIMode");
        return sdiMode;
    }
    bool SetSDIMode(bool on) override {
        calls.push_back(on ? "SetSDIMode(true)" : "SetSDIMode(false)");
        sdiMode = on;
        return true;
    }
    // A successful start attaches, which raises OnAcadLoaded before Shell returns.
    bool Shell() override {
        calls.push_back("Shell");
        if (!starts) return false;
        attached = true;
        ++running;
        if (OnAcadLoaded) OnAcadLoaded();
        return true;
    }
    bool AcReSize(int l, int t, int w, int h) override {
        calls.push_back("AcReSize(" + std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(w) + "," +
                        std::to_string(h) + ")");
        return attached;
    }
    bool IsExecut() override { return attached; }
    bool Command(const std::string& text) override {
        const bool taken = ScriptedPellix::Command(text);
        if (whileCommanded) whileCommanded(text);
        return taken;
    }
    bool Close(const std::string& SaveFile) override {
        calls.push_back("Close(" + SaveFile + ")");
        if (!attached || !closes) return false;
        if (whileClosing) whileClosing(SaveFile);
        attached = false;
        --running;
        return true;
    }

    // The watch finds a new dialog of the CAD; true when the screen asked to close it.
    bool RaiseDialog(const std::string& caption) {
        bool close = false;
        if (OnAcadDialog) OnAcadDialog(0x1234, caption, "", close);
        return close;
    }
    // The user ended the CAD: the watch reports it gone.
    void RaiseClose() {
        attached = false;
        if (OnAcadClose) OnAcadClose();
    }
};

// Screens placing their controls from now on get a StartingPellix on the CAD start screen,
// made ready by `prepare`, and a control attached to nothing elsewhere.
inline void PlaceStartingPellix(std::function<void(StartingPellix&)> prepare) {
    縦断bus::SetPellixPlacement(
        [prepare](forms::Form& screen, const std::string&, int, int) -> std::unique_ptr<縦断bus::Pellix> {
            if (!dynamic_cast<AutoCad設定画面*>(&screen)) return std::make_unique<縦断bus::DetachedPellix>();
            auto control = std::make_unique<StartingPellix>();
            prepare(*control);
            return control;
        });
}

} // namespace pellix_test
