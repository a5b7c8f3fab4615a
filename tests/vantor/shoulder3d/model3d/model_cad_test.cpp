// The 3D model of the curved road drawn in the CAD over its command channel: every line a 3D
// LINE entity whose ends are the model's vertices, the chains closed at the stations. The DXF
// is read back and audited by ezdxf, and an axonometric picture is left for people.
#include "../../../support/cad_end.h"
#include "../../../support/output_path.h"
#include "model3d_fixture.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/shoulder3d/model3d/sakuzu3d.h"

#include <QImage>
#include <QPainter>

namespace {

using namespace 縦断bus;

class ModelInTheCad : public model3d_test::Model3dTest, protected test_support::CadEnd {
protected:
    static std::string OutputPath(const std::string& name) {
        return test_support::OutputPath("tests/vantor/shoulder3d/model3d", name);
    }
};

// An axonometric view: X to the lower right, Y to the upper right, Z up, heights exaggerated.
void RenderAxonometric(const std::vector<cad::Line>& lines, const std::string& path) {
    constexpr double kHeightScale = 4;
    auto project = [](const cad::Point& p) {
        return QPointF((p.x - p.y) * 0.866, -(p.x + p.y) * 0.5 - p.z * kHeightScale);
    };
    QRectF bounds;
    for (const auto& l : lines) bounds = bounds.united(QRectF(project(l.a), project(l.b)).normalized());
    QImage image(1200, 900, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(1100 / bounds.width(), 800 / bounds.height());
    painter.translate(50, 50);
    painter.scale(scale, scale);
    painter.translate(-bounds.topLeft());
    for (const auto& l : lines) {
        painter.setPen(QPen(l.a.z == 0 ? Qt::gray : Qt::darkBlue, 0));
        painter.drawLine(project(l.a), project(l.b));
    }
    painter.end();
    image.save(QString::fromStdString(path));
}

TEST_F(ModelInTheCad, CurvedRoadAsThreeDimensionalLines) {
    forms::Get<作図画面>();
    ASSERT_TRUE(DrawModel3d({5, 500}, {.stationWidths = true, .heights = true}));
    ExpectIdleAndClean();

    const auto lines = All<cad::Line>();
    // 8 intervals × 40 pieces × 3 chains, 9 station width pairs, 9 height lines.
    ASSERT_EQ(lines.size(), 8u * 40u * 3u + 18u + 9u);
    // Each chain runs unbroken from the first station to the last.
    for (int chain = 0; chain < 3; ++chain) {
        std::vector<cad::Line> pieces;
        for (int i = 0; i < 8; ++i)
            for (int m = 0; m < 40; ++m) pieces.push_back(lines[i * 120 + (chain == 0 ? m : 40 + 2 * m + chain - 1)]);
        for (std::size_t m = 1; m < pieces.size(); ++m) EXPECT_EQ(pieces[m].a, pieces[m - 1].b) << chain << " " << m;
    }
    EXPECT_NEAR(lines[0].a.z, 5000, 0.5);
    EXPECT_NEAR(lines[7 * 120 + 39].b.x, 100000, 0.01); // the centre line reaches the last station
    EXPECT_NEAR(lines[7 * 120 + 39].b.z, 6000, 0.5);
    const cad::Line& height = lines.back();
    EXPECT_EQ(height.a.z, 0);
    EXPECT_NEAR(height.b.z, 6000, 0.5);

    RenderAxonometric(lines, OutputPath("curved_road_3d.png"));
    const std::string report = ReadBackDxf(OutputPath("curved_road_3d.dxf"), R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print('errors', len(auditor.errors))
lines = doc.modelspace().query('LINE')
print('LINE', len(lines), 'others', len(doc.modelspace()) - len(lines))
zs = [p.z for l in lines for p in (l.dxf.start, l.dxf.end)]
print('z', round(min(zs)), round(max(zs)))
print('3d', sum(1 for l in lines if l.dxf.start.z != 0 or l.dxf.end.z != 0))
)");
    EXPECT_EQ(report, "errors 0\nLINE 987 others 0\nz 0 7121\n3d 987\n");
}

} // namespace
