#include "platform/workbook/xls_reader.h"

#include <bit>
#include <cstdlib>
#include <cmath>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/workbook/file_faults.h"
#include "platform/workbook/range_address.h"
#include "platform/workbook/sheet_units.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/biff_records.h"
#include "platform/workbook/style_codes.h"
#include "platform/workbook/utf16.h"

namespace xl::detail {

namespace {

using Span = std::span<const std::uint8_t>;

class Fault {
public:
    explicit Fault(const std::string& fileName) : fileName_(fileName) {}
    [[noreturn]] void operator()(const std::string& what) const { RefuseRead(fileName_, what, kResaveWorkbook); }

private:
    std::string fileName_;
};

// One record with the CONTINUE records that follow it.
struct RecordData {
    std::uint16_t type = 0;
    std::size_t offset = 0;
    std::vector<Span> parts;

    std::size_t Size() const {
        std::size_t size = 0;
        for (const auto& part : parts) size += part.size();
        return size;
    }
};

class RecordStream {
public:
    RecordStream(Span stream, std::size_t start, const Fault& fault) : stream_(stream), pos_(start), fault_(fault) {}

    // The next record; valid until the following call.
    const RecordData& Next() {
        record_.offset = pos_;
        record_.parts.clear();
        Span data;
        record_.type = Header(data);
        record_.parts.push_back(data);
        while (pos_ + 4 <= stream_.size() && U16At(pos_) == biff::kContinue) {
            Header(data);
            record_.parts.push_back(data);
        }
        return record_;
    }

private:
    std::uint16_t U16At(std::size_t at) const { return static_cast<std::uint16_t>(stream_[at] | stream_[at + 1] << 8); }

    std::uint16_t Header(Span& data) {
        if (pos_ + 4 > stream_.size())
            fault_("ブックのストリームが終わりのレコードの前 (位置 " + rt::CStr(static_cast<long long>(pos_)) +
                   ") で切れています");
        std::uint16_t type = U16At(pos_);
        std::size_t length = U16At(pos_ + 2);
        if (pos_ + 4 + length > stream_.size())
            fault_("位置 " + rt::CStr(static_cast<long long>(pos_)) + " のレコード (種類 " + rt::CStr(type) +
                   ") がストリームの終わりを越えています");
        data = stream_.subspan(pos_ + 4, length);
        pos_ += 4 + length;
        return type;
    }

    Span stream_;
    std::size_t pos_;
    const Fault& fault_;
    RecordData record_;
};

// Reads through a record and its continuations. Texts restate their byte width at each
// continuation, as the format requires.
class Reader {
public:
    Reader(const RecordData& r, const Fault& fault, const char* what) : parts_(r.parts), fault_(fault), what_(what) {}

    std::uint8_t U8() {
        Settle();
        return parts_[part_][pos_++];
    }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Little(2)); }
    std::uint32_t U32() { return static_cast<std::uint32_t>(Little(4)); }
    double F64() { return std::bit_cast<double>(Little(8)); }
    void Skip(std::size_t n) {
        while (n > 0) {
            Settle();
            std::size_t step = std::min(n, parts_[part_].size() - pos_);
            pos_ += step;
            n -= step;
        }
    }
    bool AtEnd() {
        while (part_ < parts_.size() && pos_ == parts_[part_].size()) {
            ++part_;
            pos_ = 0;
        }
        return part_ == parts_.size();
    }

    // A unicode string: 16-bit count (or 8-bit when `shortCount`), flags, characters, then
    // rich-text runs and phonetic data, which are skipped.
    std::string String(bool shortCount = false) {
        std::string text;
        AppendString(text, shortCount);
        return text;
    }

    // The same, appended to `out` in UTF-8.
    void AppendString(std::string& out, bool shortCount = false) {
        std::size_t count = shortCount ? U8() : U16();
        std::uint8_t flags = U8();
        std::size_t runs = (flags & 0x08) ? U16() : 0;
        std::size_t extra = (flags & 0x04) ? U32() : 0;
        bool wide = flags & 0x01;
        std::u16string& text = utf16_;
        text.clear();
        while (text.size() < count) {
            if (pos_ == parts_[part_].size()) {
                // A string split over a continuation restates its width in one byte.
                if (part_ + 1 >= parts_.size()) Short();
                ++part_;
                pos_ = 0;
                wide = U8() & 0x01;
                continue;
            }
            text.push_back(wide ? U16() : U8());
        }
        Skip(runs * 4 + extra);
        AppendUtf16AsUtf8(out, text);
    }

private:
    // An n-byte little-endian number; read at once when the current part holds it.
    std::uint64_t Little(int n) {
        std::uint64_t v = 0;
        if (part_ < parts_.size() && pos_ + n <= parts_[part_].size()) {
            const std::uint8_t* p = parts_[part_].data() + pos_;
            for (int k = n - 1; k >= 0; --k) v = v << 8 | p[k];
            pos_ += n;
            return v;
        }
        for (int k = 0; k < n; ++k) v |= static_cast<std::uint64_t>(U8()) << (8 * k);
        return v;
    }

