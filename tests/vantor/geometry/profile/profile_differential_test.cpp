// The profile computation and its 1 m sampling against an independent single-precision
// version in python3 (profile_reference.py), over random profiles from fixed seeds: curves
// that fit, overlap or run past their neighbours, negative lengths, rows without a station
// or a ground height, 2 and 3 decimals.
#include "platform/forms/forms.h"
#include "tests/support/run_python.h"
#include "tests/vantor/geometry/profile/profile_fixture.h"
#include "vantor/geometry/profile/keisankeikakusen.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using namespace 縦断bus;
using profile_test::E;

constexpr int kCases = 200;

// Exactly the single's value: 17 digits of its double.
std::string Number(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", static_cast<double>(v));
    return text;
}

// A profile of 5 to 40 rows over at most about 1500 m, heights in centimetres.
void LoadRandomProfile(std::mt19937& random) {
    auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    auto chance = [&uniform](double p) { return uniform(0, 1) < p; };
    auto centimetres = [](double v) { return static_cast<float>(std::round(v * 100) / 100); };
    const int rows = std::uniform_int_distribution<int>(5, 40)(random);
    profile_test::LoadProfile({}, chance(0.5) ? 2 : 3);
    double station = uniform(-50, 50);
    int sinceChangePoint = 0;
    for (int r = 1; r <= rows; ++r) {
        const bool ends = r == 1 || r == rows;
        tatedata(r, 1) = !ends && chance(0.05) ? E : centimetres(station);
        tatedata(r, 2) = chance(0.1) ? E : centimetres(uniform(0, 100));
        if (ends || (++sinceChangePoint >= 2 && chance(0.4))) {
            sinceChangePoint = 0;
            tatedata(r, 3) = centimetres(uniform(20, 80));
            if (!ends && chance(0.5))
                tatedata(r, 4) =
                    chance(0.03) ? -20.0f : static_cast<float>(2 * std::uniform_int_distribution<int>(5, 60)(random));
        }
        station += uniform(5, 40);
    }
    sokutensuu = rows;
}

std::string CaseJson() {
    std::ostringstream json;
    json << "{\"ketasuu\": " << ketasuu << ", \"rows\": [";
    for (int r = 1; r <= sokutensuu; ++r)
        json << (r > 1 ? ", " : "") << "[" << Number(tatedata(r, 1)) << ", " << Number(tatedata(r, 2)) << ", "
             << Number(tatedata(r, 3)) << ", " << Number(tatedata(r, 4)) << "]";
    const ProfileOutcome outcome = keisantate();
    json << "], \"program\": {\"outcome\": \""
         << (outcome == ProfileOutcome::Computed  ? "computed"
             : outcome == ProfileOutcome::Stopped ? "stopped"
                                                  : "none")
         << "\", \"planned\": [";
    for (int r = 1; r <= sokutensuu; ++r)
        json << (r > 1 ? ", " : "") << "[" << Number(tatedata(r, 5)) << ", " << Number(tatedata(r, 6)) << ", "
             << Number(tatedata(r, 7)) << "]";
    json << "]";
    if (outcome == ProfileOutcome::Computed) {
        json << ", \"curves\": [";
        for (int k = 1; k <= kyokusensuu; ++k)
            json << (k > 1 ? ", " : "") << "[" << Number(keisuua(k)) << ", " << Number(keisuub(k)) << ", "
                 << Number(keisuuc(k)) << "]";
        EXPECT_TRUE(keisankeikakusen());
        std::string xs, ys;
        for (int s = 0; s <= static_cast<int>(keikakusensuu); ++s) {
            xs += (s > 0 ? ", " : "") + Number(keikakusenx(s));
            ys += (s > 0 ? ", " : "") + Number(keikakuseny(s));
        }
        json << "], \"samples\": [[" << xs << "], [" << ys << "]]";
    }
    json << "}}";
    return json.str();
}

TEST(ProfileDifferential, AgreesWithAnIndependentSinglePrecisionVersion) {
    std::mt19937 random(20260112);
    std::string cases = "[";
    int stopped = 0;
    for (int c = 0; c < kCases; ++c) {
        LoadRandomProfile(random);
        cases += (c > 0 ? ",\n" : "") + CaseJson();
        stopped += keikokuflg;
    }
    cases += "]";
    forms::UnloadAll();
    // Both kinds of outcome are exercised.
    EXPECT_GT(stopped, 10);
    EXPECT_LT(stopped, kCases - 50);

    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("vantor_profile_cases_" + std::to_string(getpid()) + ".json");
    std::ofstream(file) << cases;
    EXPECT_EQ(test_support::RunPython(VANTOR_SOURCE_DIR "/tests/vantor/geometry/profile/profile_reference.py '" +
                                      file.string() + "'"),
              "ok " + std::to_string(kCases) + "\n");
    std::filesystem::remove(file);
}

} // namespace
