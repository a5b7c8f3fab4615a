#pragma once
// The computation unit's horizontal alignment and the plan positions of the stations.
#include "vantor/model/bus/bus_table.h"

#include <string>

namespace 縦断bus {

// ---- Horizontal alignment: points 0 (start), 1..ipsuu (IPs), ipsuu+1 (end), millimetres ----
inline int ipsuu = 0;
inline Table<float, 50> ipx, ipy, iphankei, ipkyori, koukaku, setsusenchou, kyokusenchou;
inline Table<float, 50, 3> bczahyou, eczahyou;   // column 1 X, 2 Y
inline Table<float, 50> chuushinx, chuushiny, katamuki;
inline Table<float, 50, 2> kukanchou;            // 1 straight before BC, 2 curve length
inline float saishochokusen = 0;
inline Table<float, 50> iptsuikakyori, bcsokuten, ecsokuten, sayuu;
inline float chokusengoukei = 0, kyokusengoukei = 0, souenchou = 0;
inline float wkcos = 0, wkbckatamuki = 0, wkeckatamuki = 0, wkbcseppen = 0, wkecseppen = 0, wkkyori = 0;

// ---- Station plan positions (millimetres) ----
inline int sokutenbangou = 0;        // station whose position is computed next
inline Table<float, 500> sokutenkyori, sokutenx, sokuteny;
inline int heimensokutensuu = 0;
inline float hojokyori = 0;
inline Table<float, 500, 2> hojox, hojoy; // 1 at chainage - hojokyori, 2 at + hojokyori
inline std::string sayuumoji;        // "hidari" or "migi"
// Working values of the last station placed. The plan drawing, the shoulder lines and the 3D
// model run the same direction rules on what the last placement left in them.
inline int wkipbangou = 0;                  // element holding the station
inline float wkyousokyori = 0;              // distance into the element (straight or curve)
inline Table<float, 2> wkhojoyousokyori;    // the same for auxiliary points 1 and 2
inline float wkhenkaku = 0;                 // deflection angle l / 2R
inline Table<float, 2> wkhojohenkaku;
inline float wkgenchou = 0;                 // chord from the BC
inline Table<float, 2> wkhojogenchou;
inline float wkhoukoukaku = 0;              // angle of the incoming leg with the X axis
inline float wkhidarikaku = 0;              // direction of the chord from the BC
inline Table<float, 2> wkhojohoukou;
inline int wkshougen = 0;                   // direction state 1..8 of the incoming leg

} // namespace 縦断bus
