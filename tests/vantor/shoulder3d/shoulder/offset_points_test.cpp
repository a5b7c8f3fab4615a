// The offset points of the shoulder lines: each at its width from the station, on the normal
// of its side; concentric with the curve on curves; and the direction rules at the ends of the
// road where their inputs are missing or degenerate.
#include "shoulder_fixture.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/shoulder3d/shoulder/keisanrokatasen.h"

#include <cmath>

namespace {

using namespace 縦断bus;

class OffsetPoints : public shoulder_test::ShoulderTest {};

double Distance(double x1, double y1, double x2, double y2) { return std::hypot(x2 - x1, y2 - y1); }

TEST_F(OffsetPoints, EveryLineAtItsWidthOnItsSide) {
    const float widths[kOffsetLines] = {1, 2, 3, 4.5f, 1.5f, 2.5f, 3.5f, 6};
    for (int k = 0; k < kOffsetLines; ++k) SetWidth(k, widths[k]);
    keisanrokatasen();

    // Station 2 (40 m) on the first straight, heading +X: left is +Y, right -Y.
    for (int k = 0; k < kOffsetLines; ++k) {
        const OffsetLine& line = OffsetLineOf(k);
        EXPECT_NEAR(line.x(2), 40000, 0.5) << k;
        EXPECT_NEAR(line.y(2), (line.left ? 1 : -1) * widths[k] * 1000, 0.5) << k;
    }
    // Stations 3 and 4 (80 and 120 m) on the left curve: the left lines lie inside, R - w from
    // the centre, the right ones outside, R + w, on the radius through the station (as far as
    // the direction from auxiliary points 2 mm apart tells it).
    for (int i : {3, 4}) {
        const double station = std::atan2(sokuteny(i) - 50000.0, sokutenx(i) - 50000.0);
        for (int k = 0; k < kOffsetLines; ++k) {
            const OffsetLine& line = OffsetLineOf(k);
            const double radius = 50000 + (line.left ? -1 : 1) * widths[k] * 1000;
            EXPECT_NEAR(Distance(50000, 50000, line.x(i), line.y(i)), radius, 1) << i << " " << k;
            EXPECT_NEAR(std::atan2(line.y(i) - 50000.0, line.x(i) - 50000.0), station, 3e-4) << i << " " << k;
            EXPECT_NEAR(Distance(sokutenx(i), sokuteny(i), line.x(i), line.y(i)), widths[k] * 1000, 1) << i << " " << k;
        }
    }
    // Station 5 (160 m) on the last straight, heading +Y: left is -X.
    EXPECT_NEAR(l1hidarix(5), 100000 - 1000, 0.5);
    EXPECT_NEAR(l1hidariy(5), 81460, 1);
    EXPECT_NEAR(l4migix(5), 100000 + 6000, 0.5);
    EXPECT_EQ(wkshougen, 5);
    EXPECT_EQ(wkhidarikaku, -180);
    EXPECT_EQ(wkmigikaku, 0);
}

TEST_F(OffsetPoints, ZeroWidthIsTheStationPoint) {
    SetWidth(0, 0);
    rokatadata(3, 4) = 2;
    keisanrokatasen();
    EXPECT_EQ(l1hidarix(2), sokutenx(2));
    EXPECT_EQ(l1hidariy(2), sokuteny(2));
    EXPECT_NE(l1hidarix(3), sokutenx(3));
}

TEST_F(OffsetPoints, FewerStationsLeaveTheRestAsTheyWere) {
    SetWidth(0, 1);
    keisanrokatasen();
    const float fifth = l1hidarix(5);
    heimensokutensuu = 2;
    SetWidth(0, 3);
    keisanrokatasen();
    EXPECT_NEAR(l1hidariy(2), 3000, 0.5);
    EXPECT_EQ(l1hidarix(5), fifth);
    heimensokutensuu = 0;
    SetWidth(0, 9);
    keisanrokatasen(); // no station: nothing computed
    EXPECT_NEAR(l1hidariy(2), 3000, 0.5);
}

// The direction comes from the alignment at the station's chainage, whatever its auxiliary
// points hold: station 1 on the first straight, station 3 (80 m) 30 m into the curve of 50 m.
TEST_F(OffsetPoints, DirectionComesFromTheAlignmentNotTheAuxiliaryPoints) {
    SetWidth(0, 2);
    hojox(1, 1) = 0, hojoy(1, 1) = 0, hojox(1, 2) = 1, hojoy(1, 2) = 1; // heading 45°
    hojox(3, 2) = hojox(3, 1), hojoy(3, 2) = hojoy(3, 1);               // no heading
    keisanrokatasen();
    EXPECT_NEAR(l1hidarix(1), 0, 0.01);
    EXPECT_NEAR(l1hidariy(1), 2000, 0.01);
    EXPECT_NEAR(l1hidarix(3), sokutenx(3) - 2000 * std::sin(0.6), 0.01);
    EXPECT_NEAR(l1hidariy(3), sokuteny(3) + 2000 * std::cos(0.6), 0.01);
}

// With the last station still on the last curve, the entry after it is not the end of the
// road: whatever an earlier run left there does not turn the last station's normal.
TEST_F(OffsetPoints, LastStationOnTheCurveIgnoresTheEntryAfterIt) {
    SetStations({0, 40, 80, 120});
    SetWidth(0, 2);
    sokutenx(5) = 987654, sokuteny(5) = -123456; // left by an earlier plot
    keisanrokatasen();
    EXPECT_NEAR(Distance(50000, 50000, l1hidarix(4), l1hidariy(4)), 48000, 1);
}

// Without an IP there is no first BC to look at: the straight's own direction counts.
TEST_F(OffsetPoints, NoIpUsesTheAuxiliaryPoints) {
    SetPolygon({{0, 0, 0}, {100, 0, 0}});
    SetStations({0, 50, 100});
    saishochokusen = 0;                             // the third station lies "beyond" it
    bczahyou(1, 1) = 12345, bczahyou(1, 2) = 67890; // nothing of this road
    SetWidth(0, 2);
    SetWidth(4, 3);
    keisanrokatasen();
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(l1hidarix(i), sokutenx(i), 0.01) << i;
        EXPECT_NEAR(l1hidariy(i), 2000, 0.01) << i;
        EXPECT_NEAR(l1migiy(i), -3000, 0.01) << i;
    }
}

} // namespace
