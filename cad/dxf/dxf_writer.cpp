#include "cad/dxf/dxf_writer.h"

#include "cad/drawing/extents.h"
#include "cad/dxf/text_escapes.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <dl_dxf.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace cad::dxf {

namespace {

constexpr std::size_t kBufferBytes = 1 << 20;
constexpr int kHandleSeedDigits = 8;

// What the viewport of the drawing shows: centre and height of the view.
struct ViewWindow {
    double centreX = 0, centreY = 0, height = 1;
};

// The text of the small numbers that group codes and most integer values (flags, counts, the
// line weight -1) are, each made once through the runtime's conversion.
constexpr int kLowestCachedNumber = -16;
constexpr int kCachedNumbers = 1100; // from kLowestCachedNumber on

bool IsSmallNumber(int value) { return value >= kLowestCachedNumber && value < kLowestCachedNumber + kCachedNumbers; }

const std::string& SmallNumberText(int value) {
    static std::array<std::string, kCachedNumbers> texts;
    std::string& text = texts[static_cast<std::size_t>(value - kLowestCachedNumber)];
    if (text.empty()) text = rt::CStr(value);
    return text;
}

// The texts of recently written real values by their bits: coordinates repeat (the end of one
// line is the start of the next), and the conversion is the writer's largest cost.
class RealTexts {
public:
    const std::string& Of(double value) {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        Slot& slot = slots_[(bits * 0x9E3779B97F4A7C15ULL) >> (64 - kSlotBits)];
        if (slot.text.empty() || slot.bits != bits) {
            slot.bits = bits;
            slot.text = rt::CStr(value);
        }
        return slot.text;
    }

private:
    static constexpr int kSlotBits = 12;
    struct Slot {
        std::uint64_t bits = 0;
        std::string text; // empty until first used: a conversion never gives an empty text
    };
    std::vector<Slot> slots_ = std::vector<Slot>(std::size_t{1} << kSlotBits);
};

// A group code as the line before its value: right-aligned in three columns.
const std::string& GroupCodeLine(int gc) {
    static std::array<std::string, kCachedNumbers> lines;
    std::string& line = lines[static_cast<std::size_t>(gc - kLowestCachedNumber)];
    if (line.empty()) {
        const std::string& digits = SmallNumberText(gc);
        line = std::string(digits.size() < 3 ? 3 - digits.size() : 0, ' ') + digits + '\n';
    }
    return line;
}

unsigned long ParseHex(std::string_view text) {
    unsigned long value = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') value = value * 16 + static_cast<unsigned long>(c - '0');
        else if (c >= 'A' && c <= 'F') value = value * 16 + static_cast<unsigned long>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f') value = value * 16 + static_cast<unsigned long>(c - 'a' + 10);
        else break;
    }
    return value;
}

// Writes the group pairs to the file through a large buffer of its own, leaves the colour
// group out for entities that take the layer's colour (which is how a file says "by layer"),
// keeps the place of $HANDSEED to fill it in once every handle is given out, and sets the
// view of the *Active viewport while that is written.
class StreamWriter : public DL_WriterA {
public:
    StreamWriter(std::FILE* file, DL_Codes::version version) : DL_WriterA("/dev/null", version), file_(file) {
        buffer_.reserve(kBufferBytes + kBufferBytes / 8);
    }

    void dxfReal(int gc, double value) const override {
        if (view_) {
            if (gc == 12) value = view_->centreX;
            if (gc == 22) value = view_->centreY;
            if (gc == 40) value = view_->height;
        }
        Pair(gc, realTexts_.Of(value));
    }
    void dxfInt(int gc, int value) const override {
        if (gc == 62 && value == kByLayer) return;
        if (IsSmallNumber(value)) Pair(gc, SmallNumberText(value));
        else Pair(gc, rt::CStr(value));
    }
    void dxfHex(int gc, int value) const override {
        char hex[16];
        char* end = hex + sizeof hex;
        char* first = end;
        unsigned rest = static_cast<unsigned>(value);
        do {
            *--first = "0123456789ABCDEF"[rest % 16];
            rest /= 16;
        } while (rest != 0);
        Pair(gc, std::string_view(first, static_cast<std::size_t>(end - first)));
    }
    void dxfString(int gc, const char* value) const override { Pair(gc, value); }
    void dxfString(int gc, const std::string& value) const override { Pair(gc, value); }