    void Settle() {
        while (part_ < parts_.size() && pos_ == parts_[part_].size()) {
            ++part_;
            pos_ = 0;
        }
        if (part_ == parts_.size()) Short();
    }
    [[noreturn]] void Short() { fault_(std::string(what_) + "が中身より短くなっています"); }

    const std::vector<Span>& parts_;
    std::size_t part_ = 0, pos_ = 0;
    const Fault& fault_;
    const char* what_;
    std::u16string utf16_; // the string being read, reused from one to the next
};

// The kind a cell format's numbers were written as.
enum class NumberKind {
    Double,
    Integer,
    Single,
    // The plain "General" of a format of the file's own: singles in files of the program's
    // earlier versions, any number in those of other writers. Only a number the value shows
    // to be a widened single is taken for one.
    WidenedSingle,
};

struct XfInfo {
    CellFormat format;
    NumberKind numberKind = NumberKind::Double;
};

struct SheetEntry {
    std::uint32_t offset;
    std::string name;
};

// The shared string table: all texts in one buffer, so that a table of many short texts
// takes little memory.
class SharedStrings {
public:
    std::size_t Size() const { return ends_.size(); }
    std::string_view At(std::size_t i) const {
        std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(chars_).substr(begin, ends_[i] - begin);
    }
    // Room for texts of about this many bytes in the file.
    void Reserve(std::size_t bytes) { chars_.reserve(bytes); }
    void Read(Reader& in) {
        in.AppendString(chars_);
        ends_.push_back(static_cast<std::uint32_t>(chars_.size()));
    }

private:
    std::string chars_;
    std::vector<std::uint32_t> ends_; // the texts of a file of at most 1 GB stay below 4 GB
};

struct Globals {
    std::vector<int> fontTwips; // in file order, index 4 not used by the file
    std::map<int, std::u16string> formats;
    std::vector<XfInfo> xfs;
    SharedStrings strings;
    std::vector<SheetEntry> sheets;
    int activeSheet = 0;
};

bool IsSingle(double v) { return static_cast<double>(static_cast<float>(v)) == v; }

// A single widened to double carries binary digits no decimal number of 15 digits gives back
// (12.3f is 12.30000019073486328125); a number another program wrote as a double is exact in
// its 15-digit text (12345.625, 20000000), and so keeps every digit it has.
bool IsWidenedSingle(double v) { return IsSingle(v) && std::strtod(rt::CStr(v).c_str(), nullptr) != v; }

// The kind a number of a cell format is kept as; a number its format's kind cannot hold
// exactly stays a double.
ValueKind KindOf(NumberKind kind, double v) {
    switch (kind) {
    case NumberKind::Integer:
        return v == std::trunc(v) && std::fabs(v) <= 9007199254740992.0 ? ValueKind::Integer : ValueKind::Double;
    case NumberKind::Single: return IsSingle(v) ? ValueKind::Single : ValueKind::Double;
    case NumberKind::WidenedSingle: return IsWidenedSingle(v) ? ValueKind::Single : ValueKind::Double;
    case NumberKind::Double: break;
    }
    return ValueKind::Double;
}

double RkValue(std::uint32_t rk) {
    double v = (rk & 0x2) ? static_cast<double>(static_cast<std::int32_t>(rk) >> 2)
                          : std::bit_cast<double>(static_cast<std::uint64_t>(rk & 0xFFFFFFFC) << 32);
    return (rk & 0x1) ? v / 100 : v;
}

