// A road far from the origin, near (-35000 m, 12000 m), with curves of 60 to 300 m: every road
// edge of the plan, every shoulder offset point and every 3D edge lies at its width on the true
// normal of the road, worked out here from the IPs with textbook relations (the tangent of a
// straight, the radius through the point on a curve).
#include "../../shoulder3d/model3d/model3d_fixture.h"
#include "vantor/drawing/plan/station_label.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/shoulder3d/shoulder/keisanrokatasen.h"
#include "vantor/shoulder3d/shoulder/offset_lines.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace 縦断bus;

// Start, four IPs with radii 60, 150, 300 and 100 m turning right, left, left and left, end [m].
constexpr std::array<std::array<double, 3>, 6> kPolygon{{{-35000, 12000, 0},
                                                         {-34800, 12060, 60},
                                                         {-34650, 11900, 150},
                                                         {-34400, 11950, 300},
                                                         {-34250, 12150, 100},
                                                         {-34400, 12400, 0}}};

struct Vec {
    double x, y;
    Vec operator-(const Vec& o) const { return {x - o.x, y - o.y}; }
    Vec operator+(const Vec& o) const { return {x + o.x, y + o.y}; }
    Vec operator*(double k) const { return {x * k, y * k}; }
    double Dot(const Vec& o) const { return x * o.x + y * o.y; }
    double Cross(const Vec& o) const { return x * o.y - y * o.x; }
    double Length() const { return std::hypot(x, y); }
    Vec Unit() const { return *this * (1 / Length()); }
    Vec Left() const { return {-y, x}; }
};

Vec Ip(int p) { return {kPolygon[p][0] * 1000, kPolygon[p][1] * 1000}; }

// The road by textbook relations [mm]: per IP the curve's centre, BC and EC, and the left
// normal at any point of the road.
class TextbookRoad {
public:
    TextbookRoad() {
        for (int p = 1; p + 1 < static_cast<int>(kPolygon.size()); ++p) {
            const Vec in = (Ip(p) - Ip(p - 1)).Unit(), out = (Ip(p + 1) - Ip(p)).Unit();
            const double r = kPolygon[p][2] * 1000, turn = std::atan2(in.Cross(out), in.Dot(out));
            const double tangent = r * std::tan(std::fabs(turn) / 2);
            Curve c{Ip(p) - in * tangent, Ip(p) + out * tangent, {}, r, turn > 0};
            c.centre = c.bc + (c.left ? in.Left() : in.Left() * -1) * r;
            curves_.push_back(c);
        }
    }

    // The left normal at a point of the road: on a curve when the point lies on its circle
    // between BC and EC, otherwise across the straight it lies on.
    Vec LeftNormal(const Vec& point) const {
        for (const Curve& c : curves_) {
            const Vec radial = point - c.centre;
            const bool onCircle = std::fabs(radial.Length() - c.r) < 50;
            const bool between = (c.bc - c.centre).Cross(radial) * (c.left ? 1 : -1) >= 0 &&
                                 radial.Cross(c.ec - c.centre) * (c.left ? 1 : -1) >= 0;
            if (onCircle && between) return c.left ? (radial * -1).Unit() : radial.Unit();
        }
        for (int p = 1; p < static_cast<int>(kPolygon.size()); ++p) {
            const Vec leg = Ip(p) - Ip(p - 1), along = leg.Unit(), run = point - Ip(p - 1);
            if (std::fabs(along.Cross(run)) < 50 && along.Dot(run) >= -50 && along.Dot(run) <= leg.Length() + 50)
                return along.Left();
        }
        ADD_FAILURE() << "point off the road: " << point.x << "," << point.y;
        return {0, 0};
    }

private:
    struct Curve {
        Vec bc, ec, centre;
        double r;
        bool left;
    };
    std::vector<Curve> curves_;
};

// Half a unit in the last place of a stored single: the rounding of the table that holds it.
double Rounding(float v) { return (std::nextafter(std::fabs(v), INFINITY) - std::fabs(v)) / 2; }