    void SetView(const ViewWindow* view) { view_ = view; }
    // From here on every object gets its owner after its handle: the dictionary that lists it
    // (350 or 360), the root dictionary, which comes first, none ("0").
    void BeginObjects() { objects_ = true; }
    // The elevation of the polyline about to be written, given after its flags.
    void SetElevation(double z) { elevation_ = z; }

    // Writes out what is buffered and fills in $HANDSEED with the handle after the highest
    // written; false when the file could not take it.
    bool Finish() const {
        if (!Flush()) return false;
        if (seedOffset_ < 0) return true;
        char hex[16];
        std::snprintf(hex, sizeof hex, "%0*lX", kHandleSeedDigits, highestHandle_ + 1);
        return std::fflush(file_) == 0 && std::fseek(file_, seedOffset_, SEEK_SET) == 0 &&
               std::fwrite(hex, 1, kHandleSeedDigits, file_) == kHandleSeedDigits &&
               std::fseek(file_, 0, SEEK_END) == 0;
    }

private:
    bool Flush() const {
        const bool written = std::fwrite(buffer_.data(), 1, buffer_.size(), file_) == buffer_.size();
        flushed_ += static_cast<long>(buffer_.size());
        buffer_.clear();
        return written;
    }

    void Pair(int gc, std::string_view value) const {
        if (gc >= 0 && IsSmallNumber(gc)) {
            buffer_ += GroupCodeLine(gc);
        } else {
            buffer_ += rt::CStr(gc);
            buffer_ += '\n';
        }
        if (seedNext_ && gc == 5) {
            seedNext_ = false;
            seedOffset_ = flushed_ + static_cast<long>(buffer_.size());
            value = std::string_view("00000000").substr(0, kHandleSeedDigits);
        } else if (gc == 5 || gc == 105) {
            highestHandle_ = std::max(highestHandle_, ParseHex(value));
        }
        buffer_ += value;
        buffer_ += '\n';
        if (objects_) NoteOwnership(gc, value);
        if (gc == 9) seedNext_ = value == "$HANDSEED";
        if (gc == 70 && elevation_) {
            const double z = *elevation_;
            elevation_.reset();
            if (z != 0) Pair(38, rt::CStr(z));
        }
        if (buffer_.size() >= kBufferBytes) Flush();
    }

    void NoteOwnership(int gc, std::string_view value) const {
        if (gc == 350 || gc == 360) owners_.emplace(std::string(value), objectHandle_);
        if (gc != 5) return;
        objectHandle_ = std::string(value);
        const auto owner = owners_.find(objectHandle_);
        Pair(330, owner == owners_.end() ? std::string_view("0") : std::string_view(owner->second));
    }

    std::FILE* file_;
    mutable std::string buffer_;
    mutable RealTexts realTexts_;
    mutable long flushed_ = 0; // bytes written out of the buffer so far
    const ViewWindow* view_ = nullptr;
    bool objects_ = false;
    mutable std::string objectHandle_;
    mutable std::map<std::string, std::string> owners_; // object handle -> its dictionary
    mutable bool seedNext_ = false;
    mutable long seedOffset_ = -1;
    mutable unsigned long highestHandle_ = 0;
    mutable std::optional<double> elevation_;
};

DL_Attributes Attributes(int colour) { return DL_Attributes("0", colour, -1, "BYLAYER", 1.0); }

class EntityWriter {
public:
    EntityWriter(DL_Dxf& dxf, StreamWriter& dw) : dxf_(dxf), dw_(dw) {}

    void Write(const Entity& e) {
        attributes_ = Attributes(e.colour);
        std::visit(*this, e.shape);
    }