XfInfo ReadXf(Reader& in, const Globals& g) {
    XfInfo xf;
    unsigned font = in.U16();
    unsigned numberFormat = in.U16();
    in.Skip(6);
    std::uint32_t lines = in.U32();
    std::uint32_t colors = in.U32();
    unsigned fill = in.U16();
    // The file numbers its fourth font 3 and its fifth 5.
    std::size_t fontIndex = font >= 4 ? font - 1 : font;
    if (fontIndex < g.fontTwips.size()) xf.format.fontTwips = g.fontTwips[fontIndex];
    xf.format.edges[kEdgeLeft] = EdgeFromCodes(lines & 0xF, (lines >> 16) & 0x7F);
    xf.format.edges[kEdgeRight] = EdgeFromCodes((lines >> 4) & 0xF, (lines >> 23) & 0x7F);
    xf.format.edges[kEdgeTop] = EdgeFromCodes((lines >> 8) & 0xF, colors & 0x7F);
    xf.format.edges[kEdgeBottom] = EdgeFromCodes((lines >> 12) & 0xF, (colors >> 7) & 0x7F);
    xf.format.pattern = PatternFromCode(static_cast<int>(colors >> 26));
    if (xf.format.pattern != xlPatternNone) xf.format.interiorColor = ColorFromCode(fill & 0x7F);
    if (numberFormat == biff::kIntegerFormat) xf.numberKind = NumberKind::Integer;
    auto it = g.formats.find(static_cast<int>(numberFormat));
    if (numberFormat >= biff::kSingleFormat && it != g.formats.end()) {
        if (it->second == biff::kSingleFormatCode) xf.numberKind = NumberKind::Single;
        else if (it->second == biff::kGeneralFormatCode) xf.numberKind = NumberKind::WidenedSingle;
    }
    return xf;
}

void ReadSst(const RecordData& r, Globals& g, const Fault& fault) {
    Reader in(r, fault, "共有文字列の表");
    in.U32();
    std::uint32_t unique = in.U32();
    // The count is only trusted as far as the data go.
    g.strings.Reserve(r.Size());
    for (std::uint32_t i = 0; i < unique && !in.AtEnd(); ++i) g.strings.Read(in);
}

void CheckBof(Reader& in, std::uint16_t expectedType, const Fault& fault, const std::string& where) {
    std::uint16_t version = in.U16();
    std::uint16_t type = in.U16();
    if (version != biff::kBiff8) fault(where + "が Excel 97-2003 (BIFF8) 形式ではありません");
    if (type != expectedType) fault(where + "の種類が違います");
}

Globals ReadGlobals(Span stream, const Fault& fault) {
    Globals g;
    RecordStream records(stream, 0, fault);
    const RecordData& first = records.Next();
    if (first.type != biff::kBof) fault("ブックのストリームが始まりのレコード (BOF) で始まっていません");
    {
        Reader in(first, fault, "ブックの始まりのレコード");
        CheckBof(in, biff::kGlobalsType, fault, "ブック");
    }
    for (;;) {
        const RecordData& r = records.Next();
        if (r.type == biff::kEof) break;
        Reader in(r, fault, "ブックのレコード");
        switch (r.type) {
        case biff::kFont: g.fontTwips.push_back(in.U16()); break;
        case biff::kFormat: {
            int index = in.U16();
            g.formats[index] = Utf8ToUtf16(in.String());
            break;
        }
        case biff::kXf: g.xfs.push_back(ReadXf(in, g)); break;
        case biff::kBoundSheet: {
            std::uint32_t offset = in.U32();
            in.U8();
            std::uint8_t kind = in.U8();
            std::string name = in.String(true);
            if (kind == 0) g.sheets.push_back({offset, name}); // charts and macro sheets are left out
            break;
        }
        case biff::kSst: ReadSst(r, g, fault); break;
        case biff::kWindow1:
            in.Skip(10);
            g.activeSheet = in.U16();
            break;
        default: break;
        }
    }
    return g;
}

class SheetReader {
public:
    SheetReader(const Globals& g, SheetContent& sheet, const Fault& fault)
            : g_(g), sheet_(sheet), fault_(fault), xfFormats_(g.xfs.size(), kNoFormat) {}

