// Writes the workbook stream. Every number is stored as the double it stands for (a single
// as the exact double of the float), so values survive exactly. The kind a number was written
// as is kept in its cell format's number format: built-in "0" for integers, a format of our own
// with the code "General;-General" for singles, the built-in General for doubles; other
// programs show all three as plain numbers.
#include "platform/workbook/xls_writer.h"

#include <array>
#include <cmath>
#include <map>
#include <tuple>
#include <unordered_map>

#include "platform/workbook/biff_records.h"
#include "platform/workbook/sheet_units.h"
#include "platform/workbook/style_codes.h"
#include "platform/workbook/utf16.h"

namespace xl::detail {

namespace {

using biff::Bytes;

// Counts the bytes records take without keeping them.
class ByteCount {
public:
    void U16(unsigned) { size_ += 2; }
    void U32(std::uint32_t) { size_ += 4; }
    void F64(double) { size_ += 8; }
    void Put(biff::Record, const Bytes& body) { size_ += 4 + body.Size(); }
    void RecordDone() {}
    std::size_t Size() const { return size_; }

private:
    std::size_t size_ = 0;
};

// The stream as it is written: whole records gather in a buffer that is handed on in pieces,
// so that saving needs no memory for the whole stream.
class StreamOut {
public:
    explicit StreamOut(const ByteSink& write) : write_(write) {
        buffer_.Reserve(kPieceSize + 4 + biff::kMaxRecordData);
    }
    void U16(unsigned v) { buffer_.U16(v); }
    void U32(std::uint32_t v) { buffer_.U32(v); }
    void F64(double v) { buffer_.F64(v); }
    void Put(biff::Record type, const Bytes& body) {
        buffer_.Put(type, body);
        RecordDone();
    }
    // Called after each record written field by field.
    void RecordDone() {
        if (buffer_.Size() >= kPieceSize) Flush();
    }
    void Flush() {
        written_ += buffer_.Size();
        if (buffer_.Size() > 0) write_(buffer_.View());
        buffer_.Clear();
    }
    std::size_t Size() const { return written_ + buffer_.Size(); }

private:
    static constexpr std::size_t kPieceSize = 64 * 1024;
    const ByteSink& write_;
    Bytes buffer_;
    std::size_t written_ = 0;
};

constexpr std::u16string_view kFontName = u"IPAGothic";
constexpr unsigned kAutomaticColor = 0x7FFF;
constexpr int kBorderAutomatic = 64;
constexpr int kFillForeAutomatic = 64;
constexpr int kFillBackAutomatic = 65;

bool Compressible(std::u16string_view s) {
    for (char16_t c : s)
        if (c > 0xFF) return false;
    return true;
}

void PutChars(Bytes& b, std::u16string_view s, bool compressed) {
    for (char16_t c : s) compressed ? b.U8(c) : b.U16(c);
}

// Short string: 8-bit count (sheet and font names).
void PutShortString(Bytes& b, std::u16string_view s) {
    bool compressed = Compressible(s);
    b.U8(static_cast<unsigned>(s.size()));
    b.U8(compressed ? 0 : 1);
    PutChars(b, s, compressed);
}

int NumberFormatOf(ValueKind kind) {
    switch (kind) {
    case ValueKind::Single: return biff::kSingleFormat;
    case ValueKind::Integer: return biff::kIntegerFormat;
    default: return biff::kGeneralFormat;
    }
}

// The fonts and cell formats in use, numbered as the file numbers them.
class StyleTable {
public:
    StyleTable() {
        fonts_[kDefaultFontTwips] = 0;
        XfOf(CellFormat{}, biff::kGeneralFormat); // the default cell format comes first
    }

    int XfOf(const CellFormat& f, int numberFormat) {
        int font = FontOf(f.fontTwips);
        auto key = std::make_tuple(font, numberFormat, Edges(f), f.interiorColor, f.pattern);
        auto [it, added] = xfIndex_.try_emplace(key, 0);
        if (added) {
            it->second = biff::kDefaultCellXf + static_cast<int>(xfs_.size());
            xfs_.push_back({f, font, numberFormat});
        }
        return it->second;
    }