    void operator()(const Line& s) {
        dxf_.writeLine(dw_, DL_LineData(s.a.x, s.a.y, s.a.z, s.b.x, s.b.y, s.b.z), attributes_);
    }
    void operator()(const Polyline& s) {
        const double elevation = s.vertices.empty() ? 0 : s.vertices.front().z;
        dw_.SetElevation(elevation);
        dxf_.writePolyline(dw_, DL_PolylineData(static_cast<int>(s.vertices.size()), 0, 0, 0, elevation), attributes_);
        for (std::size_t i = 0; i < s.vertices.size(); ++i)
            dxf_.writeVertex(dw_, DL_VertexData(s.vertices[i].x, s.vertices[i].y, 0, s.Bulge(i)));
        dxf_.writePolylineEnd(dw_);
    }
    void operator()(const Circle& s) {
        dxf_.writeCircle(dw_, DL_CircleData(s.centre.x, s.centre.y, s.centre.z, s.radius), attributes_);
    }
    void operator()(const Arc& s) {
        dxf_.writeArc(dw_, DL_ArcData(s.centre.x, s.centre.y, s.centre.z, s.radius, s.startAngle, s.endAngle),
                      attributes_);
    }
    void operator()(const Text& s) {
        const Point p = s.position;
        dxf_.writeText(dw_,
                       DL_TextData(p.x, p.y, p.z, p.x, p.y, p.z, s.height, 1.0, 0, 0, 0, EncodeDxfText(s.text),
                                   "Standard", Radians(s.rotation)),
                       attributes_);
    }
    void operator()(const Insert& s) {
        dxf_.writeInsert(dw_,
                         DL_InsertData(EncodeDxfText(s.block), s.position.x, s.position.y, s.position.z, s.scaleX,
                                       s.scaleY, 1.0, s.rotation, 1, 1, 0, 0),
                         attributes_);
    }

private:
    DL_Dxf& dxf_;
    StreamWriter& dw_;
    DL_Attributes attributes_;
};

void WritePoint(DL_WriterA& dw, const char* variable, double x, double y) {
    dw.dxfString(9, variable);
    dw.dxfReal(10, x);
    dw.dxfReal(20, y);
    dw.dxfReal(30, 0.0);
}

void WriteHeader(DL_Dxf& dxf, DL_WriterA& dw, const Rect& extents) {
    dxf.writeHeader(dw);
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_932");
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4); // millimetres
    WritePoint(dw, "$EXTMIN", extents.minX, extents.minY);
    WritePoint(dw, "$EXTMAX", extents.maxX, extents.maxY);
    dw.dxfString(9, "$TEXTSTYLE");
    dw.dxfString(7, "Standard");
    dw.sectionEnd();
}

// The text style: the Japanese font, no fixed height. Answers the style's handle, which the
// dimension style refers to.
unsigned long WriteStyle(DL_WriterA& dw) {
    dw.tableStyle(1);
    dw.dxfString(0, "STYLE");
    const unsigned long handle = dw.handle();
    dw.dxfString(100, "AcDbSymbolTableRecord");
    dw.dxfString(100, "AcDbTextStyleTableRecord");
    dw.dxfString(2, "Standard");
    dw.dxfInt(70, 0);
    dw.dxfReal(40, 0.0);
    dw.dxfReal(41, 1.0);
    dw.dxfReal(50, 0.0);
    dw.dxfInt(71, 0);
    dw.dxfReal(42, 2.5);
    dw.dxfString(3, kTextFont);
    dw.dxfString(4, "");
    dw.tableEnd();
    return handle;
}

// The Standard dimension style, its text in the text style `styleHandle`.
void WriteDimStyle(DL_WriterA& dw, unsigned long styleHandle) {
    dw.dxfString(0, "TABLE");
    dw.dxfString(2, "DIMSTYLE");
    dw.dxfHex(5, 0xA);
    dw.dxfString(100, "AcDbSymbolTable");
    dw.dxfInt(70, 1);
    dw.dxfString(100, "AcDbDimStyleTable");
    dw.dxfInt(71, 0);
    dw.dxfString(0, "DIMSTYLE");
    dw.dxfHex(105, 0x27);
    dw.dxfString(100, "AcDbSymbolTableRecord");
    dw.dxfString(100, "AcDbDimStyleTableRecord");
    dw.dxfString(2, "Standard");
    dw.dxfReal(41, 2.5);   // arrow size
    dw.dxfReal(42, 0.625); // extension line offset
    dw.dxfReal(43, 3.75);  // baseline spacing
    dw.dxfReal(44, 0.625); // extension line extension
    dw.dxfInt(70, 0);
    dw.dxfInt(73, 0);
    dw.dxfInt(74, 0);
    dw.dxfInt(77, 1);
    dw.dxfInt(78, 8);
    dw.dxfReal(140, 2.5); // text height
    dw.dxfReal(141, 2.5); // centre mark size
    dw.dxfReal(143, 0.03937007874016);
    dw.dxfReal(147, 0.625); // text gap
    dw.dxfInt(171, 3);
    dw.dxfInt(172, 1);
    dw.dxfInt(271, 2);
    dw.dxfInt(272, 2);
    dw.dxfInt(274, 3);
    dw.dxfInt(278, 44);
    dw.dxfInt(283, 0);
    dw.dxfInt(284, 8);
    dw.dxfHex(340, static_cast<int>(styleHandle));
    dw.tableEnd();
}