    void Read(Span stream, std::uint32_t offset) {
        if (offset >= stream.size()) Fail("がブックのストリームの終わりより後から始まっています");
        RecordStream records(stream, offset, fault_);
        const RecordData& first = records.Next();
        if (first.type != biff::kBof) Fail("が始まりのレコード (BOF) で始まっていません");
        {
            Reader in(first, fault_, "シートの始まりのレコード");
            CheckBof(in, biff::kWorksheetType, fault_, "シート \"" + sheet_.name + "\" ");
        }
        int depth = 1; // embedded objects (charts) bring their own BOF .. EOF
        while (depth > 0) {
            const RecordData& r = records.Next();
            if (r.type == biff::kBof) ++depth;
            else if (r.type == biff::kEof) --depth;
            else if (depth == 1) Record(r);
        }
        KeepHeightsApartFromFonts();
    }

private:
    // A height the row's fonts give it anyway is no height of its own.
    void KeepHeightsApartFromFonts() {
        const int defaultHeight = RowHeightForFont(kDefaultFontTwips);
        std::map<int, int> byFont = RowHeightsByFont(sheet_.cells);
        std::erase_if(sheet_.rowHeights, [&](const auto& entry) {
            auto it = byFont.find(entry.first);
            return entry.second == (it == byFont.end() ? defaultHeight : it->second);
        });
    }

    [[noreturn]] void Fail(const std::string& what) { fault_("シート \"" + sheet_.name + "\" " + what); }

    void Record(const RecordData& r) {
        Reader in(r, fault_, "セルのレコード");
        switch (r.type) {
        case biff::kLabelSst: {
            auto [row, col, xf] = Header(in);
            std::uint32_t index = in.U32();
            if (index >= g_.strings.Size())
                Fail("のセル " + CellName(row + 1, col + 1) + " が共有文字列の " +
                     rt::CStr(static_cast<long long>(index)) + " 番を指していますが、表には " +
                     rt::CStr(static_cast<long long>(g_.strings.Size())) + " 個しかありません");
            PutText(row, col, xf, g_.strings.At(index));
            break;
        }
        case biff::kLabel:
        case biff::kRString: {
            auto [row, col, xf] = Header(in);
            PutText(row, col, xf, in.String());
            break;
        }
        case biff::kNumber: {
            auto [row, col, xf] = Header(in);
            PutNumber(row, col, xf, in.F64());
            break;
        }
        case biff::kRk: {
            auto [row, col, xf] = Header(in);
            PutNumber(row, col, xf, RkValue(in.U32()));
            break;
        }
        case biff::kMulRk:
        case biff::kMulBlank: {
            int row = in.U16();
            int col = in.U16();
            std::size_t size = r.Size();
            std::size_t each = r.type == biff::kMulRk ? 6 : 2;
            if (size < 6) Fail("に短すぎる複数セルのレコードがあります");
            std::size_t count = (size - 6) / each;
            for (std::size_t k = 0; k < count; ++k, ++col) {
                int xf = in.U16();
                if (r.type == biff::kMulRk) PutNumber(row, col, xf, RkValue(in.U32()));
                else PutBlank(row, col, xf);
            }
            break;
        }
        case biff::kBlank: {
            auto [row, col, xf] = Header(in);
            PutBlank(row, col, xf);
            break;
        }
        case biff::kBoolErr: {
            auto [row, col, xf] = Header(in);
            std::uint8_t value = in.U8();
            PutText(row, col, xf, in.U8() ? ErrorText(value) : value ? "TRUE" : "FALSE");
            break;
        }
        case biff::kFormula: Formula(in); break;
        case biff::kString:
            if (pendingString_) {
                auto [row, col, xf] = *pendingString_;
                pendingString_.reset();
                PutText(row, col, xf, in.String());
            }
            break;
        case biff::kColInfo: {
            int first = in.U16();
            int last = in.U16();
            double width = ColumnWidthFromFile(in.U16());
            for (int c = first; c <= last && c < kMaxColumns; ++c) sheet_.columnWidths[c + 1] = width;
            break;
        }
        case biff::kRow: {
            int row = in.U16();
            in.Skip(4);
            unsigned height = in.U16();
            in.Skip(4);
            unsigned flags = in.U16();
            // A height marked as set; bit 15 marks the default height instead.
            if ((flags & 0x40) && !(height & 0x8000)) sheet_.rowHeights[row + 1] = static_cast<int>(height);
            break;
        }
        default: break;
        }
    }

    struct CellHeader {
        int row, col, xf;
    };

    CellHeader Header(Reader& in) {
        int row = in.U16();
        int col = in.U16();
        int xf = in.U16();
        return {row, col, xf};
    }