    template <class Out>
    void PutFonts(Out& out) const {
        std::vector<int> byIndex(fonts_.size());
        for (auto& [twips, index] : fonts_) byIndex[index] = twips;
        // Four copies of the default font come first; the file numbers the fifth font 5.
        for (int k = 0; k < 4; ++k) PutFont(out, byIndex[0]);
        for (std::size_t i = 1; i < byIndex.size(); ++i) PutFont(out, byIndex[i]);
    }

    template <class Out>
    void PutXfs(Out& out) const {
        for (int k = 0; k < biff::kDefaultCellXf; ++k) PutXf(out, CellFormat{}, 0, 0, true);
        for (auto& xf : xfs_) PutXf(out, xf.format, FileFontIndex(xf.font), xf.numberFormat, false);
    }

private:
    struct Xf {
        CellFormat format;
        int font;
        int numberFormat;
    };

    static std::tuple<int, int, int, int, int, int, int, int> Edges(const CellFormat& f) {
        auto& e = f.edges;
        return {LineCode(e[0]), e[0].colorIndex, LineCode(e[1]), e[1].colorIndex,
                LineCode(e[2]), e[2].colorIndex, LineCode(e[3]), e[3].colorIndex};
    }

    int FontOf(int twips) {
        auto [it, added] = fonts_.try_emplace(twips, static_cast<int>(fonts_.size()));
        return it->second;
    }

    static int FileFontIndex(int font) { return font == 0 ? 0 : font + 4; }

    template <class Out>
    static void PutFont(Out& out, int twips) {
        Bytes b;
        b.U16(static_cast<unsigned>(twips));
        b.U16(0); // no bold, italic, ...
        b.U16(kAutomaticColor);
        b.U16(400); // normal weight
        b.U16(0);   // no super/subscript
        b.U8(0);    // no underline
        b.U8(0);    // family
        b.U8(128);  // Japanese character set
        b.U8(0);
        PutShortString(b, kFontName);
        out.Put(biff::kFont, b);
    }

    template <class Out>
    static void PutXf(Out& out, const CellFormat& f, int font, int numberFormat, bool style) {
        Bytes b;
        b.U16(static_cast<unsigned>(font));
        b.U16(static_cast<unsigned>(numberFormat));
        b.U16(style ? 0xFFF5 : 0x0001); // style: parent none; cell: locked, parent style 0
        b.U8(0x20);                     // aligned to the bottom
        b.U8(0);
        b.U8(0);
        b.U8(style ? 0 : 0xFC); // a cell format sets all its attributes itself
        const EdgeStyle* e = f.edges;
        auto color = [](const EdgeStyle& edge) {
            return static_cast<std::uint32_t>(ColorCode(edge.colorIndex, kBorderAutomatic));
        };
        std::uint32_t lines = LineCode(e[kEdgeLeft]) | LineCode(e[kEdgeRight]) << 4 | LineCode(e[kEdgeTop]) << 8 |
                              LineCode(e[kEdgeBottom]) << 12;
        b.U32(lines | color(e[kEdgeLeft]) << 16 | color(e[kEdgeRight]) << 23);
        std::uint32_t fill = static_cast<std::uint32_t>(PatternCode(f.pattern));
        b.U32(color(e[kEdgeTop]) | color(e[kEdgeBottom]) << 7 | fill << 26);
        unsigned fore = static_cast<unsigned>(ColorCode(f.interiorColor, kFillForeAutomatic));
        b.U16(fore | kFillBackAutomatic << 7);
        out.Put(biff::kXf, b);
    }

    std::map<int, int> fonts_; // twips -> our font number (0 = default)
    std::map<std::tuple<int, int, std::tuple<int, int, int, int, int, int, int, int>, int, int>, int> xfIndex_;
    std::vector<Xf> xfs_;
};

// The shared string table, split into CONTINUE records as the format requires. It refers to
// the sheets' own texts, which stay unchanged while the workbook is saved.
class StringTable {
public:
    // The index of `text` in the table, entered when new.
    std::uint32_t Enter(std::string_view text) {
        auto [it, added] = index_.try_emplace(text, static_cast<std::uint32_t>(strings_.size()));
        if (added) strings_.push_back(text);
        ++uses_;
        return it->second;
    }