void WriteTables(DL_Dxf& dxf, StreamWriter& dw, const Drawing& drawing, const ViewWindow& view) {
    dw.sectionTables();
    dw.SetView(&view);
    dxf.writeVPort(dw);
    dw.SetView(nullptr);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(1);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", kWhite, -1, "CONTINUOUS", 1.0));
    dw.tableEnd();
    const unsigned long styleHandle = WriteStyle(dw);
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    WriteDimStyle(dw, styleHandle);
    dxf.writeBlockRecord(dw);
    for (const auto& [key, block] : drawing.Blocks()) dxf.writeBlockRecord(dw, EncodeDxfText(block.name));
    dw.tableEnd();
    dw.sectionEnd();
}

void WriteBlocks(DL_Dxf& dxf, StreamWriter& dw, const Drawing& drawing) {
    dw.sectionBlocks();
    for (const char* layout : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(layout, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, layout);
    }
    EntityWriter entities(dxf, dw);
    for (const auto& [key, block] : drawing.Blocks()) {
        const std::string name = EncodeDxfText(block.name);
        dxf.writeBlock(dw, DL_BlockData(name, 0, block.base.x, block.base.y, block.base.z));
        for (const Entity& e : block.entities) entities.Write(e);
        dxf.writeEndBlock(dw, name);
    }
    dw.sectionEnd();
}

// The extents with a margin, as the viewport shows them; a unit square about the origin for
// an empty drawing.
ViewWindow ViewOf(const Rect& extents) {
    if (extents.empty) return {0, 0, 1};
    const double w = extents.maxX - extents.minX, h = extents.maxY - extents.minY;
    return {(extents.minX + extents.maxX) / 2, (extents.minY + extents.maxY) / 2, std::max({h, w / 1.6, 1e-6}) * 1.05};
}

void WriteAll(const Drawing& drawing, std::FILE* file) {
    Rect extents = DrawingExtents(drawing);
    const ViewWindow view = ViewOf(extents);
    if (extents.empty) extents = Rect::FromCorners({0, 0}, {0, 0});
    DL_Dxf dxf; // writes release 2000 unless told otherwise
    StreamWriter dw(file, DL_Codes::AC1015);
    WriteHeader(dxf, dw, extents);
    WriteTables(dxf, dw, drawing, view);
    WriteBlocks(dxf, dw, drawing);
    dw.sectionEntities();
    EntityWriter entities(dxf, dw);
    for (const Entity& e : drawing.Entities()) entities.Write(e);
    dw.sectionEnd();
    dw.BeginObjects();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    if (!dw.Finish()) rt::Raise(rt::errApplication, std::strerror(errno));
}

// A name beside the file that no other writer of this process or another uses.
std::string TemporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + "." + rt::CStr(static_cast<long long>(getpid())) + "." + rt::CStr(static_cast<long long>(counter++)) +
           ".tmp";
}

} // namespace

void WriteDxf(const Drawing& drawing, const std::string& path) {
    const std::string temporary = TemporaryName(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) rt::Raise(rt::errApplication, "cannot write " + path + ": " + std::strerror(errno));
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        ::close(fd);
        ::unlink(temporary.c_str());
        rt::Raise(rt::errApplication, "cannot write " + path);
    }
    std::setvbuf(file, nullptr, _IOFBF, kBufferBytes);
    std::string failure;
    try {
        WriteAll(drawing, file);
        if (std::fflush(file) != 0 || std::ferror(file) || ::fsync(fd) != 0) failure = std::strerror(errno);
    } catch (const rt::Error& e) {
        failure = e.Description();
    } catch (const std::exception& e) {
        failure = e.what();
    }
    if (std::fclose(file) != 0 && failure.empty()) failure = std::strerror(errno);
    if (failure.empty() && std::rename(temporary.c_str(), path.c_str()) != 0) failure = std::strerror(errno);
    if (!failure.empty()) {
        ::unlink(temporary.c_str());
        rt::Raise(rt::errApplication, "cannot write " + path + ": " + failure);
    }
}

} // namespace cad::dxf
