#include "platform/forms/application.h"
#include "vantor/sections/cross_slope_sheet_link.h"
#include "vantor/sections/section_sheet_link.h"
#include "vantor/shell/Main.h"
#include "vantor/shell/sheets/cross_slope_sheet.h"

int main(int argc, char** argv) {
    forms::InitApplication(argc, argv);
    // The cross-slope screen reaches the document's cross-slope sheet through these.
    縦断bus::cross_slope_sheet_link::utsushiyoko = 縦断bus::utsushiyoko;
    縦断bus::cross_slope_sheet_link::yomikomiyoko = 縦断bus::yomikomiyoko;
    縦断bus::cross_slope_sheet_link::tensouyoko = 縦断bus::tensouyoko;
    縦断bus::section_sheet_link::yomikomiyokomei = 縦断bus::yomikomiyokomei;
    縦断bus::Main();
    return forms::Run();
}
