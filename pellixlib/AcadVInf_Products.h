#pragma once
// The twelve CAD products the library knows, addressed by a fixed product index 0-11 (0: none),
// and what can be said of each without looking at the machine.
#include <cstdint>
#include <string>

namespace pellix {

using TAcadIndex = std::uint8_t;
inline constexpr int kAcadIndexCount = 12;

enum TDxfVersion : int { dvDXFNA = 0, dvDXFR12 = 1, dvDXFR13 = 2, dvDXFR14 = 3, dvDXF2000 = 4 };
enum TShowState : int { ssNORMAL = 0, ssMINIMIZE = 1, ssMAXIMIZE = 2 };

// Product name ("AutoCAD LT2002"); empty for 0 and unknown values.
std::string GetInstName(TAcadIndex index);
// The index of a product name: "AutoCAD LT" or "AutoCAD " ignoring case, the rest exactly.
TAcadIndex GetInstNameType(const std::string& name);
bool IsFullAcad(TAcadIndex index);
bool IsRegistryInst(TAcadIndex index);
bool IsMDIInst(TAcadIndex index);
TDxfVersion GetInstDxfVersion(TAcadIndex index);
std::string GetInstProductVersion(TAcadIndex index);
std::string GetInstRegLocalMachine(TAcadIndex index);
std::string GetInstRegClassesRoot(TAcadIndex index);

} // namespace pellix
