#include "cad/app/product.h"

namespace cad::app {

namespace {

const std::array<Product, kProductCount>& Products() {
    using L = Language;
    // clang-format off
    static const std::array<Product, kProductCount> products{{
        {},
        {1, "AutoCAD LT95", "AutoCAD LT", "", "", "AutoCAD-LT\\shell\\open\\command", "ACLT.EXE", {3, 0, 0, 1}, false, false, L::Japanese},
        {2, "AutoCAD LT97", "AutoCAD LT", "SOFTWARE\\Autodesk\\AutoCAD LT\\R4.0", "AcltLocation", "", "ACLT.EXE", {4, 0, 0, 1}, false, false, L::Japanese},
        {3, "AutoCAD LT98", "AutoCAD LT", "SOFTWARE\\Autodesk\\AutoCAD LT\\R5.0", "AcltLocation", "", "ACLT.EXE", {5, 0, 0, 1}, false, false, L::Japanese},
        {4, "AutoCAD LT2000", "AutoCAD LT 2000", "SOFTWARE\\Autodesk\\AutoCAD LT\\R2000", "Location", "", "ACLT.EXE", {15, 0, 0, 1}, true, true, L::Japanese},
        {5, "AutoCAD LT2000i", "AutoCAD LT 2000i", "SOFTWARE\\Autodesk\\AutoCAD LT\\R7", "Location", "", "ACLT.EXE", {15, 0, 5, 1}, true, true, L::Japanese},
        {6, "AutoCAD LT2002", "AutoCAD LT 2002", "SOFTWARE\\Autodesk\\AutoCAD LT\\R8", "Location", "", "ACLT.EXE", {15, 0, 6, 1}, true, true, L::Japanese},
        {7, "AutoCAD R13", "AutoCAD", "", "", "AutoCAD-r13\\shell\\open\\command", "ACAD.EXE", {13, 0, 4, 1}, false, false, L::English},
        {8, "AutoCAD R14", "AutoCAD", "SOFTWARE\\Autodesk\\AutoCAD\\R14.0", "AcadLocation", "", "ACAD.EXE", {14, 0, 0, 1}, false, false, L::English},
        {9, "AutoCAD 2000", "AutoCAD 2000", "SOFTWARE\\Autodesk\\AutoCAD\\R15.0", "AcadLocation", "", "ACAD.EXE", {15, 0, 0, 1}, true, true, L::English},
        {10, "AutoCAD 2000i", "AutoCAD 2000i", "SOFTWARE\\Autodesk\\AutoCAD\\R15.0", "AcadLocation", "", "ACAD.EXE", {15, 0, 5, 1}, true, true, L::English},
        {11, "AutoCAD 2002", "AutoCAD 2002", "SOFTWARE\\Autodesk\\AutoCAD\\R15.0", "AcadLocation", "", "ACAD.EXE", {15, 0, 6, 1}, true, true, L::English},
    }};
    // clang-format on
    return products;
}

bool IsLt(const Product& p) { return p.index >= 1 && p.index <= 6; }
bool IsOldest(const Product& p) { return p.index == 1 || p.index == 7; }

} // namespace

const Product* FindProduct(int index) {
    if (index < 1 || index >= kProductCount) return nullptr;
    return &Products()[static_cast<std::size_t>(index)];
}

std::string_view DdeApplication(const Product& p) { return IsLt(p) ? "AutoCAD LT.DDE" : ""; }

std::string_view TextViewClass(const Product& p) { return IsOldest(p) ? "AfxFrameOrView" : "AfxFrameOrView42"; }

std::string_view CommandHostClass(const Product& p) { return IsOldest(p) ? "AfxWnd" : "AfxWnd42"; }

std::string_view CancelMark(const Product& p) { return p.language == Language::Japanese ? "*ｷｬﾝｾﾙ*" : "*Cancel*"; }

} // namespace cad::app