    // A formula keeps its last result: a number, or a text in the STRING record that follows.
    void Formula(Reader& in) {
        auto h = Header(in);
        std::uint8_t result[8];
        for (auto& b : result) b = in.U8();
        if (result[6] != 0xFF || result[7] != 0xFF) {
            std::uint64_t bits = 0;
            for (int k = 7; k >= 0; --k) bits = bits << 8 | result[k];
            PutNumber(h.row, h.col, h.xf, std::bit_cast<double>(bits));
            return;
        }
        switch (result[0]) {
        case 0: pendingString_ = h; break;
        case 1: PutText(h.row, h.col, h.xf, result[2] ? "TRUE" : "FALSE"); break;
        case 2: PutText(h.row, h.col, h.xf, ErrorText(result[2])); break;
        default: PutBlank(h.row, h.col, h.xf); break;
        }
    }

    static const char* ErrorText(std::uint8_t code) {
        switch (code) {
        case 0x00: return "#NULL!";
        case 0x07: return "#DIV/0!";
        case 0x0F: return "#VALUE!";
        case 0x17: return "#REF!";
        case 0x1D: return "#NAME?";
        case 0x24: return "#NUM!";
        default: return "#N/A";
        }
    }

    const XfInfo* XfAt(int xf) const { return xf >= 0 && xf < static_cast<int>(g_.xfs.size()) ? &g_.xfs[xf] : nullptr; }

    void PutNumber(int row, int col, int xf, double v) {
        if (!std::isfinite(v)) Fail("のセル " + CellName(row + 1, col + 1) + " の数値が有限の値ではありません");
        const XfInfo* info = XfAt(xf);
        CheckColumn(col);
        sheet_.cells.PutNumber(row + 1, col + 1, FormatOf(xf), KindOf(info ? info->numberKind : NumberKind::Double, v),
                               v);
    }

    // The empty text is the empty value.
    void PutText(int row, int col, int xf, std::string_view text) {
        if (text.empty()) return PutBlank(row, col, xf);
        CheckColumn(col);
        sheet_.cells.PutText(row + 1, col + 1, FormatOf(xf), text);
    }

    // A cell without value is kept only for its format.
    void PutBlank(int row, int col, int xf) {
        CheckColumn(col);
        if (std::uint32_t format = FormatOf(xf); format != 0) sheet_.cells.PutBlank(row + 1, col + 1, format);
    }

    void CheckColumn(int col) {
        if (col >= kMaxColumns) Fail("に最後の列 (IV) より右のセルがあります");
    }

    // The sheet's number of the cell format `xf`, entered on first use.
    std::uint32_t FormatOf(int xf) {
        const XfInfo* info = XfAt(xf);
        if (!info) return 0;
        std::uint32_t& format = xfFormats_[xf];
        if (format == kNoFormat) format = sheet_.cells.FormatIndex(info->format);
        return format;
    }

    const Globals& g_;
    SheetContent& sheet_;
    const Fault& fault_;
    std::optional<CellHeader> pendingString_;
    static constexpr std::uint32_t kNoFormat = ~0u;
    std::vector<std::uint32_t> xfFormats_; // cell format of the file -> the sheet's format number
};

// A sheet name with its ASCII letters in upper case: two sheets whose names agree in this form
// have the same name, as the workbook compares names.
std::string FoldedSheetName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return folded;
}

} // namespace

BookContent ParseWorkbookStream(Span stream, const std::string& fileName) {
    Fault fault(fileName);
    Globals g = ReadGlobals(stream, fault);
    if (g.sheets.empty()) fault("ブックにワークシートがありません");
    BookContent book;
    book.sheets.reserve(g.sheets.size());
    // The sheets' names so far by their folded form, to find a repeated name in one look.
    std::unordered_map<std::string, std::string_view> names;
    names.reserve(g.sheets.size());
    for (const auto& entry : g.sheets) {
        if (entry.name.empty()) fault("名前のないシートがあります");
        auto [earlier, added] = names.try_emplace(FoldedSheetName(entry.name), entry.name);
        if (!added) {
            if (earlier->second == entry.name) fault("\"" + entry.name + "\" という名前のシートが二つあります");
            fault("\"" + std::string(earlier->second) + "\" と \"" + entry.name +
                  "\" は大文字と小文字が違うだけの同じ名前のシートです");
        }
        SheetContent sheet;
        sheet.name = entry.name;
        SheetReader(g, sheet, fault).Read(stream, entry.offset);
        book.sheets.push_back(std::move(sheet));
    }
    book.activeSheet = g.activeSheet < static_cast<int>(book.sheets.size()) ? g.activeSheet : 0;
    return book;
}

} // namespace xl::detail
