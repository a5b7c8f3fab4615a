#include "platform/forms/menu.h"

#include "platform/forms/internal.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace forms {

Menu::Menu(Form& form, const std::string& caption) {
    QMenuBar* bar = static_cast<QMainWindow*>(form.Window())->menuBar();
    action_ = new QAction(internal::Q(caption), bar);
    bar->addAction(action_);
    QObject::connect(action_, &QAction::triggered, [this] { if (OnClick) OnClick(); });
}

Menu::Menu(Menu& parent, const std::string& caption) {
    QMenu* menu = parent.Submenu();
    action_ = new QAction(internal::Q(caption), menu);
    menu->addAction(action_);
    QObject::connect(action_, &QAction::triggered, [this] { if (OnClick) OnClick(); });
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
void Menu::SetCaption(const std::string& caption) {
    action_->setSeparator(caption == "-");
    action_->setText(internal::Q(caption));
}
bool Menu::Enabled() const { return action_->isEnabled(); }
void Menu::SetEnabled(bool enabled) { action_->setEnabled(enabled); }
bool Menu::Visible() const { return action_->isVisible(); }
void Menu::SetVisible(bool visible) { action_->setVisible(visible); }
bool Menu::Checked() const { return action_->isChecked(); }
void Menu::SetChecked(bool checked) {
    action_->setCheckable(true);
    action_->setChecked(checked);
}

} // namespace forms
