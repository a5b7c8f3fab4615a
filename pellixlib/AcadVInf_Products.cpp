#include "pellixlib/AcadVInf_Products.h"

#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadFunc_Files.h"
#include "pellixlib/AcadVInf_Install.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace pellix {

namespace {

struct ProductRow {
    std::string_view name;
    TDxfVersion dxf;
    std::string_view version;
    std::string_view machineKey;
    std::string_view classesRoot;
};

constexpr std::array<ProductRow, kAcadIndexCount> kProducts{{
    {"", dvDXFNA, "", "", ""},
    {"AutoCAD LT95", dvDXFNA, "3.00", "SOFTWARE\\Autodesk\\AutoCAD LT\\3.00.00", "AutoCAD-LT"},
    {"AutoCAD LT97", dvDXFR14, "4.00", "SOFTWARE\\Autodesk\\AutoCAD LT\\R4.0", "AutoCADLT.Drawing.4"},
    {"AutoCAD LT98", dvDXFR14, "5.00", "SOFTWARE\\Autodesk\\AutoCAD LT\\R5.0", "AutoCADLT.Drawing.4"},
    {"AutoCAD LT2000", dvDXF2000, "15.00", "SOFTWARE\\Autodesk\\AutoCAD LT\\R2000", "AutoCADLT.Drawing.15"},
    {"AutoCAD LT2000i", dvDXF2000, "15.05", "SOFTWARE\\Autodesk\\AutoCAD LT\\R7", "AutoCADLT.Drawing.15"},
    {"AutoCAD LT2002", dvDXF2000, "15.06", "SOFTWARE\\Autodesk\\AutoCAD LT\\R8", "AutoCADLT.Drawing.15"},
    {"AutoCAD R13", dvDXFNA, "", "SOFTWARE\\Autodesk\\AutoCAD R13J\\", "AutoCAD-r13"},
    {"AutoCAD R14", dvDXFR14, "14.00", "SOFTWARE\\Autodesk\\AutoCAD\\R14.0", "AutoCAD.Application.14"},
    {"AutoCAD 2000", dvDXF2000, "15.00", "SOFTWARE\\Autodesk\\AutoCAD\\R15.0", "AutoCAD.Application.15"},
    {"AutoCAD 2000i", dvDXF2000, "15.05", "SOFTWARE\\Autodesk\\AutoCAD\\R15.0", "AutoCAD.Application.15"},
    {"AutoCAD 2002", dvDXF2000, "15.06", "SOFTWARE\\Autodesk\\AutoCAD\\R15.0", "AutoCAD.Application.15"},
}};

constexpr TAcadIndex kR13 = 7;

const ProductRow& Row(TAcadIndex index) { return kProducts[index < kAcadIndexCount ? index : 0]; }

// The R13 executable's version string, with or without build, when it has one.
std::string R13Version(bool withBuild) {
    std::string version;
    const std::string exe = GetInstExeFile(kR13);
    return !exe.empty() && GetExeVersionString(exe, withBuild, version) ? version : std::string();
}

TAcadIndex Suffix(std::string_view rest, std::initializer_list<std::pair<std::string_view, TAcadIndex>> table) {
    for (const auto& [suffix, index] : table)
        if (rest == suffix) return index;
    return 0;
}

} // namespace

std::string GetInstName(TAcadIndex index) { return std::string(Row(index).name); }

TAcadIndex GetInstNameType(const std::string& name) {
    const std::string_view n = name;
    if (n.size() >= 10 && SameTextIgnoringCase(n.substr(0, 10), "AutoCAD LT"))
        return Suffix(n.substr(10), {{"2002", 6}, {"2000i", 5}, {"2000", 4}, {"98", 3}, {"97", 2}, {"95", 1}});
    if (n.size() >= 8 && SameTextIgnoringCase(n.substr(0, 8), "AutoCAD "))
        return Suffix(n.substr(8), {{"2002", 11}, {"2000i", 10}, {"2000", 9}, {"R14", 8}, {"R13", 7}});
    return 0;
}

bool IsFullAcad(TAcadIndex index) { return index > 6 && index < kAcadIndexCount; }

bool IsRegistryInst(TAcadIndex index) { return index != 0 && index != 1 && index != kR13 && index < kAcadIndexCount; }

bool IsMDIInst(TAcadIndex index) { return (index >= 4 && index <= 6) || (index >= 9 && index <= 11); }

TDxfVersion GetInstDxfVersion(TAcadIndex index) { return Row(index).dxf; }

std::string GetInstProductVersion(TAcadIndex index) {
    if (index != kR13) return std::string(Row(index).version);
    const std::string version = R13Version(false);
    return version.empty() ? "13.04" : version;
}

std::string GetInstRegLocalMachine(TAcadIndex index) {
    if (index != kR13) return std::string(Row(index).machineKey);
    const std::string version = R13Version(true);
    return std::string(Row(index).machineKey) + (version.empty() ? "13.04.00" : version);
}

std::string GetInstRegClassesRoot(TAcadIndex index) { return std::string(Row(index).classesRoot); }

} // namespace pellix
