#include "cad/dxf/dxf_reader.h"

#include "cad/dxf/text_escapes.h"
#include "platform/runtime/conversion.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <set>

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

// The entity kinds the drawing holds, with the records that belong to them.
const std::set<std::string> kTaken{"LINE", "LWPOLYLINE", "POLYLINE", "VERTEX", "SEQEND", "CIRCLE",
                                   "ARC",  "TEXT",       "INSERT",   "BLOCK",  "ENDBLK", "ENDSEC"};

// Notes the kinds of entity records in the ENTITIES section and in the named blocks that
// the drawing does not hold.
class KindCounter {
public:
    void Group(int code, const std::string& value) {
        if (code == 0) {
            expectSectionName_ = value == "SECTION";
            expectBlockName_ = value == "BLOCK";
            if (inEntities_ && !layoutBlock_ && !kTaken.count(value)) ++left_[value];
            if (value == "ENDSEC") inEntities_ = false;
            if (value == "ENDBLK") layoutBlock_ = false;
            return;
        }
        if (code != 2) return;
        if (expectSectionName_) inEntities_ = value == "ENTITIES" || value == "BLOCKS";
        if (expectBlockName_) layoutBlock_ = !value.empty() && value[0] == '*';
        expectSectionName_ = expectBlockName_ = false;
    }
    const std::map<std::string, int>& Left() const { return left_; }

private:
    bool inEntities_ = false, layoutBlock_ = false, expectSectionName_ = false, expectBlockName_ = false;
    std::map<std::string, int> left_;
};

// The start of a text's baseline when it is aligned other than left on the baseline: the
// alignment point less the text's width and height as far as the alignment says.
Point LeftBaselineStart(const DL_TextData& d, double width) {
    const bool centred = d.hJustification == 1 || d.hJustification == 4, right = d.hJustification == 2;
    const bool aligned = centred || right || (d.hJustification == 0 && d.vJustification != 0);
    if (!aligned) return {d.ipx, d.ipy, d.ipz};
    const double u = centred ? -width / 2 : right ? -width : 0;
    const double v = d.hJustification == 4 || d.vJustification == 2 ? -d.height / 2
                     : d.vJustification == 3                        ? -d.height
                                                                    : 0;
    const double c = std::cos(d.angle), s = std::sin(d.angle);
    return {d.apx + u * c - v * s, d.apy + u * s + v * c, d.apz};
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

    void addLayer(const DL_LayerData& d) override { layerColours_[d.name] = std::abs(attributes.getColor()); }

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
        Text t{{}, d.height, NormalizeDegrees(Degrees(d.angle)), DecodeUnicodeEscapes(Decode(d.text))};
        t.position = LeftBaselineStart(d, TextWidth(t));
        Add(std::move(t));
    }
    void addInsert(const DL_InsertData& d) override {
        Add(Insert{Decode(d.name), {d.ipx, d.ipy, d.ipz}, d.sx, d.sy, NormalizeDegrees(d.angle)});
    }
    void addPolyline(const DL_PolylineData& d) override {
        Flush();
        if (d.flags & (16 | 64)) { // polygon and polyface meshes
            if (!layout_ && !PaperSpace()) ++meshes_;
            return;
        }
        polyline_ = Polyline{};
        polylineColour_ = Colour();
        polylinePaperSpace_ = PaperSpace();
        elevation_ = d.elevation;
        threeD_ = (d.flags & 8) != 0;
        closed_ = (d.flags & 1) != 0;
    }
    void addVertex(const DL_VertexData& d) override {
        if (!polyline_) return;
        polyline_->vertices.push_back({d.x, d.y, threeD_ ? d.z : elevation_});
        polyline_->bulges.push_back(d.bulge);
    }
    void endSequence() override { Flush(); }

    void Finish() {
        Flush();
        if (paperSpace_ > 0) Warn(rt::CStr(paperSpace_) + " entities of paper space not read");
        if (meshes_ > 0) Warn(rt::CStr(meshes_) + " polygon meshes not read");
    }
    const std::string& DecodeError() const { return decodeError_; }
    const std::vector<std::string>& Warnings() const { return warnings_; }

