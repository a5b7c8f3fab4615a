#include <cmath>
#include <functional>

#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/book_model.h"
#include "platform/workbook/range_address.h"
#include "platform/workbook/refusal.h"
#include "platform/workbook/sheet_units.h"
#include "platform/workbook/style_codes.h"
#include "platform/workbook/workbook.h"

namespace xl {

using namespace detail;

namespace {

// Setting values or formats cell by cell is refused beyond this many cells (a whole sheet
// would be 16 million); clearing has no such limit.
constexpr long long kMaxCellsPerCall = 1 << 20;
constexpr int kMaxTextLength = 32767;
constexpr double kLargestExactInteger = 9007199254740992.0; // 2^53

long long CellCount(const Area& a) { return static_cast<long long>(a.bottom - a.top + 1) * (a.right - a.left + 1); }

[[noreturn]] void Refuse(const std::string& what) { detail::Refuse(rt::errApplication, what); }

// 「ブック "…" のシート "…" のセル B6」, or 「… のセル A1:B2」 for a range.
std::string AreaPlace(const SheetData& sheet, const Area& a) {
    std::string place = CellPlace(sheet, a.top, a.left);
    if (a.bottom != a.top || a.right != a.left) place += ":" + CellName(a.bottom, a.right);
    return place;
}

void CheckValue(const SheetData& sheet, const Area& a, const CellValue& value) {
    switch (value.Kind()) {
    case ValueKind::Text:
        if (rt::Len(value.Text()) > kMaxTextLength)
            Refuse(AreaPlace(sheet, a) + " に入れる文字列が長すぎます。セルに入るのは 32767 文字までです。");
        break;
    case ValueKind::Single:
    case ValueKind::Double:
        if (!std::isfinite(value.Double()))
            Refuse(AreaPlace(sheet, a) + " に " + value.Text() +
                   " は入れられません。値が大きすぎるか数値になっていません。元の入力値を確かめてください。");
        break;
    case ValueKind::Integer:
        if (std::fabs(value.Double()) > kLargestExactInteger)
            detail::Refuse(rt::errOverflow, AreaPlace(sheet, a) + " に整数 " + value.Text() +
                                                " は大きすぎて入れられません。元の入力値を確かめてください。");
        break;
    case ValueKind::Empty: break;
    }
}

void CheckCellCount(const SheetData& sheet, const Area& a) {
    if (CellCount(a) > kMaxCellsPerCall)
        Refuse(AreaPlace(sheet, a) + " は広すぎて一度には設定できません。1048576 セルまでに分けてください。");
}

// Calls `edit` on the format of every cell of the area.
void EditFormats(SheetData& sheet, const Area& a, const std::function<void(CellFormat&, int, int)>& edit) {
    CheckCellCount(sheet, a);
    sheet.content.cells.EditFormats(a, edit);
    NotifyChanged(*sheet.book.lock());
}

const CellFormat& FormatAt(const SheetData& sheet, int row, int column) {
    return sheet.content.cells.Format(row, column);
}

// Which stored edges a border index covers for the cell at (r, c) of area a.
void ForEachEdge(int index, const Area& a, int r, int c, const std::function<void(Edge)>& f) {
    switch (index) {
    case xlEdgeLeft:
        if (c == a.left) f(kEdgeLeft);
        break;
    case xlEdgeTop:
        if (r == a.top) f(kEdgeTop);
        break;
    case xlEdgeBottom:
        if (r == a.bottom) f(kEdgeBottom);
        break;
    case xlEdgeRight:
        if (c == a.right) f(kEdgeRight);
        break;
    case xlInsideVertical:
        if (c > a.left) f(kEdgeLeft);
        if (c < a.right) f(kEdgeRight);
        break;
    case xlInsideHorizontal:
        if (r > a.top) f(kEdgeTop);
        if (r < a.bottom) f(kEdgeBottom);
        break;
    }
}

// The stored edge a border index reads from: the first cell it covers.
EdgeStyle EdgeOf(const SheetData& sheet, const Area& a, int index) {
    switch (index) {
    case xlEdgeLeft: return FormatAt(sheet, a.top, a.left).edges[kEdgeLeft];
    case xlEdgeTop: return FormatAt(sheet, a.top, a.left).edges[kEdgeTop];
    case xlEdgeBottom: return FormatAt(sheet, a.bottom, a.left).edges[kEdgeBottom];
    case xlEdgeRight: return FormatAt(sheet, a.top, a.right).edges[kEdgeRight];
    case xlInsideVertical: return a.right > a.left ? FormatAt(sheet, a.top, a.left).edges[kEdgeRight] : EdgeStyle{};
    default: return a.bottom > a.top ? FormatAt(sheet, a.top, a.left).edges[kEdgeBottom] : EdgeStyle{};
    }
}

} // namespace

Range::Range(std::shared_ptr<SheetData> sheet, Area area) : sheet_(std::move(sheet)), area_(area) {}

CellValue Range::Value() const { return LiveSheet(sheet_).content.cells.Value(area_.top, area_.left); }

void Range::SetValue(const CellValue& value) {
    SheetData& sheet = LiveSheet(sheet_);
    CheckValue(sheet, area_, value);
    CheckCellCount(sheet, area_);
    sheet.content.cells.SetValue(area_, value);
    NotifyChanged(*sheet.book.lock());
}

void Range::ClearContents() {
    SheetData& sheet = LiveSheet(sheet_);
    sheet.content.cells.ClearValues(area_);
    NotifyChanged(*sheet.book.lock());
}

std::shared_ptr<xl::Font> Range::Font() const {
    LiveSheet(sheet_);
    return std::make_shared<xl::Font>(sheet_, area_);
}

std::shared_ptr<xl::Interior> Range::Interior() const {
    LiveSheet(sheet_);
    return std::make_shared<xl::Interior>(sheet_, area_);
}

std::shared_ptr<xl::Border> Range::Borders(int index) const {
    LiveSheet(sheet_);
    if (index < xlEdgeLeft || index > xlInsideHorizontal)
        Refuse("罫線の番号 " + rt::CStr(index) + " はありません。7 から 12 で指定してください。");
    return std::make_shared<xl::Border>(sheet_, area_, index);
}

double Range::ColumnWidth() const {
    const auto& widths = LiveSheet(sheet_).content.columnWidths;
    auto it = widths.find(area_.left);
    return it == widths.end() ? kDefaultColumnWidth : it->second;
}

void Range::SetColumnWidth(double width) {
    SheetData& sheet = LiveSheet(sheet_);
    if (!(width >= 0 && width <= 255))
        Refuse(AreaPlace(sheet, area_) + " の列幅 " + rt::CStr(width) +
               " は設定できません。0 から 255 で指定してください。");
    double stored = KeptColumnWidth(width);
    for (int c = area_.left; c <= area_.right; ++c) sheet.content.columnWidths[c] = stored;
    NotifyChanged(*sheet.book.lock());
}

int Range::Row() const {
    LiveSheet(sheet_);
    return area_.top;
}
int Range::Column() const {
    LiveSheet(sheet_);
    return area_.left;
}
Area Range::Address() const {
    LiveSheet(sheet_);
    return area_;
}

std::shared_ptr<Range> Range::End(int direction) const {
    const CellStore& cells = LiveSheet(sheet_).content.cells;
    if (direction != xlDown)
        Refuse("End の方向 " + rt::CStr(direction) + " には対応していません。xlDown (-4121) で指定してください。");
    const int column = area_.left;
    auto holdsValue = [&](int row) {
        const StoredCell* cell = cells.Find(row, column);
        return cell && cell->kind != ValueKind::Empty;
    };
    int row = area_.top;
    if (row < kMaxRows && holdsValue(row) && holdsValue(row + 1)) {
        while (row < kMaxRows && holdsValue(row + 1)) ++row;
    } else {
        const int next = cells.NextRowWithValue(row, column);
        row = next > 0 ? next : kMaxRows;
    }
    return std::make_shared<Range>(sheet_, Area{row, column, row, column});
}

Font::Font(std::shared_ptr<SheetData> sheet, Area area) : sheet_(std::move(sheet)), area_(area) {}

double Font::Size() const { return FormatAt(LiveSheet(sheet_), area_.top, area_.left).fontTwips / 20.0; }

void Font::SetSize(double points) {
    SheetData& sheet = LiveSheet(sheet_);
    if (!(points >= 1 && points <= 409))
        Refuse(AreaPlace(sheet, area_) + " の文字の大きさ " + rt::CStr(points) +
               " は設定できません。1 から 409 ポイントで指定してください。");
    int twips = static_cast<int>(std::lround(points * 20));
    EditFormats(sheet, area_, [&](CellFormat& f, int, int) { f.fontTwips = twips; });
}

Border::Border(std::shared_ptr<SheetData> sheet, Area area, int index)
        : sheet_(std::move(sheet)), area_(area), index_(index) {}

int Border::LineStyle() const { return EdgeOf(LiveSheet(sheet_), area_, index_).lineStyle; }
int Border::Weight() const { return EdgeOf(LiveSheet(sheet_), area_, index_).weight; }
int Border::ColorIndex() const { return EdgeOf(LiveSheet(sheet_), area_, index_).colorIndex; }

namespace {
// Applies `change` to every edge the border covers; a weight or colour given to an edge
// without a line draws a continuous one, as the spreadsheet does.
void ChangeEdges(SheetData& sheet, const Area& a, int index, const std::function<void(EdgeStyle&)>& change) {
    EditFormats(sheet, a, [&](CellFormat& f, int r, int c) {
        ForEachEdge(index, a, r, c, [&](Edge e) {
            EdgeStyle& edge = f.edges[e];
            change(edge);
            edge = Normalized(edge);
        });
    });
}
} // namespace

void Border::SetLineStyle(int style) {
    SheetData& sheet = LiveSheet(sheet_);
    if (!IsLineStyle(style)) Refuse("罫線の種類 " + rt::CStr(style) + " はありません。");
    ChangeEdges(sheet, area_, index_, [&](EdgeStyle& e) { e.lineStyle = style; });
}

void Border::SetWeight(int weight) {
    SheetData& sheet = LiveSheet(sheet_);
    if (!IsWeight(weight)) Refuse("罫線の太さ " + rt::CStr(weight) + " はありません。");
    ChangeEdges(sheet, area_, index_, [&](EdgeStyle& e) {
        if (e.lineStyle == xlLineStyleNone) e.lineStyle = xlContinuous;
        e.weight = weight;
    });
}

void Border::SetColorIndex(int index) {
    SheetData& sheet = LiveSheet(sheet_);
    if (!IsPaletteColor(index) && index != xlColorIndexAutomatic)
        Refuse("罫線の色番号 " + rt::CStr(index) + " はありません。1 から 56 か自動で指定してください。");
    ChangeEdges(sheet, area_, index_, [&](EdgeStyle& e) {
        if (e.lineStyle == xlLineStyleNone) e.lineStyle = xlContinuous;
        e.colorIndex = index;
    });
}

Interior::Interior(std::shared_ptr<SheetData> sheet, Area area) : sheet_(std::move(sheet)), area_(area) {}

int Interior::ColorIndex() const { return FormatAt(LiveSheet(sheet_), area_.top, area_.left).interiorColor; }

int Interior::Pattern() const { return FormatAt(LiveSheet(sheet_), area_.top, area_.left).pattern; }

// A colour on an unfilled cell fills it solid; no colour or no pattern removes the fill.
void Interior::SetColorIndex(int index) {
    SheetData& sheet = LiveSheet(sheet_);
    if (!IsPaletteColor(index) && index != xlColorIndexAutomatic && index != xlColorIndexNone)
        Refuse("塗りつぶしの色番号 " + rt::CStr(index) + " はありません。1 から 56 か自動かなしで指定してください。");
    EditFormats(sheet, area_, [&](CellFormat& f, int, int) {
        f.interiorColor = index;
        if (index == xlColorIndexNone) f.pattern = xlPatternNone;
        else if (f.pattern == xlPatternNone) f.pattern = xlPatternSolid;
    });
}

void Interior::SetPattern(int pattern) {
    SheetData& sheet = LiveSheet(sheet_);
    if (!IsPattern(pattern)) Refuse("塗りつぶしの模様 " + rt::CStr(pattern) + " はありません。");
    EditFormats(sheet, area_, [&](CellFormat& f, int, int) {
        f.pattern = pattern;
        if (pattern == xlPatternNone) f.interiorColor = xlColorIndexNone;
        else if (f.interiorColor == xlColorIndexNone) f.interiorColor = xlColorIndexAutomatic;
    });
}

} // namespace xl
