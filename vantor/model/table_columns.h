#pragma once
// Named columns of the computation unit's two-dimensional tables. The values are the column
// numbers the tables, the sheets and the stored workbooks share; they must not change.

namespace 縦断bus {

// tatedata: the profile, one row per station.
namespace tate_col {
inline constexpr int kStation = 1;              // [m]
inline constexpr int kGround = 2;               // ground height [m]
inline constexpr int kReferenceHeight = 3;      // reference planned height at gradient-change points [m]
inline constexpr int kCurveLength = 4;          // vertical-curve length Lv [m]
inline constexpr int kPlannedHeight = 5;        // [m]
inline constexpr int kPlannedMinusGround = 6;   // >= 0 fill, < 0 cut [m]
inline constexpr int kGradient = 7;             // [%]
inline constexpr int kDistanceFromPrevious = 8; // from the previous station [m]
} // namespace tate_col

// yokodata: the cross slopes, one row per station.
namespace yoko_col {
inline constexpr int kLeftShoulderHeight = 1;   // [m]
inline constexpr int kLeftWidth = 2;            // [m]
inline constexpr int kLeftCrossSlope = 3;       // [%]
inline constexpr int kLeftReferenceSlope = 4;   // [%]
inline constexpr int kStation = 5;              // [m]
inline constexpr int kPlannedHeight = 6;        // [m]
inline constexpr int kRightReferenceSlope = 7;  // [%]
inline constexpr int kRightCrossSlope = 8;      // [%]
inline constexpr int kRightWidth = 9;           // [m]
inline constexpr int kRightShoulderHeight = 10; // [m]
} // namespace yoko_col

// rokatadata: the shoulder offsets [m], one row per station, left L4..L1, station, right L1..L4.
namespace rokata_col {
inline constexpr int kLeftL4 = 1;
inline constexpr int kLeftL3 = 2;
inline constexpr int kLeftL2 = 3;
inline constexpr int kLeftL1 = 4;
inline constexpr int kStation = 5;
inline constexpr int kRightL1 = 6;
inline constexpr int kRightL2 = 7;
inline constexpr int kRightL3 = 8;
inline constexpr int kRightL4 = 9;
} // namespace rokata_col

// yokosakuzudata: the cross-section texts, one row per station.
namespace sakuzu_col {
inline constexpr int kStationText = 0;
inline constexpr int kGroundBlock = 1;        // existing-ground section block name
inline constexpr int kPlannedBlock = 2;       // planned section block name
inline constexpr int kLeftStandardWidth = 3;  // [m]
inline constexpr int kLeftStandardSlope = 4;  // [%]
inline constexpr int kRightStandardWidth = 5; // [m]
inline constexpr int kRightStandardSlope = 6; // [%]
} // namespace sakuzu_col

// bczahyou and eczahyou: the plan point of an IP's BC and EC [mm].
namespace point_col {
inline constexpr int kX = 1;
inline constexpr int kY = 2;
} // namespace point_col

// kukanchou: per IP, the straight before its BC and its curve.
namespace kukan_col {
inline constexpr int kStraight = 1;
inline constexpr int kCurve = 2;
} // namespace kukan_col

// hojox and hojoy: the auxiliary points of a station, before and after it along the chainage.
namespace hojo_col {
inline constexpr int kBefore = 1; // at chainage - hojokyori
inline constexpr int kAfter = 2;  // at chainage + hojokyori
} // namespace hojo_col

// tatemoji: the label texts of the profile, one row per station, each in the column of the
// tatedata value it labels.
namespace tatemoji_col {
inline constexpr int kStation = tate_col::kStation;
inline constexpr int kGround = tate_col::kGround;
inline constexpr int kPlannedHeight = tate_col::kPlannedHeight;
inline constexpr int kCutOrFill = tate_col::kPlannedMinusGround; // without its sign
inline constexpr int kDistanceFromPrevious = tate_col::kDistanceFromPrevious;
} // namespace tatemoji_col

// d3chuushin: the centre point of the 3D model per interval and sub-point, one plane per
// coordinate [mm].
namespace chuushin_col {
inline constexpr int kX = 1;
inline constexpr int kY = 2;
inline constexpr int kZ = 3;
} // namespace chuushin_col

} // namespace 縦断bus