    template <class Out>
    void Put(Out& out) const {
        biff::Bytes record;
        record.U32(uses_);
        record.U32(static_cast<std::uint32_t>(strings_.size()));
        bool first = true;
        auto flush = [&] {
            out.Put(first ? biff::kSst : biff::kContinue, record);
            record = biff::Bytes();
            first = false;
        };
        std::u16string s;
        for (std::string_view text : strings_) {
            s.clear();
            AppendUtf8AsUtf16(s, text);
            bool compressed = Compressible(s);
            std::size_t charSize = compressed ? 1 : 2;
            // The count and flags stay in the record of the first character.
            if (record.Size() + 3 + UnitsAt(s, 0) * charSize > biff::kMaxRecordData) flush();
            record.U16(static_cast<unsigned>(s.size()));
            record.U8(compressed ? 0 : 1);
            for (std::size_t i = 0; i < s.size();) {
                // A surrogate pair goes whole into one record: readers decode each record's
                // characters on their own.
                std::size_t units = UnitsAt(s, i);
                if (record.Size() + units * charSize > biff::kMaxRecordData) {
                    flush();
                    record.U8(compressed ? 0 : 1); // a continued string restates its width
                }
                for (std::size_t end = i + units; i < end; ++i) compressed ? record.U8(s[i]) : record.U16(s[i]);
            }
        }
        flush();
    }

private:
    // The UTF-16 units of the character at s[i]: 2 for a surrogate pair, else 1 (0 past the end).
    static std::size_t UnitsAt(std::u16string_view s, std::size_t i) {
        if (i >= s.size()) return 0;
        bool pair = s[i] >= 0xD800 && s[i] <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF;
        return pair ? 2 : 1;
    }

