#include "cad/app/product_menu.h"

#include "platform/runtime/cp932.h"

#include <array>

namespace cad::app {

namespace {

struct MenuItem {
    std::string_view menu; // the menu on the bar: English / Japanese
    std::string_view menuJa;
    std::string_view item;
    std::string_view itemJa;
    std::string_view command;
};

constexpr desk::UINT kFirstId = 1000;

constexpr std::array<MenuItem, 14> kItems{{
    {"&File", "ﾌｧｲﾙ(&F)", "&New\tCtrl+N", "新規作成(&N)\tCtrl+N", "_NEW"},
    {"&File", "ﾌｧｲﾙ(&F)", "&Save\tCtrl+S", "上書き保存(&S)\tCtrl+S", "_QSAVE"},
    {"&File", "ﾌｧｲﾙ(&F)", "Save &As...", "名前を付けて保存(&A)...", "_SAVEAS"},
    {"&File", "ﾌｧｲﾙ(&F)", "&Export DXF...", "DXF 書き出し(&E)...", "_DXFOUT"},
    {"&File", "ﾌｧｲﾙ(&F)", "E&xit", "終了(&X)", "_QUIT"},
    {"&Draw", "作成(&D)", "&Line", "線分(&L)", "_LINE"},
    {"&Draw", "作成(&D)", "&Polyline", "ﾎﾟﾘﾗｲﾝ(&P)", "_PLINE"},
    {"&Draw", "作成(&D)", "&Circle", "円(&C)", "_CIRCLE"},
    {"&Draw", "作成(&D)", "&Arc", "円弧(&A)", "_ARC"},
    {"&Draw", "作成(&D)", "&Text", "文字記入(&X)", "_DTEXT"},
    {"&Modify", "修正(&M)", "&Erase", "削除(&E)", "_ERASE"},
    {"&Modify", "修正(&M)", "&Move", "移動(&V)", "_MOVE"},
    {"&Tools", "ﾂｰﾙ(&T)", "&ID Point", "位置表示(&I)", "_ID"},
    {"&Tools", "ﾂｰﾙ(&T)", "Run &Script...", "ｽｸﾘﾌﾟﾄ実行(&R)...", "_SCRIPT"},
}};

} // namespace

desk::HMENU BuildMenuBar(const Product& product) {
    const bool ja = product.language == Language::Japanese;
    const desk::HMENU bar = desk::CreateMenu();
    desk::HMENU popup = nullptr;
    std::string_view current;
    for (std::size_t i = 0; i < kItems.size(); ++i) {
        const MenuItem& m = kItems[i];
        if (m.menu != current) {
            popup = desk::CreatePopupMenu();
            desk::AppendMenu(bar, desk::MF_POPUP,
                             static_cast<desk::UINT_PTR>(static_cast<desk::DWORD>(desk::HandleToLong(popup))),
                             rt::Utf8ToCp932(ja ? m.menuJa : m.menu));
            current = m.menu;
        }
        desk::AppendMenu(popup, desk::MF_STRING, kFirstId + i, rt::Utf8ToCp932(ja ? m.itemJa : m.item));
    }
    return bar;
}

std::string MenuCommandKeys(desk::UINT id) {
    if (id < kFirstId || id >= kFirstId + kItems.size()) return {};
    return "\x03\x03" + std::string(kItems[id - kFirstId].command) + " ";
}

} // namespace cad::app
