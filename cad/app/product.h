#pragma once
// The CAD products this CAD can be installed as: the AutoCAD LT and AutoCAD releases, each
// with the registry places, executable, version, window classes and command-line language
// by which it is recognised.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace cad::app {

enum class Language { English, Japanese };

struct ProductVersion {
    std::uint16_t major = 0, minor = 0, release = 0, build = 0;
};

struct Product {
    int index = 0;                       // 1..11
    std::string_view name;               // "AutoCAD LT2002"
    std::string_view caption;            // main frame caption before " - [drawing]"
    std::string_view machineKey;         // HKLM key holding CurVer (registry products)
    std::string_view locationValue;      // value naming the installation folder
    std::string_view classesRootCommand; // HKCR key naming the executable (INI products)
    std::string_view exeName;            // "ACLT.EXE"
    ProductVersion version;
    bool mdi = false;        // several drawings; keeps an SDIMode setting
    bool controlBar = false; // the generation with the docked command line
    Language language = Language::English;
};

inline constexpr int kProductCount = 12; // index 0 is no product

// Null for 0 and indexes outside 1..11.
const Product* FindProduct(int index);

inline constexpr int kAutoCadLt2002 = 6;

// Registry products keep their settings under HKCU <machine key>\<CurVer>; the two oldest
// keep them in an INI file beside the executable.
inline bool IsRegistryProduct(const Product& p) { return p.classesRootCommand.empty(); }

// The DDE service of the LT products ("AutoCAD LT.DDE", topic "System"); empty for the others.
std::string_view DdeApplication(const Product& p);
inline constexpr std::string_view kDdeTopic = "System";

// Window classes.
std::string_view TextViewClass(const Product& p);    // "AfxFrameOrView42" or "AfxFrameOrView"
std::string_view CommandHostClass(const Product& p); // "AfxWnd42" or "AfxWnd"
inline constexpr std::string_view kFrameClass = "Afx:400000:b:10003:6:0";
inline constexpr std::string_view kGraphicsViewClass = "Afx:400000:28:10003:0:0";
inline constexpr std::string_view kControlBarClass = "AfxControlBar42";
inline constexpr std::string_view kDialogClass = "#32770";

// "*Cancel*" or "*ｷｬﾝｾﾙ*", as UTF-8.
std::string_view CancelMark(const Product& p);

} // namespace cad::app