    std::unordered_map<std::string_view, std::uint32_t> index_;
    std::vector<std::string_view> strings_;
    std::uint32_t uses_ = 0;
};

// What one sheet's cells refer to, numbered as the file numbers them, and their extent.
struct SheetIndexes {
    std::vector<std::array<int, 5>> xfs; // per format of the sheet and kind of value: cell format
    std::vector<std::uint32_t> strings;  // the shared string of each text cell, in cell order
    std::size_t cells = 0;
    int firstRow = 0, lastRow = 0, firstCol = 0, lastCol = 0; // 0-based, last ones past the end
    std::map<int, int> rowHeights;                            // see RowHeights
};

// Enters every cell's format and text in the tables, so that the workbook's own records,
// which come first, can list them.
SheetIndexes CollectStyles(const SheetContent& sheet, StyleTable& styles, StringTable& strings) {
    const CellStore& store = sheet.cells;
    SheetIndexes ix;
    ix.xfs.assign(store.FormatCount(), {-1, -1, -1, -1, -1});
    ix.firstCol = kMaxColumns;
    store.ForEach([&](int row, int column, const StoredCell& cell) {
        int& xf = ix.xfs[cell.format][static_cast<int>(cell.kind)];
        if (xf < 0) xf = styles.XfOf(store.FormatOf(cell.format), NumberFormatOf(cell.kind));
        if (cell.kind == ValueKind::Text) ix.strings.push_back(strings.Enter(store.TextOf(cell)));
        if (ix.cells++ == 0) ix.firstRow = row - 1;
        ix.firstCol = std::min(ix.firstCol, column - 1);
        ix.lastCol = std::max(ix.lastCol, column);
    });
    if (ix.cells == 0) ix.firstCol = 0;
    ix.lastRow = store.LastRow();
    ix.rowHeights = RowHeights(sheet);
    return ix;
}

template <class Out>
void PutCellHeader(Out& b, biff::Record type, unsigned length, int row, int column, int xf) {
    b.U16(type);
    b.U16(length);
    b.U16(static_cast<unsigned>(row - 1));
    b.U16(static_cast<unsigned>(column - 1));
    b.U16(static_cast<unsigned>(xf));
}

constexpr int kRowsPerBlock = 32;

// Integers within 30 bits go into the short RK form.
bool FitsRk(long long v) { return v >= -(1LL << 29) && v < (1LL << 29); }

// Puts the cells of rows top .. bottom; `textCells` counts the text cells put so far.
template <class Out>
void PutCells(Out& out, const SheetContent& sheet, const SheetIndexes& ix, int top, int bottom,
              std::size_t& textCells) {
    sheet.cells.ForEachInRows(top, bottom, [&](int row, int column, const StoredCell& cell) {
        int xf = ix.xfs[cell.format][static_cast<int>(cell.kind)];
        switch (cell.kind) {
        case ValueKind::Empty: PutCellHeader(out, biff::kBlank, 6, row, column, xf); break;
        case ValueKind::Text:
            PutCellHeader(out, biff::kLabelSst, 10, row, column, xf);
            out.U32(ix.strings[textCells++]);
            break;
        case ValueKind::Integer:
            if (FitsRk(cell.integer)) {
                PutCellHeader(out, biff::kRk, 10, row, column, xf);
                out.U32(static_cast<std::uint32_t>(cell.integer) << 2 | 0x2);
            } else {
                PutCellHeader(out, biff::kNumber, 14, row, column, xf);
                out.F64(static_cast<double>(cell.integer));
            }
            break;
        case ValueKind::Single:
        case ValueKind::Double:
            PutCellHeader(out, biff::kNumber, 14, row, column, xf);
            out.F64(cell.number);
            break;
        }
        out.RecordDone();
    });
}

// The row's record, when it holds cells or has a height of its own: its extent and height,
// marked as set when it is not the default, so that programs that do not fit rows to their
// fonts show it as high as it is.
template <class Out>
void PutRow(Out& out, const SheetContent& sheet, const SheetIndexes& ix, int row) {
    auto [first, last] = sheet.cells.RowExtent(row);
    if (first == 0 && !sheet.rowHeights.contains(row)) return;
    auto it = ix.rowHeights.find(row);
    int height = it != ix.rowHeights.end() ? it->second : RowHeightForFont(kDefaultFontTwips);
    // clang-format off
    Bytes b;
    b.U16(static_cast<unsigned>(row - 1));
    b.U16(static_cast<unsigned>(first > 0 ? first - 1 : 0)); b.U16(static_cast<unsigned>(last));
    b.U16(static_cast<unsigned>(height));
    b.U16(0); b.U16(0);
    b.U16(height != RowHeightForFont(kDefaultFontTwips) ? 0x0140 : 0x0100); // 0x40: height set
    b.U16(biff::kDefaultCellXf);
    out.Put(biff::kRow, b);
    // clang-format on
}

// Puts the sheet's records; its styles and strings are in the tables.
template <class Out>
void PutSheet(Out& out, const SheetContent& sheet, const SheetIndexes& ix, bool active) {
    // clang-format off
    Bytes b;
    b.U16(biff::kBiff8); b.U16(biff::kWorksheetType); b.U16(0x0DBB); b.U16(0x07CC);
    b.U32(0); b.U32(0x06);
    out.Put(biff::kBof, b);

    b = Bytes();
    b.U16(0);
    b.U16(static_cast<unsigned>(RowHeightForFont(kDefaultFontTwips)));
    out.Put(biff::kDefaultRowHeight, b);
    b = Bytes();
    b.U16(8);
    out.Put(biff::kDefColWidth, b);
    for (auto& [column, width] : sheet.columnWidths) {
        b = Bytes();
        b.U16(static_cast<unsigned>(column - 1)); b.U16(static_cast<unsigned>(column - 1));
        b.U16(ColumnWidthToFile(width));
        b.U16(biff::kDefaultCellXf);
        b.U16(width > 0 ? 0x0002 : 0x0003); // width set by the user; hidden at width 0
        b.U16(0);
        out.Put(biff::kColInfo, b);
    }

    b = Bytes();
    b.U32(static_cast<std::uint32_t>(ix.firstRow)); b.U32(static_cast<std::uint32_t>(ix.lastRow));
    b.U16(static_cast<unsigned>(ix.firstCol)); b.U16(static_cast<unsigned>(ix.lastCol)); b.U16(0);
    out.Put(biff::kDimensions, b);

    // Rows go in blocks of 32: the blocks' row records, then their cells.
    int lastRow = ix.lastRow;
    if (!sheet.rowHeights.empty()) lastRow = std::max(lastRow, sheet.rowHeights.rbegin()->first);
    std::size_t textCells = 0;
    for (int top = 1; top <= lastRow; top += kRowsPerBlock) {
        int bottom = std::min(top + kRowsPerBlock - 1, lastRow);
        for (int row = top; row <= bottom; ++row) PutRow(out, sheet, ix, row);
        PutCells(out, sheet, ix, top, bottom, textCells);
    }

    b = Bytes();
    b.U16(active ? 0x06B6 : 0x00B6); // grid, headers, zeros, outline; selected and shown if active
    b.U16(0); b.U16(0); b.U32(64); b.U16(0); b.U16(0); b.U32(0);
    out.Put(biff::kWindow2, b);
    out.Put(biff::kEof, Bytes());
    // clang-format on
}

// The workbook's own records: window, fonts, formats, the sheet list and the shared strings.
template <class Out>
void PutGlobals(Out& out, const std::vector<const SheetContent*>& sheets, int activeSheet,
                const std::vector<std::uint32_t>& offsets, const StyleTable& styles, const StringTable& strings) {
    // clang-format off
    Bytes b;
    b.U16(biff::kBiff8); b.U16(biff::kGlobalsType); b.U16(0x0DBB); b.U16(0x07CC);
    b.U32(0x41); b.U32(0x06);
    out.Put(biff::kBof, b);
    b = Bytes();
    b.U16(1200); // texts are UTF-16
    out.Put(biff::kCodepage, b);
    b = Bytes();
    b.U16(0x0168); b.U16(0x001E); b.U16(0x3A98); b.U16(0x2328); // window position and size
    b.U16(0x0038);                                               // scroll bars and tabs shown
    b.U16(static_cast<unsigned>(activeSheet)); b.U16(0); b.U16(1); b.U16(0x0258);
    out.Put(biff::kWindow1, b);
    styles.PutFonts(out);
    b = Bytes();
    b.U16(biff::kSingleFormat);
    b.U16(static_cast<unsigned>(biff::kSingleFormatCode.size()));
    b.U8(0);
    PutChars(b, biff::kSingleFormatCode, true);
    out.Put(biff::kFormat, b);
    styles.PutXfs(out);
    b = Bytes();
    b.U16(0x8000); b.U8(0); b.U8(0xFF); // the built-in style Normal on format 0
    out.Put(biff::kStyle, b);

    for (std::size_t i = 0; i < sheets.size(); ++i) {
        b = Bytes();
        b.U32(offsets[i]); // stream offset of the sheet
        b.U8(0);           // visible
        b.U8(0);           // worksheet
        PutShortString(b, Utf8ToUtf16(sheets[i]->name));
        out.Put(biff::kBoundSheet, b);
    }
    strings.Put(out);
    out.Put(biff::kEof, Bytes());
    // clang-format on
}

} // namespace

std::size_t WriteWorkbookStream(const std::vector<const SheetContent*>& sheets, int activeSheet,
                                const ByteSink& write) {
    StyleTable styles;
    StringTable strings;
    std::vector<SheetIndexes> indexes;
    for (const SheetContent* sheet : sheets) indexes.push_back(CollectStyles(*sheet, styles, strings));
    // The sheet list gives each sheet's place in the stream: the records are counted first.
    ByteCount count;
    std::vector<std::uint32_t> offsets(sheets.size());
    PutGlobals(count, sheets, activeSheet, offsets, styles, strings);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        offsets[i] = static_cast<std::uint32_t>(count.Size());
        PutSheet(count, *sheets[i], indexes[i], static_cast<int>(i) == activeSheet);
    }
    StreamOut out(write);
    PutGlobals(out, sheets, activeSheet, offsets, styles, strings);
    for (std::size_t i = 0; i < sheets.size(); ++i)
        PutSheet(out, *sheets[i], indexes[i], static_cast<int>(i) == activeSheet);
    out.Flush();
    return out.Size();
}

} // namespace xl::detail
