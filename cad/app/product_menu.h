#pragma once
// The main frame's menu bar. Each item types its command at the command line after cancelling
// what runs, as the products' menus do ("^C^C_LINE ").
#include "cad/app/product.h"
#include "platform/desktop/menu.h"

#include <string>

namespace cad::app {

desk::HMENU BuildMenuBar(const Product& product);
// The keys an item's command id types; empty for ids that are no menu command.
std::string MenuCommandKeys(desk::UINT id);

} // namespace cad::app