private:
    bool PaperSpace() const { return attributes.isInPaperSpace() && !block_; }

    void Warn(const std::string& what) { warnings_.push_back(what); }

    // The colour of the entity being read: by layer becomes the layer's colour, except on layer
    // 0 (in a block it follows the insert) and where the layer is the foreground white.
    int Colour() const {
        const int colour = attributes.getColor();
        if (colour != kByLayer) return colour;
        const std::string layer = attributes.getLayer();
        if (layer == "0") return kByLayer;
        const auto it = layerColours_.find(layer);
        return it == layerColours_.end() || it->second == kWhite || it->second == 0 || it->second > 255 ? kByLayer
                                                                                                        : it->second;
    }

    std::string Decode(const std::string& bytes) {
        if (utf8_) return bytes;
        try {
            return rt::Cp932ToUtf8(bytes);
        } catch (const rt::Error&) {
            if (decodeError_.empty()) decodeError_ = "text that is no valid code page 932";
            return {};
        }
    }
    void Add(Shape shape) { Add(std::move(shape), Colour(), PaperSpace()); }
    void Add(Shape shape, int colour, bool paperSpace) {
        Flush();
        if (layout_) return;
        if (paperSpace) {
            ++paperSpace_;
            return;
        }
        Entity e{std::move(shape), colour};
        if (block_) block_->entities.push_back(std::move(e));
        else out_.drawing.Entities().push_back(std::move(e));
    }
    void Flush() {
        if (!polyline_) return;
        Polyline done = std::move(*polyline_);
        polyline_.reset();
        if (closed_ && done.vertices.size() > 1) {
            done.vertices.push_back(done.vertices.front());
            done.bulges.push_back(0);
        }
        if (!done.HasArcs()) done.bulges.clear();
        if (done.vertices.size() > 1) Add(std::move(done), polylineColour_, polylinePaperSpace_);
    }

    DxfContents& out_;
    std::vector<std::string> warnings_;
    bool utf8_ = false;
    bool layout_ = false;
    std::optional<Block> block_;
    std::optional<Polyline> polyline_;
    int polylineColour_ = kByLayer;
    bool polylinePaperSpace_ = false;
    double elevation_ = 0;
    bool threeD_ = false;
    bool closed_ = false;
    int paperSpace_ = 0;
    int meshes_ = 0;
    std::map<std::string, int> layerColours_;
    std::string decodeError_;
};

void CheckReferences(const std::string& path, const Drawing& d) {
    auto check = [&](const std::vector<Entity>& entities) {
        for (const Entity& e : entities)
            if (const auto* ins = std::get_if<Insert>(&e.shape))
                if (!d.FindBlock(ins->block))
                    Fail(path, "insert of block \"" + ins->block + "\", which the file does not define");
    };
    check(d.Entities());
    for (const auto& [key, block] : d.Blocks()) {
        check(block.entities);
        for (const Entity& e : block.entities)
            if (const auto* ins = std::get_if<Insert>(&e.shape))
                if (d.BlockRefersTo(ins->block, block.name)) Fail(path, "block \"" + block.name + "\" contains itself");
    }
}

// Hands the file to the library's reader unchanged while noting its group pairs, so that
// the kinds of entity the reader passes over are known.
class NotingBuffer : public std::streambuf {
public:
    NotingBuffer(std::streambuf& source, KindCounter& kinds) : source_(source), kinds_(kinds) {}

protected:
    int_type underflow() override {
        const std::streamsize n = source_.sgetn(buffer_, sizeof buffer_);
        if (n <= 0) return traits_type::eof();
        for (std::streamsize i = 0; i < n; ++i) Take(buffer_[i]);
        setg(buffer_, buffer_, buffer_ + n);
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    void Take(char c) {
        if (c != '\n') {
            if (line_.size() < DL_DXF_MAXLINE) line_ += c;
            return;
        }
        const std::string_view trimmed = rt::Trim(std::string_view(line_).substr(0, line_.find_last_not_of("\r") + 1));
        if (codeLine_) code_ = std::atoi(std::string(trimmed).c_str());
        else kinds_.Group(code_, std::string(trimmed));
        codeLine_ = !codeLine_;
        line_.clear();
    }

    std::streambuf& source_;
    KindCounter& kinds_;
    char buffer_[1 << 16];
    std::string line_;
    bool codeLine_ = true;
    int code_ = 0;
};

void ReadGroups(const std::string& path, Collector& collector, KindCounter& kinds) {
    std::ifstream file(path, std::ios::binary);
    NotingBuffer noting(*file.rdbuf(), kinds);
    std::istream in(&noting);
    DL_Dxf dxf;
    if (!dxf.in(in, &collector)) Fail(path, "cannot read the file");
}

} // namespace

DxfContents ReadDxf(const std::string& path) {
    if (!std::ifstream(path).good()) Fail(path, "cannot open the file");
    if (!LooksLikeAsciiDxf(path)) Fail(path, "not an ASCII DXF file");
    DxfContents out;
    Collector collector(out);
    KindCounter kinds;
    try {
        ReadGroups(path, collector, kinds);
    } catch (const rt::Error&) {
        throw;
    } catch (const std::exception& e) {
        Fail(path, std::string("unreadable DXF data (") + e.what() + ")");
    }
    collector.Finish();
    if (!collector.DecodeError().empty()) Fail(path, collector.DecodeError());
    CheckReferences(path, out.drawing);
    std::string left;
    for (const auto& [kind, count] : kinds.Left()) {
        left += (left.empty() ? "" : ", ") + rt::CStr(count) + " " + kind;
        out.skippedEntities += count;
    }
    if (!left.empty()) out.warnings.push_back(path + ": not read, as this CAD does not draw them: " + left);
    for (const std::string& w : collector.Warnings()) out.warnings.push_back(path + ": " + w);
    return out;
}

std::vector<std::string> OpenDxf(const std::string& path, Drawing& drawing) {
    DxfContents file = ReadDxf(path);
    drawing.TakeContents(std::move(file.drawing));
    return std::move(file.warnings);
}

} // namespace cad::dxf
