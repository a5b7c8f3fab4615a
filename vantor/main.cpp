#include "cad/app/install.h"
#include "cad/view/product_window.h"
#include "platform/com/inproc_server.h"
#include "platform/forms/application.h"
#include "platform/forms/desktop_pump.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/error.h"
#include "vantor/geometry/ip_input/ip_sheet_link.h"
#include "vantor/pellix/register_pellix.h"
#include "vantor/sections/cross_slope_sheet_link.h"
#include "vantor/sections/section_sheet_link.h"
#include "vantor/shell/Main.h"
#include "vantor/shell/sheets/cross_slope_sheet.h"
#include "vantor/shell/sheets/ip_sheet.h"

int main(int argc, char** argv) {
    forms::InitApplication(argc, argv);
    // The CAD runs on this machine's desktop, its windows on the user's screen.
    forms::ServeDesktop();
    cad::view::ShowProductsOnScreen();
    try {
        cad::app::PrepareDesktop();
    } catch (const rt::Error& e) {
        forms::MsgBox(e.Description());
    }
    // The control library beside the program registers itself on the first start; a screen
    // that hosts the control tells the user when it cannot be made.
    縦断bus::RegisterPellixLibrary(com::ModulePathOf(reinterpret_cast<const void*>(&縦断bus::Main)).parent_path());
    // The cross-slope screen reaches the document's cross-slope sheet through these.
    縦断bus::cross_slope_sheet_link::utsushiyoko = 縦断bus::utsushiyoko;
    縦断bus::cross_slope_sheet_link::yomikomiyoko = 縦断bus::yomikomiyoko;
    縦断bus::cross_slope_sheet_link::tensouyoko = 縦断bus::tensouyoko;
    縦断bus::section_sheet_link::yomikomiyokomei = 縦断bus::yomikomiyokomei;
    // The IP input screen reaches the document's IP sheet through these.
    縦断bus::ip_sheet_link::yomikomiip = 縦断bus::yomikomiip;
    縦断bus::ip_sheet_link::WriteIpPoints = 縦断bus::WriteIpPoints;
    縦断bus::Main();
    return forms::Run();
}
