#include "vantor/start_up.h"

#include "cad/app/install.h"
#include "cad/app/instance.h"
#include "cad/view/product_window.h"
#include "platform/com/inproc_server.h"
#include "platform/forms/application.h"
#include "platform/forms/desktop_pump.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/error.h"
#include "vantor/pellix/register_pellix.h"
#include "vantor/shell/Main.h"
#include "vantor/shell/lifecycle/document_lifecycle.h"

namespace 縦断bus {

void StartVantor(int argc, char** argv) {
    forms::InitApplication(argc, argv);
    // The CAD runs on this machine's desktop, its windows on the user's screen.
    forms::ServeDesktop();
    cad::view::ShowProductsOnScreen();
    // The CAD lives in this process: the program's end asks it about its drawing first.
    CadMayEnd = cad::app::EndRunningProducts;
    try {
        cad::app::PrepareDesktop();
    } catch (const rt::Error& e) {
        forms::MsgBox(e.Description());
    }
    // The control library beside the program registers itself on the first start; a screen
    // that hosts the control tells the user when it cannot be made.
    RegisterPellixLibrary(com::ModulePathOf(reinterpret_cast<const void*>(&Main)).parent_path());
    Main();
}

} // namespace 縦断bus
