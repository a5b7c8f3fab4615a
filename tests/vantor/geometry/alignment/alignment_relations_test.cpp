// Random but valid alignments checked against textbook relations of the circular curve.
#include "alignment_fixture.h"
#include "tests/support/program_reset.h"
#include "vantor/geometry/alignment/ip_alignment.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

using namespace 縦断bus;

struct Vec {
    double x, y;
};
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double Cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
double Norm(Vec a) { return std::hypot(a.x, a.y); }
Vec Unit(Vec a) { return {a.x / Norm(a), a.y / Norm(a)}; }

Vec Ip(int p) { return {ipx(p), ipy(p)}; }
Vec Bc(int p) { return {bczahyou(p, 1), bczahyou(p, 2)}; }
Vec Ec(int p) { return {eczahyou(p, 1), eczahyou(p, 2)}; }
Vec Centre(int p) { return {chuushinx(p), chuushiny(p)}; }

// The centre is the meeting point of two normals held in single precision; the flatter the
// curve, the further its rounding carries.
double CentreTolerance(double radius) { return 0.2 + 2e-6 * radius; }

// Legs of 150-400 m turning 15-120 degrees either way; each radius keeps its tangent within
// 40 % of the shorter neighbouring leg.
void RandomAlignment(std::mt19937& rng, int ips) {
    std::uniform_real_distribution<double> leg(150, 400), turn(15, 120), share(0.3, 1), heading(-M_PI, M_PI);
    std::vector<double> legs(ips + 1), turns(ips + 1);
    for (auto& l : legs) l = leg(rng);
    double dir = heading(rng);
    ipsuu = ips;
    ipx(0) = ipy(0) = 0;
    for (int p = 1; p <= ips + 1; ++p) {
        ipx(p) = static_cast<float>(ipx(p - 1) + legs[p - 1] * 1000 * std::cos(dir));
        ipy(p) = static_cast<float>(ipy(p - 1) + legs[p - 1] * 1000 * std::sin(dir));
        if (p <= ips) {
            turns[p] = turn(rng) * M_PI / 180 * (rng() % 2 ? 1 : -1);
            const double tl = 0.4 * std::min(legs[p - 1], legs[p]) * 1000 * share(rng);
            iphankei(p) = static_cast<float>(tl / std::tan(std::fabs(turns[p]) / 2));
            dir += turns[p];
        }
    }
}

TEST(AlignmentRelations, CurveElementsAndStationsAgreeWithGeometry) {
    std::mt19937 rng(20240611);
    for (int alignment = 0; alignment < 12; ++alignment) {
        test_support::ResetProgram();
        RandomAlignment(rng, 1 + alignment % 5);
        ASSERT_EQ(ComputeIpAlignment().status, IpAlignmentResult::Status::Computed);
        const int n = ipsuu;
        for (int p = 1; p <= n; ++p) {
            const double r = iphankei(p);
            const Vec in = Ip(p) - Ip(p - 1), out = Ip(p + 1) - Ip(p);
            const double turn = std::acos(Dot(Unit(in), Unit(out)));
            EXPECT_NEAR(Norm(Ip(p) - Bc(p)), setsusenchou(p), 0.1);
            EXPECT_NEAR(Norm(Ip(p) - Ec(p)), setsusenchou(p), 0.1);
            EXPECT_NEAR(setsusenchou(p), r * std::tan(turn / 2), 0.1);
            EXPECT_NEAR(kyokusenchou(p), r * turn, 0.1);
            EXPECT_NEAR(Norm(Centre(p) - Bc(p)), r, CentreTolerance(r));
            EXPECT_NEAR(Norm(Centre(p) - Ec(p)), r, CentreTolerance(r));
        }

        const double total = iptsuikakyori(n + 1);
        for (double s = 0; s < total; s += 7300) {
            alignment_test::PlaceStation(1, s / 1000);
            const Vec at{sokutenx(1), sokuteny(1)};
            const Vec tangent = Unit(Vec{hojox(1, 2), hojoy(1, 2)} - Vec{hojox(1, 1), hojoy(1, 1)});
            int curve = 0;
            for (int p = 1; p <= n; ++p)
                if (bcsokuten(p) <= s && s < ecsokuten(p)) curve = p;
            if (curve) {
                const double r = iphankei(curve), l = s - bcsokuten(curve);
                const Vec radial = at - Centre(curve), start = Bc(curve) - Centre(curve);
                EXPECT_NEAR(Norm(radial), r, CentreTolerance(r)) << s;
                EXPECT_NEAR(std::atan2(std::fabs(Cross(start, radial)), Dot(start, radial)) * r, l, 1.0) << s;
                const double side = Cross(Ip(curve) - Ip(curve - 1), Ip(curve + 1) - Ip(curve));
                EXPECT_EQ(sayuu(curve), side > 0 ? -1.0f : 1.0f);
                // Along the curve: at right angles to the radius, turning to the curve's side.
                EXPECT_NEAR(Dot(tangent, Unit(radial)), 0, 0.03) << s;
                EXPECT_GT(Cross(radial, tangent) * side, 0) << s;
            } else {
                int leg = n + 1;
                for (int p = n; p >= 1; --p)
                    if (s < bcsokuten(p)) leg = p;
                const Vec dir = Unit(Ip(leg) - Ip(leg - 1));
                const double from = leg == 1 ? 0 : ecsokuten(leg - 1);
                EXPECT_NEAR(std::fabs(Cross(dir, at - Ip(leg - 1))), 0, 0.5) << s;
                EXPECT_NEAR(Norm(at - Ec(leg - 1)), s - from, 0.5) << s;
                EXPECT_NEAR(Dot(tangent, dir), 1, 1e-3) << s;
            }
        }
    }
}

} // namespace
