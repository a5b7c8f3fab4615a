#include "vantor/shell/lifecycle/main_window_states.h"

#include "vantor/shell/親画面.h"

#include <initializer_list>

namespace 縦断bus {

namespace {

void EnableButtons(std::initializer_list<const char*> keys) {
    forms::Toolbar& toolbar = forms::Get<親画面>().Toolbar1;
    for (const char* key : keys) toolbar.Buttons(key).SetEnabled(true);
}

void AddArray(std::vector<std::pair<forms::Menu*, bool>>& menus, forms::ControlArray<forms::Menu>& items) {
    for (int index = items.LBound(); index <= items.UBound(); ++index)
        if (items.Exists(index)) menus.emplace_back(&items(index), items(index).Enabled());
}

} // namespace

void EnableAfterNew() {
    forms::Get<親画面>().E.SetEnabled(true);
    EnableButtons({"保存", "行挿入", "行削除", "縦断図", "関数式", "読込", "転送", "ｴｸｾﾙ画面入力"});
}

void EnableAfterOpen() {
    親画面& main = forms::Get<親画面>();
    main.E.SetEnabled(true);
    for (forms::Menu* item : {&main.g1(0), &main.g1(1), &main.E1(0), &main.E1(1), &main.f1(3)}) item->SetEnabled(true);
    EnableButtons({"保存", "行挿入", "行削除", "縦断図", "関数式", "読込", "転送"});
}

void EnableAfterProfileRead() {
    if (!forms::IsLoaded<親画面>()) return;
    親画面& main = forms::Get<親画面>();
    for (forms::Menu* item : {&main.g1(0), &main.g1(1), &main.E1(1), &main.f1(3)}) item->SetEnabled(true);
    EnableButtons({"行挿入", "行削除", "縦断図", "関数式", "転送", "保存"});
}

void EnableAfterProfileWritten() {
    if (!forms::IsLoaded<親画面>()) return;
    親画面& main = forms::Get<親画面>();
    main.E1(3).SetEnabled(true);
    main.Toolbar1.Buttons("表示").SetEnabled(true);
}

MainWindowStates MainWindowStates::Capture() {
    親画面& main = forms::Get<親画面>();
    MainWindowStates states;
    for (forms::Menu* menu : {&main.f, &main.i, &main.g, &main.E, &main.入力, &main.lt})
        states.menus_.emplace_back(menu, menu->Enabled());
    for (auto* items : {&main.f1, &main.i1, &main.g1, &main.E1}) AddArray(states.menus_, *items);
    for (int index = 1; index <= main.Toolbar1.ButtonCount(); ++index) {
        forms::ToolbarButton& button = main.Toolbar1.Buttons(index);
        states.buttons_.emplace_back(&button, button.Enabled());
    }
    return states;
}

void MainWindowStates::Restore() const {
    for (const auto& [menu, enabled] : menus_) menu->SetEnabled(enabled);
    for (const auto& [button, enabled] : buttons_) button->SetEnabled(enabled);
}

} // namespace 縦断bus
