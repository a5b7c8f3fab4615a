// The program's start-up as vantor/main.cpp does it, ending once the main window shows: the
// first turn of the event loop after Main finds the window up and quits. Exit code 0 when the
// main window was visible, 1 when it was not. Started by bench_startup, which times it.
#include "cad/app/install.h"
#include "cad/view/product_window.h"
#include "platform/forms/application.h"
#include "platform/forms/desktop_pump.h"
#include "platform/forms/forms.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/error.h"
#include "vantor/sections/cross_slope_sheet_link.h"
#include "vantor/sections/section_sheet_link.h"
#include "vantor/shell/Main.h"
#include "vantor/shell/sheets/cross_slope_sheet.h"
#include "vantor/shell/親画面.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char** argv) {
    forms::InitApplication(argc, argv);
    forms::ServeDesktop();
    cad::view::ShowProductsOnScreen();
    try {
        cad::app::PrepareDesktop();
    } catch (const rt::Error& e) {
        forms::MsgBox(e.Description());
    }
    縦断bus::cross_slope_sheet_link::utsushiyoko = 縦断bus::utsushiyoko;
    縦断bus::cross_slope_sheet_link::yomikomiyoko = 縦断bus::yomikomiyoko;
    縦断bus::cross_slope_sheet_link::tensouyoko = 縦断bus::tensouyoko;
    縦断bus::section_sheet_link::yomikomiyokomei = 縦断bus::yomikomiyokomei;
    縦断bus::Main();
    int shown = 1;
    QTimer::singleShot(0, [&shown] {
        shown = forms::Get<親画面>().Visible() ? 0 : 1;
        QCoreApplication::quit();
    });
    forms::Run();
    return shown;
}
