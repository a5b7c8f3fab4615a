#pragma once
// Menus of a screen's menu bar. A menu constructed on a Form is a top-level menu; one
// constructed on a Menu is an item of it. A top-level menu without items is itself a command.
// The caption "-" makes an item a separator. Items in control arrays: ControlArray<Menu>.
#include "platform/forms/form.h"

#include <functional>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace forms {

class Menu {
public:
    Menu(Form& form, const std::string& caption);
    explicit Menu(Menu& parent, const std::string& caption = {});
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);
    int Index() const { return index_; }

    std::function<void()> OnClick;

    QAction* Action() const { return action_; }

private:
    template <class>
    friend class ControlArray;
    QMenu* Submenu();
    void Connect();
    QWidget* window_; // the window of the screen the menu is on
    QAction* action_;
    QMenu* submenu_ = nullptr;
    int index_ = -1;
};

} // namespace forms