class FarRoad : public model3d_test::Model3dTest {
protected:
    void SetUp() override {
        Model3dTest::SetUp();
        ipsuu = static_cast<int>(kPolygon.size()) - 2;
        for (int p = 0; p < static_cast<int>(kPolygon.size()); ++p) {
            ipx(p) = static_cast<float>(kPolygon[p][0] * 1000);
            ipy(p) = static_cast<float>(kPolygon[p][1] * 1000);
            iphankei(p) = static_cast<float>(kPolygon[p][2] * 1000);
        }
        ASSERT_TRUE(ComputeIpAlignment().message.empty());
        // Stations every 20 m, 5 m left and 12 m right, cross slopes 2 % both sides.
        std::vector<model3d_test::Row> rows;
        const int last = static_cast<int>(iptsuikakyori(ipsuu + 1) / 20000);
        for (int k = 0; k <= last; ++k) {
            model3d_test::Row row{20.0f * k, k == 0 ? 100.0f : 110.0f, {}, 5, 12};
            if (k == 0 || k == last) row.leftSlope = row.rightSlope = 2;
            rows.push_back(row);
        }
        SetRoad(rows);
    }

    // The point (x, y) lies `width` [mm] from `from` on the side's true normal there, within
    // 1 mm beyond the rounding of the single-precision table that holds it.
    static void ExpectOnNormal(const TextbookRoad& road, float fromX, float fromY, float x, float y, double width,
                               bool left, const std::string& what) {
        const Vec from{fromX, fromY}, offset = Vec{x, y} - from;
        const Vec normal = road.LeftNormal(from) * (left ? 1 : -1);
        const double tolerance = 1 + std::hypot(Rounding(x), Rounding(y));
        EXPECT_NEAR(offset.Dot(normal), width, tolerance) << what;
        EXPECT_NEAR(offset.Cross(normal), 0, tolerance) << what << " along the road";
    }
};

TEST_F(FarRoad, EdgesShoulderPointsAnd3dEdgesLieOnTheTrueNormal) {
    const TextbookRoad road;
    ASSERT_GE(sokutensuu, 40);
    for (int k = 1; k <= sokutensuu; ++k) {
        PlaceStationEdges(k);
        const std::string at = " at " + rt::CStr(tatedata(k, 1)) + " m";
        ExpectOnNormal(road, sokutenx(k), sokuteny(k), fukuinhidarix(k), fukuinhidariy(k), 5000, true,
                       "left edge" + at);
        ExpectOnNormal(road, sokutenx(k), sokuteny(k), fukuinmigix(k), fukuinmigiy(k), 12000, false, "right edge" + at);
    }

    // Shoulder lines L1..L4 at 2.5, 5, 7.5 and 12 m on both sides.
    const float widths[] = {2.5f, 5, 7.5f, 12};
    for (int line = 0; line < kOffsetLines; ++line)
        for (int k = 1; k <= sokutensuu; ++k) rokatadata(k, OffsetLineOf(line).widthColumn) = widths[line % 4];
    keisanrokatasen();
    for (int line = 0; line < kOffsetLines; ++line) {
        const OffsetLine& l = OffsetLineOf(line);
        for (int k = 1; k <= sokutensuu; ++k)
            ExpectOnNormal(road, sokutenx(k), sokuteny(k), l.x(k), l.y(k), widths[line % 4] * 1000.0, l.left,
                           "shoulder line " + rt::CStr(line) + " at " + rt::CStr(tatedata(k, 1)) + " m");
    }

    ASSERT_EQ(ModelFault(), "");
    ASSERT_EQ(BuildModel({100, 500}).fault, "");
    int points = 0;
    for (int i = 1; i <= d3sokutensuu; ++i)
        for (int s = 0; s <= d3tensuu(i); ++s, ++points) {
            const float cx = d3chuushin(i, s, 1), cy = d3chuushin(i, s, 2);
            const std::string at = " at " + rt::CStr(i) + "," + rt::CStr(s);
            ExpectOnNormal(road, cx, cy, d3hidarix(i, s), d3hidariy(i, s), 5000, true, "3D left edge" + at);
            ExpectOnNormal(road, cx, cy, d3migix(i, s), d3migiy(i, s), 12000, false, "3D right edge" + at);
        }
    EXPECT_GT(points, 40 * 40);
}

} // namespace
