#pragma once
// The computation unit: the program's shared tables and variables. Every screen and every
// computation exchanges its data through them. Numeric tables are single precision and mark
// an empty cell with 99999; lengths of the profile are metres, of the plan millimetres.
#include "platform/runtime/table.h"
#include "vantor/model/table_columns.h"

#include <cstdint>
#include <string>

namespace 縦断bus {

using rt::Table;

inline constexpr float kEmpty = 99999.0f;  // an empty numeric cell

// ---- State of the workbook document ----
inline int bukkujoutai = 0;     // 0 none, 1 created by New, 2 opened by Open
inline int xlshuuryouflg = 0;   // -1 once Open has opened a workbook
inline std::string fairumei;    // file name last chosen in the Open or Save dialog
inline int hirakuflg = 0;       // 1 after Open has started, 0 after New

// ---- Settings and flags ----
inline int ketasuu = 0;             // decimals of computed heights and distances (2 or 3)
inline std::string xhyouji, yhyouji; // profile-graph grid lines: "v" shown, "s" hidden
inline int koubaisetteiflg = 0;     // opening mode of the cross-slope screen
inline int ipkeisanflg = 0;         // 1 once Open computed the alignment

// ---- Profile (rows are stations) ----
inline int sokutensuu = 0;          // station rows shared by every station-parallel table
// 1 station, 2 ground, 3 reference planned height, 4 Lv, 5 planned height,
// 6 planned - ground, 7 gradient [%], 8 distance from the previous station [m]
inline Table<float, 500, 8> tatedata;
inline int henkatensuu = 0;          // gradient-change points
inline Table<float, 500> xb, yb;     // station and reference height of each change point
inline Table<float, 100> koubai;     // gradient (ratio) from change point m to m+1
inline int kyokusensuu = 0;          // vertical curves
inline Table<float, 500> vcxb, vcyb, lv, vcb, vce;
inline Table<float, 100> koubaitemae, koubaiushiro;
inline Table<float, 50> keisuua, keisuub, keisuuc;  // height = a x^2 + b x + c
inline float keikakusensuu = 0;      // index of the last sample of the planned line
inline Table<float, 2000> keikakusenx, keikakuseny;
inline float wka = 0, wkb = 0, wkc = 0, wkgyou = 0;
inline int yuukousokutensuu = 0;    // rows 1..sokutensuu that have a station
inline int kakuteihenkatensuu = 0;  // henkatensuu of the last run that got past the overlap check
inline int vcbflg = 0, vceflg = 0;  // 1 when the last checked curve starts / ends too far out

// ---- Warnings of the profile input and the grid editor ----
inline int keikokuflg = 0;   // 1 once a warning has been written, 0 from the next edit check
inline int henshuugyou = 0;  // grid row of the profile editor: the row the edit check looks at
inline short henshuuretsu = 0;                   // grid column of the editor
inline short keikokugyou = 0, keikokuretsu = 0;  // the cell stored last

// ---- Profile graph: station, ground and planned height of the stations shown, 1 .. gurafusuu ----
inline Table<float, 500> gurafusokuten, gurafujiban, gurafukeikaku;
inline int gurafusuu = 0;
inline bool gurafukeikakusen = false;  // the planned line was sampled for the graph
inline float gurafuxmin = 0, gurafuxmax = 0, gurafuymin = 0, gurafuymax = 0;  // the view
inline float zentaixmin = 0, zentaixmax = 0, zentaiymin = 0, zentaiymax = 0;  // whole data
inline float xmemori = 0, ymemori = 0;                                        // grid intervals
inline float memorixmin = 0, memorixmax = 0, memoriymin = 0, memoriymax = 0;  // grid and frame

// ---- Station-parallel tables of the sections, shoulders and drawings ----
// 1 left shoulder height, 2 left width, 3 left cross slope, 4 left reference slope, 5 station,
// 6 planned height, 7 right reference slope, 8 right cross slope, 9 right width,
// 10 right shoulder height
inline Table<float, 500, 10> yokodata;
// 0 station text, 1 existing-ground block, 2 planned block, 3-6 standard widths and slopes
inline Table<std::string, 200, 7> yokosakuzudata;
// 1-4 offsets L4..L1 left, 5 station, 6-9 offsets L1..L4 right [m]
inline Table<float, 500, 9> rokatadata;
// Plan points [mm] of the shoulder offset lines L1..L4 left and right at every station.
inline Table<float, 500> l1hidarix, l1hidariy, l2hidarix, l2hidariy, l3hidarix, l3hidariy, l4hidarix, l4hidariy;
inline Table<float, 500> l1migix, l1migiy, l2migix, l2migiy, l3migix, l3migiy, l4migix, l4migiy;

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

// ---- Cross-section point tables (station 1..50, point 0..19, 1 offset / 2 height) ----
inline int danmensuu = 0;            // station blocks headed on the two section sheets
inline int danmenbangou = 0;         // station row the section screens stand on (0: none yet)
// Cut (C), fill (B) and backfill (B') area [m²] of stations 1..50, from the earthwork areas.
inline Table<float, 50> kiridomenseki, moridomenseki, umemodoshimenseki;
inline Table<std::string, 50, 20, 2> genkyouhidari, genkyoumigi, kirimorihidari, kirimorimigi;
// Point counts of each station and side: the leading points with a non-empty offset.
inline Table<int, 50> genkyouhidarisuu, genkyoumigisuu, kirimorihidarisuu, kirimorimigisuu;

// ---- Earthwork areas of one section: working state of the area, slope-line and
// influence-line procedures. Sides: x is the offset outward from the centre line [m], y the
// height relative to the existing ground at the centre line [m]. ----
inline int mensekiflg = 0;       // 1 integrate the areas, 0 lines only
inline int dotsubobangou = 0;    // station of the last computation
inline int mensekisayuu = 0;     // side being integrated: 1 left, 2 right
inline float kirimen = 0, morimen = 0, jouhoukirimen = 0;   // sums of the side just integrated

// Working polylines of the current side.
inline Table<float, 50> genkyoux, genkyouy;     // ground, points 0..genkyousaishuu
inline int genkyousaishuu = 0;
inline Table<float, 50> kirimorix, kirimoriy;   // planned line, slope end at kirimoritensuu
inline int kirimoritensuu = 0;
inline Table<float, 50> kussakux, kussakuy;     // excavation line

// Per side, kept from the geometry pass for the area pass and the plot of the same call.
inline Table<float, 50, 20, 2> kirimorisenhidari, kirimorisenmigi;   // planned line incl. slope end
inline Table<float, 50> kussakuhidarix, kussakuhidariy, kussakumigix, kussakumigiy;
inline Table<float, 50> genkyousenhidarix, genkyousenhidariy, genkyousenmigix, genkyousenmigiy;
inline int genkyousenhidarisaishuu = 0, genkyousenmigisaishuu = 0;

// ---- Slope line ----
inline float norikitenx = 0, norikiteny = 0;    // formation edge
inline float kirinori = 0, morinori = 0;        // cut and fill slope ratios (horizontal per vertical)
inline std::string norishurui;                  // "K" cut, "M" fill
inline float norikoubai = 0, noriseppen = 0;    // slope line y = norikoubai x + noriseppen
inline float norijirix = 0;                     // offset of the slope end
inline int norikousaflg = 0;                    // 0 the slope meets the vertical face, 1 it does not

// ---- Excavation influence lines ----
inline float eikyoukitenx = 0, eikyoukiteny = 0;   // foot of the current influence line
inline float eikyoukoubai = 0, eikyouseppen = 0;
inline int eikyouflg = 0;   // 0 foot beyond the ground, 1 ground below the foot, 2 at or above
// Where the last rising-step influence line of the side being built met the excavation line
// (0 when none), and that meeting offset kept per station and side (1 left, 2 right).
inline float eikyoukousax = 0, eikyoukousay = 0;
inline Table<float, 50, 2> sokuteneikyoukousax;

// ---- Label texts of the profile values for the drawings ----
inline Table<std::string, 100, 8> tatemoji;

// ---- Coordinate conversion ----
inline Table<double, 20, 4> zahyoudata; // 1 x, 2 y on site, 3 X, 4 Y in the drawing [m]; kEmpty: blank
inline int zahyousuu = 0;

// ---- 3D road model (millimetres) ----
// Interval i runs from station i to station i + 1; its sub-point s lies 500 × s mm past
// station i, sub-point 0 being the station itself. Row sokutensuu (sub-point 0) holds the last
// station. An edge point without a width (an empty width cell, or a side without cross slopes)
// holds 99999 in all its cells. The tables are namespace-scope statics: far too large for a
// stack.
inline constexpr int kSubPointStep = 500;  // mm of chainage between sub-points
inline Table<float, 500, 1000> d3hidarix, d3hidariy, d3hidariz, d3migix, d3migiy, d3migiz;
inline Table<float, 1000, 1000, 3> d3chuushin;  // plane 1 X, 2 Y, 3 Z of the centre point
// Drawn edge heights: the cross fall exaggerated by 縮尺 / 100.
inline Table<float, 500, 1000> d3hidarizsakuzu, d3migizsakuzu;
inline Table<float, 500> d3sokutenz;         // centre Z of each station
inline Table<std::int16_t, 500> d3tensuu;    // n(i): the last kept sub-point of interval i
inline int d3sokutensuu = 0;                 // stations of the last model built, 0 before any
// Working values of the sub-point being computed.
inline float d3kyori = 0;                    // chainage [mm]
inline std::int16_t d3bangou = 0;            // sub-point number
inline std::int16_t d3sokuten = 0;           // interval whose widths are interpolated
inline std::int16_t d3kukan = 0;             // interval whose edge points are computed
inline float d3x = 0, d3y = 0;               // plan point of d3kyori
inline Table<float, 2000> d3hidarifukuin, d3migifukuin;  // widths [mm] per sub-point
inline float d3hidarikoubai = 0, d3migikoubai = 0;       // cross slopes [%] at d3kyori
inline float d3keikakudaka = 0;                          // planned height [m] at d3kyori
inline Table<float, 1000, 2> d3hojox, d3hojoy;  // auxiliary points per sub-point: 1 before, 2 after

// ---- Drawing part: the link to the CAD, the profile sheet's band layout and datum values ----
inline int ddeflg = 0;                    // 1 while the link to the CAD is open
inline Table<float, 12> obitakasa;        // band heights [cm], 1..12
inline float taitorusaizu = 0, mojisaizu = 0, suujisaizu = 0;   // title, text, number sizes [mm]
inline float saishoudaka = 0, saidaidaka = 0, dlchi = 0;        // lowest, highest planned height, datum
inline int hosousuu = 0;                  // checked pavement layers
inline Table<std::string, 11, 3> obimoji; // band k = 1..11, one character in each row 1..3

// ---- Plan drawing: the sizes the last plan drawing took (the single-station plot draws with
// them too), the road edge points and the label point of the stations ----
inline std::int16_t mojidaka = 0;  // text height = 縮尺 × 文字サイズ, rounded half to even
inline float enkei = 0;            // circle radius = 縮尺 × 径
inline float mojiichi = 0;         // label offset = 縮尺 × 文字位置
inline Table<float, 500> fukuinhidarix, fukuinhidariy;  // left road edge point of each station
inline Table<float, 500> fukuinmigix, fukuinmigiy;      // right road edge point of each station
inline float mojix = 0, mojiy = 0;                      // insertion point of the last label
// Right normal of the last station direction [degrees]; the left one is wkhidarikaku.
inline float wkmigikaku = 0;
// True once a plan drawing has taken its sizes in this run.
inline bool HasPlanSizes() { return mojidaka != 0; }

// ---- Cross-slope change points and interpolated slopes of the last keisanyokokoubai ----
// Station [m] and reference slope [%] of change point m = 1..count, per side, in row order.
inline Table<float, 200> hidarikijunsokuten, hidarikijunkoubai, migikijunsokuten, migikijunkoubai;
inline int hidarikijunsuu = 0, migikijunsuu = 0;
// Interpolated cross slope [%] of station row r, per side.
inline Table<float, 200> hidariyokokoubai, migiyokokoubai;

// ---- CAD command line being built ----
inline std::string komando;

// Puts every table and variable back to its value at program start (before Main ran) and lets
// go of the document workbook.
void ResetState();
// The profile graph's state alone.
void ResetGurafu();

} // namespace 縦断bus
