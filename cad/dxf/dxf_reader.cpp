#include "cad/dxf/dxf_reader.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <fstream>
#include <optional>

namespace cad::dxf {

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& why) {
    rt::Raise(rt::errApplication, path + ": " + why);
}

// An ASCII DXF file opens with group code 0 and SECTION, after any 999 comments.
bool LooksLikeAsciiDxf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string code, value;
    for (int pairs = 0; pairs < 64 && std::getline(in, code) && std::getline(in, value); ++pairs) {
        if (rt::Trim(code) == "999") continue;
        return rt::Trim(code) == "0" && rt::Trim(value) == "SECTION";
    }
    return false;
}

class Collector : public DL_CreationAdapter {
public:
    explicit Collector(DxfContents& out) : out_(out) {}
    using DL_CreationAdapter::setVariableString;
    using DL_CreationAdapter::setVariableVector;

    void setVariableString(const std::string& key, const std::string& value, int) override {
        if (key == "$ACADVER") utf8_ = value >= "AC1021";
    }
    void setVariableVector(const std::string& key, double x, double y, double z, int) override {
        if (key == "$INSBASE") out_.insertionBase = {x, y, z};
    }

    void addBlock(const DL_BlockData& d) override {
        Flush();
        layout_ = !d.name.empty() && d.name[0] == '*';
        if (!layout_) block_ = Block{Decode(d.name), {d.bpx, d.bpy, d.bpz}, {}};
    }
    void endBlock() override {
        Flush();
        if (block_) out_.drawing.SetBlock(std::move(*block_));
        block_.reset();
        layout_ = false;
    }

    void addLine(const DL_LineData& d) override { Add(Line{{d.x1, d.y1, d.z1}, {d.x2, d.y2, d.z2}}); }
    void addCircle(const DL_CircleData& d) override { Add(Circle{{d.cx, d.cy, d.cz}, d.radius}); }
    void addArc(const DL_ArcData& d) override {
        Add(Arc{{d.cx, d.cy, d.cz}, d.radius, NormalizeDegrees(d.angle1), NormalizeDegrees(d.angle2)});
    }
    void addText(const DL_TextData& d) override {
        Add(Text{{d.ipx, d.ipy, d.ipz}, d.height, NormalizeDegrees(Degrees(d.angle)), Decode(d.text)});
    }
    void addInsert(const DL_InsertData& d) override {
        Add(Insert{Decode(d.name), {d.ipx, d.ipy, d.ipz}, d.sx, d.sy, NormalizeDegrees(d.angle)});
    }
    void addPolyline(const DL_PolylineData& d) override {
        Flush();
        polyline_ = Polyline{};
        polylineColour_ = attributes.getColor();
        elevation_ = d.elevation;
        closed_ = (d.flags & 1) != 0;
    }
    void addVertex(const DL_VertexData& d) override {
        if (polyline_) polyline_->vertices.push_back({d.x, d.y, elevation_});
    }
    void endSequence() override { Flush(); }

    void addMText(const DL_MTextData&) override { Skip(); }
    void addPoint(const DL_PointData&) override { Skip(); }
    void addEllipse(const DL_EllipseData&) override { Skip(); }
    void addSpline(const DL_SplineData&) override { Skip(); }
    void addHatch(const DL_HatchData&) override { Skip(); }
    void addSolid(const DL_SolidData&) override { Skip(); }
    void add3dFace(const DL_3dFaceData&) override { Skip(); }

    void Finish() { Flush(); }
    const std::string& DecodeError() const { return decodeError_; }

private:
    std::string Decode(const std::string& bytes) {
        if (utf8_) return bytes;
        try {
            return rt::Cp932ToUtf8(bytes);
        } catch (const rt::Error&) {
            if (decodeError_.empty()) decodeError_ = "text that is no valid code page 932";
            return {};
        }
    }
    void Skip() {
        Flush();
        if (!layout_) ++out_.skippedEntities;
    }
    void Add(Shape shape) { Add(std::move(shape), attributes.getColor()); }
    void Add(Shape shape, int colour) {
        Flush();
        if (layout_) return;
        Entity e{std::move(shape), colour};
        if (block_) block_->entities.push_back(std::move(e));
        else out_.drawing.Entities().push_back(std::move(e));
    }
    void Flush() {
        if (!polyline_) return;
        Polyline done = std::move(*polyline_);
        polyline_.reset();
        if (closed_ && done.vertices.size() > 1) done.vertices.push_back(done.vertices.front());
        if (done.vertices.size() > 1) Add(std::move(done), polylineColour_);
    }

    DxfContents& out_;
    bool utf8_ = false;
    bool layout_ = false;
    std::optional<Block> block_;
    std::optional<Polyline> polyline_;
    int polylineColour_ = kByLayer;
    double elevation_ = 0;
    bool closed_ = false;
    std::string decodeError_;
};

void CheckReferences(const std::string& path, const Drawing& d) {
    auto check = [&](const std::vector<Entity>& entities) {
        for (const Entity& e : entities)
            if (const auto* ins = std::get_if<Insert>(&e.shape))
                if (!d.FindBlock(ins->block)) Fail(path, "insert of block \"" + ins->block + "\", which the file does not define");
    };
    check(d.Entities());
    for (const auto& [key, block] : d.Blocks()) {
        check(block.entities);
        for (const Entity& e : block.entities)
            if (const auto* ins = std::get_if<Insert>(&e.shape))
                if (d.BlockRefersTo(ins->block, block.name)) Fail(path, "block \"" + block.name + "\" contains itself");
    }
}

} // namespace

DxfContents ReadDxf(const std::string& path) {
    if (!std::ifstream(path).good()) Fail(path, "cannot open the file");
    if (!LooksLikeAsciiDxf(path)) Fail(path, "not an ASCII DXF file");
    DxfContents out;
    Collector collector(out);
    DL_Dxf dxf;
    try {
        if (!dxf.in(path, &collector)) Fail(path, "cannot read the file");
    } catch (const rt::Error&) {
        throw;
    } catch (const std::exception& e) {
        Fail(path, std::string("unreadable DXF data (") + e.what() + ")");
    }
    collector.Finish();
    if (!collector.DecodeError().empty()) Fail(path, collector.DecodeError());
    CheckReferences(path, out.drawing);
    return out;
}

} // namespace cad::dxf
