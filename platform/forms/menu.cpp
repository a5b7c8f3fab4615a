#include "platform/forms/menu.h"

#include "platform/forms/events.h"
#include "platform/forms/internal.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace forms {

Menu::Menu(Form& form, const std::string& caption) : window_(form.Window()) {
    QMenuBar* bar = static_cast<QMainWindow*>(window_)->menuBar();
    action_ = new QAction(bar);
    SetCaption(caption);
    bar->addAction(action_);
    Connect();
}

Menu::Menu(Menu& parent, const std::string& caption) : window_(parent.window_) {
    QMenu* menu = parent.Submenu();
    action_ = new QAction(menu);
    SetCaption(caption);
    menu->addAction(action_);
    Connect();
}

void Menu::Connect() {
    QObject::connect(action_, &QAction::triggered, [this] {
        internal::TakeFocusForCommand(window_);
        internal::Dispatch([this] {
            if (OnClick) OnClick();
        });
    });
}

Menu::~Menu() {
    delete action_;
    delete submenu_;
}

QMenu* Menu::Submenu() {
    if (!submenu_) {
        submenu_ = new QMenu;
        action_->setMenu(submenu_);
    }
    return submenu_;
}

std::string Menu::Caption() const { return action_->isSeparator() ? "-" : internal::S(action_->text()); }
// A separator carries no text: some styles would draw a separator's text as a heading.
void Menu::SetCaption(const std::string& caption) {
    const bool separator = caption == "-";
    action_->setSeparator(separator);
    action_->setText(separator ? QString() : internal::Q(caption));
}
bool Menu::Enabled() const { return action_->isEnabled(); }
void Menu::SetEnabled(bool enabled) { action_->setEnabled(enabled); }
bool Menu::Visible() const { return action_->isVisible(); }
void Menu::SetVisible(bool visible) { action_->setVisible(visible); }

} // namespace forms
