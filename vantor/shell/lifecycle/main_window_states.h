#pragma once
// What the workbook commands enable on the main window, and a copy of its enabled states for
// a command that must leave them as they were when it fails.
#include <utility>
#include <vector>

namespace forms {
class Menu;
class ToolbarButton;
} // namespace forms

namespace 縦断bus {

// After New: the Ｅｘｃｅｌ menu and the buttons for working on the new document.
void EnableAfterNew();
// After Open has read the workbook.
void EnableAfterOpen();
// After the profile sheet has been read, and after it has been written: on the main window,
// when there is one.
void EnableAfterProfileRead();
void EnableAfterProfileWritten();

class MainWindowStates {
public:
    static MainWindowStates Capture();
    void Restore() const;

private:
    std::vector<std::pair<forms::Menu*, bool>> menus_;
    std::vector<std::pair<forms::ToolbarButton*, bool>> buttons_;
};

} // namespace 縦断bus
