#pragma once
// A road of a few stations for the cross-section drawings, the drawing screen loaded with its
// defaults (cells 45 m by 15 m half size, planned window 10 m, sheet 56, 3 tiers), and the CAD
// at the other end of the channel: either one that records every execute, or the CAD's
// command line with small fixture blocks.
#include "../../../support/cad_end.h"
#include "../../drawing/drawing_fixture.h"
#include "cad/drawing/extents.h"
#include "platform/dde/dde_server.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace section_test {

using drawing_test::RecordingCad;

// The CAD's command line with the fixture blocks: the planned section KEI1, a crown at its
// base point with edges 3 m out falling 2 %, and the existing ground GEN1 through its base.
struct FixtureCad : test_support::CadEnd {
    FixtureCad() {
        cad::Polyline formation;
        formation.vertices = {{-3000, -60}, {0, 0}, {3000, -60}};
        drawing.SetBlock(cad::Block{"KEI1", {0, 0}, {cad::Entity{formation, cad::kByLayer}}});
        cad::Polyline ground;
        ground.vertices = {{-15000, -800}, {0, 0}, {15000, 1200}};
        drawing.SetBlock(cad::Block{"GEN1", {0, 0}, {cad::Entity{ground, cad::kByLayer}}});
    }
};

class SectionTest : public drawing_test::DrawingTest {
protected:
    struct Station {
        float station, ground, planned;
        float widthL = 3, slopeL = 2, widthR = 3.5f, slopeR = 2.5f;
    };
    // Stations with standard blocks KEI1 / GEN1 drawn at 3 m and 2 % on both sides.
    static void SetRoad(std::initializer_list<Station> stations) {
        using namespace 縦断bus;
        sokutensuu = 0;
        for (const Station& s : stations) {
            const int k = ++sokutensuu;
            tatedata(k, 1) = s.station;
            tatedata(k, 2) = s.ground;
            tatedata(k, 5) = s.planned;
            tatedata(k, 6) = s.planned - s.ground;
            yokodata(k, 2) = s.widthL;
            yokodata(k, 3) = s.slopeL;
            yokodata(k, 8) = s.slopeR;
            yokodata(k, 9) = s.widthR;
            const char* texts[] = {"", "GEN1", "KEI1", "3", "2", "3", "2"};
            for (int c = 0; c <= 6; ++c) yokosakuzudata(k, c) = texts[c];
        }
    }
    // The drawing screen loaded (it opens the channel) while the CAD is running.
    static 作図画面& DrawingScreen() { return forms::Get<作図画面>(); }
};

} // namespace section_test
