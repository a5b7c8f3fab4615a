#include "cad/dxf/dxf_writer.h"

#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <dl_dxf.h>

#include <cstdio>
#include <memory>
#include <string_view>

namespace cad::dxf {

namespace {

// Collects the file in memory and writes it in one go (the library's own writer flushes
// after every line), and leaves the colour group out for entities that take the layer's
// colour, which is how a file says "by layer".
class BufferedWriter : public DL_WriterA {
public:
    explicit BufferedWriter(DL_Codes::version version) : DL_WriterA("/dev/null", version) { text_.reserve(1 << 20); }

    void dxfReal(int gc, double value) const override { Pair(gc, rt::CStr(value)); }
    void dxfInt(int gc, int value) const override {
        if (gc == 62 && value == kByLayer) return;
        Pair(gc, rt::CStr(value));
    }
    void dxfHex(int gc, int value) const override {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(value));
        Pair(gc, hex);
    }
    void dxfString(int gc, const char* value) const override { Pair(gc, value); }
    void dxfString(int gc, const std::string& value) const override { Pair(gc, value); }

    void SaveAs(const std::string& path) const {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) rt::Raise(rt::errApplication, "cannot write " + path);
        const bool written = std::fwrite(text_.data(), 1, text_.size(), f) == text_.size();
        if (std::fclose(f) != 0 || !written) rt::Raise(rt::errApplication, "cannot write " + path);
    }

private:
    void Pair(int gc, std::string_view value) const {
        if (gc < 10) text_ += "  ";
        else if (gc < 100) text_ += ' ';
        text_ += rt::CStr(gc);
        text_ += '\n';
        text_ += value;
        text_ += '\n';
    }

    mutable std::string text_;
};

DL_Attributes Attributes(int colour) { return DL_Attributes("0", colour, -1, "BYLAYER", 1.0); }

class EntityWriter {
public:
    EntityWriter(DL_Dxf& dxf, DL_WriterA& dw) : dxf_(dxf), dw_(dw) {}

    void Write(const Entity& e) {
        attributes_ = Attributes(e.colour);
        std::visit(*this, e.shape);
    }

    void operator()(const Line& s) {
        dxf_.writeLine(dw_, DL_LineData(s.a.x, s.a.y, s.a.z, s.b.x, s.b.y, s.b.z), attributes_);
    }
    void operator()(const Polyline& s) {
        const double elevation = s.vertices.empty() ? 0 : s.vertices.front().z;
        dxf_.writePolyline(dw_, DL_PolylineData(static_cast<int>(s.vertices.size()), 0, 0, 0, elevation), attributes_);
        for (const Point& p : s.vertices) dxf_.writeVertex(dw_, DL_VertexData(p.x, p.y, 0, 0));
        dxf_.writePolylineEnd(dw_);
    }
    void operator()(const Circle& s) {
        dxf_.writeCircle(dw_, DL_CircleData(s.centre.x, s.centre.y, s.centre.z, s.radius), attributes_);
    }
    void operator()(const Arc& s) {
        dxf_.writeArc(dw_, DL_ArcData(s.centre.x, s.centre.y, s.centre.z, s.radius, s.startAngle, s.endAngle), attributes_);
    }
    void operator()(const Text& s) {
        const Point p = s.position;
        dxf_.writeText(dw_,
                       DL_TextData(p.x, p.y, p.z, p.x, p.y, p.z, s.height, 1.0, 0, 0, 0, rt::Utf8ToCp932(s.text),
                                   "Standard", Radians(s.rotation)),
                       attributes_);
    }
    void operator()(const Insert& s) {
        dxf_.writeInsert(dw_,
                         DL_InsertData(rt::Utf8ToCp932(s.block), s.position.x, s.position.y, s.position.z, s.scaleX,
                                       s.scaleY, 1.0, s.rotation, 1, 1, 0, 0),
                         attributes_);
    }

private:
    DL_Dxf& dxf_;
    DL_WriterA& dw_;
    DL_Attributes attributes_;
};

void WriteHeader(DL_Dxf& dxf, DL_WriterA& dw) {
    dxf.writeHeader(dw);
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_932");
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4);  // millimetres
    dw.sectionEnd();
}

void WriteTables(DL_Dxf& dxf, DL_WriterA& dw, const Drawing& drawing) {
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(1);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", kWhite, -1, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 0.625, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(dw);
    for (const auto& [key, block] : drawing.Blocks()) dxf.writeBlockRecord(dw, rt::Utf8ToCp932(block.name));
    dw.tableEnd();
    dw.sectionEnd();
}

void WriteBlocks(DL_Dxf& dxf, DL_WriterA& dw, const Drawing& drawing) {
    dw.sectionBlocks();
    for (const char* layout : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(layout, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, layout);
    }
    EntityWriter entities(dxf, dw);
    for (const auto& [key, block] : drawing.Blocks()) {
        const std::string name = rt::Utf8ToCp932(block.name);
        dxf.writeBlock(dw, DL_BlockData(name, 0, block.base.x, block.base.y, block.base.z));
        for (const Entity& e : block.entities) entities.Write(e);
        dxf.writeEndBlock(dw, name);
    }
    dw.sectionEnd();
}

} // namespace

void WriteDxf(const Drawing& drawing, const std::string& path) {
    DL_Dxf dxf;  // writes release 2000 unless told otherwise
    auto dw = std::make_unique<BufferedWriter>(DL_Codes::AC1015);
    WriteHeader(dxf, *dw);
    WriteTables(dxf, *dw, drawing);
    WriteBlocks(dxf, *dw, drawing);
    dw->sectionEntities();
    EntityWriter entities(dxf, *dw);
    for (const Entity& e : drawing.Entities()) entities.Write(e);
    dw->sectionEnd();
    dxf.writeObjects(*dw);
    dxf.writeObjectsEnd(*dw);
    dw->dxfEOF();
    dw->SaveAs(path);
}

} // namespace cad::dxf
