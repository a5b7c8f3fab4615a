// The alignment by the IP method and the station list rebuilt on it against an independent
// single-precision version in python3 (alignment_reference.py), over random polygons from a
// fixed seed: curves turning both ways, IPs without a curve or on the straight, tangents too
// long for their legs, surveyed stations and regular stations.
#include "platform/forms/forms.h"
#include "tests/support/run_python.h"
#include "vantor/geometry/alignment/ip_alignment.h"
#include "vantor/geometry/alignment/tsuikasokuten.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace 縦断bus;

constexpr int kCases = 200;

// Exactly the single's value: 17 digits of its double.
std::string Number(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", static_cast<double>(v));
    return text;
}

std::string List(int first, int last, const std::function<std::string(int)>& item) {
    std::string text = "[";
    for (int i = first; i <= last; ++i) text += (i > first ? ", " : "") + item(i);
    return text + "]";
}

std::string Pair(float a, float b) { return "[" + Number(a) + ", " + Number(b) + "]"; }

class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(engine_); }
    int Integer(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool Chance(double p) { return Uniform(0, 1) < p; }

private:
    std::mt19937 engine_;
};

// Start, 0 to 6 IPs and end in whole millimetres, legs of 60 to 300 m.
void LoadRandomPolygon(Random& random) {
    ResetState();
    ipsuu = random.Integer(0, 6);
    double x = random.Uniform(-1e6, 1e6), y = random.Uniform(-1e6, 1e6);
    double direction = random.Uniform(-M_PI, M_PI);
    for (int p = 0; p <= ipsuu + 1; ++p) {
        ipx(p) = static_cast<float>(std::round(x));
        ipy(p) = static_cast<float>(std::round(y));
        if (p >= 1 && p <= ipsuu)
            iphankei(p) = random.Chance(0.2) ? 0.0f : static_cast<float>(1000 * random.Integer(20, 150));
        const double turn = random.Chance(0.1) ? 0 : random.Uniform(10, 90) * M_PI / 180;
        direction += random.Chance(0.5) ? turn : -turn;
        const double leg = random.Uniform(60e3, 300e3);
        x += leg * std::cos(direction);
        y += leg * std::sin(direction);
    }
}

std::string AlignmentJson() {
    const int n = ipsuu;
    return "{\"x\": " + List(0, n + 1, [](int p) { return Number(ipx(p)); }) +
           ", \"y\": " + List(0, n + 1, [](int p) { return Number(ipy(p)); }) +
           ", \"r\": " + List(0, n + 1, [](int p) { return Number(iphankei(p)); }) + "}";
}

std::string ResultJson() {
    const int n = ipsuu;
    return ", \"ipkyori\": " + List(1, n + 1, [](int i) { return Number(ipkyori(i)); }) +
           ", \"koukaku\": " + List(1, n, [](int i) { return Number(koukaku(i)); }) +
           ", \"setsusenchou\": " + List(1, n, [](int i) { return Number(setsusenchou(i)); }) +
           ", \"kyokusenchou\": " + List(1, n, [](int i) { return Number(kyokusenchou(i)); }) +
           ", \"bczahyou\": " + List(1, n, [](int i) { return Pair(bczahyou(i, 1), bczahyou(i, 2)); }) +
           ", \"eczahyou\": " + List(0, n, [](int i) { return Pair(eczahyou(i, 1), eczahyou(i, 2)); }) +
           ", \"chuushin\": " + List(1, n, [](int i) { return Pair(chuushinx(i), chuushiny(i)); }) +
           ", \"katamuki\": " + List(1, n + 1, [](int i) { return Number(katamuki(i)); }) +
           ", \"kukanchou\": " + List(1, n, [](int i) { return Pair(kukanchou(i, 1), kukanchou(i, 2)); }) +
           ", \"saishochokusen\": " + Number(saishochokusen) +
           ", \"iptsuikakyori\": " + List(0, n + 1, [](int i) { return Number(iptsuikakyori(i)); }) +
           ", \"bcsokuten\": " + List(1, n, [](int i) { return Number(bcsokuten(i)); }) +
           ", \"ecsokuten\": " + List(1, n, [](int i) { return Number(ecsokuten(i)); }) + ", \"totals\": [" +
           Number(chokusengoukei) + ", " + Number(kyokusengoukei) + ", " + Number(souenchou) + "]";
}

// Up to 20 surveyed stations along the road, at least 0.05 m apart, in no order; rebuilt with
// regular stations every 20, 25 or 50 m, or none.
std::string StationListJson(Random& random, double& interval) {
    const double total = iptsuikakyori(ipsuu + 1) / 1000.0;
    std::vector<float> stations;
    for (int k = random.Integer(0, 20); k > 0; --k) {
        const float s = static_cast<float>(std::round(random.Uniform(0, total) * 100) / 100);
        bool apart = true;
        for (float other : stations) apart = apart && std::fabs(double(s) - other) > 0.05;
        if (apart) stations.push_back(s);
    }
    const double intervals[] = {0, 20, 25, 50};
    interval = intervals[random.Integer(0, 3)];
    std::string surveyed = "[";
    sokutensuu = static_cast<int>(stations.size());
    for (int r = 1; r <= sokutensuu; ++r) {
        const float ground = static_cast<float>(std::round(random.Uniform(0, 100) * 100) / 100);
        tatedata(r, 1) = stations[r - 1];
        tatedata(r, 2) = ground;
        tatedata(r, 3) = tatedata(r, 4) = kEmpty;
        surveyed += (r > 1 ? ", " : "") + Pair(stations[r - 1], ground);
    }
    EXPECT_TRUE(tsuikasokuten(interval > 0, std::to_string(static_cast<int>(interval))));
    return surveyed + "]";
}

TEST(AlignmentDifferential, AgreesWithAnIndependentSinglePrecisionVersion) {
    Random random(20260112);
    std::string cases = "[";
    int computed = 0, refused = 0;
    for (int c = 0; c < kCases; ++c) {
        LoadRandomPolygon(random);
        const std::string polygon = AlignmentJson();
        const IpAlignmentResult result = ComputeIpAlignment();
        std::string program, surveyed = "[]";
        double interval = 0;
        switch (result.status) {
        case IpAlignmentResult::Status::Refused:
            program = "\"status\": \"refused\"";
            ++refused;
            break;
        case IpAlignmentResult::Status::ParallelNormals: program = "\"status\": \"parallel\""; break;
        case IpAlignmentResult::Status::Computed:
            ++computed;
            program = "\"status\": \"computed\"" + ResultJson();
            surveyed = StationListJson(random, interval);
            program +=
                ", \"stations\": " + List(1, sokutensuu, [](int r) { return Pair(tatedata(r, 1), tatedata(r, 2)); });
            break;
        }
        char intervalText[32];
        std::snprintf(intervalText, sizeof intervalText, "%g", interval);
        cases += std::string(c > 0 ? ",\n" : "") + "{\"alignment\": " + polygon + ", \"surveyed\": " + surveyed +
                 ", \"interval\": " + intervalText + ", \"program\": {" + program + "}}";
    }
    cases += "]";
    forms::UnloadAll();
    EXPECT_GT(computed, kCases / 2);
    EXPECT_GT(refused, 5);

    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("vantor_alignment_cases_" + std::to_string(getpid()) + ".json");
    std::ofstream(file) << cases;
    EXPECT_EQ(test_support::RunPython(VANTOR_SOURCE_DIR "/tests/vantor/geometry/alignment/alignment_reference.py '" +
                                      file.string() + "'"),
              "ok " + std::to_string(kCases) + "\n");
    std::filesystem::remove(file);
}

} // namespace
