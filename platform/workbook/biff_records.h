#pragma once
// Record types of the BIFF8 workbook stream and a little-endian byte builder for them.
#include <cstdint>
#include <string_view>
#include <vector>

namespace xl::detail::biff {

enum Record : std::uint16_t {
    kFormula = 0x0006,
    kEof = 0x000A,
    kContinue = 0x003C,
    kWindow1 = 0x003D,
    kCodepage = 0x0042,
    kDefColWidth = 0x0055,
    kFont = 0x0031,
    kColInfo = 0x007D,
    kBoundSheet = 0x0085,
    kMulRk = 0x00BD,
    kMulBlank = 0x00BE,
    kRString = 0x00D6,
    kXf = 0x00E0,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kDimensions = 0x0200,
    kBlank = 0x0201,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolErr = 0x0205,
    kString = 0x0207,
    kWindow2 = 0x023E,
    kRk = 0x027E,
    kStyle = 0x0293,
    kFormat = 0x041E,
    kBof = 0x0809,
};

constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::uint16_t kGlobalsType = 0x0005;
constexpr std::uint16_t kWorksheetType = 0x0010;
constexpr std::size_t kMaxRecordData = 8224;

// Number formats that tell the kind a number was written as (see xls_writer.cpp).
constexpr int kGeneralFormat = 0;   // doubles
constexpr int kIntegerFormat = 1;   // built-in "0": integers
constexpr int kSingleFormat = 164;  // our own "General": singles
constexpr std::u16string_view kSingleFormatCode = u"General";

// The first cell format; formats 0 .. 14 are style formats.
constexpr int kDefaultCellXf = 15;

class Bytes {
public:
    void U8(unsigned v) { data_.push_back(static_cast<std::uint8_t>(v)); }
    void U16(unsigned v) { U8(v & 0xFF); U8((v >> 8) & 0xFF); }
    void U32(std::uint32_t v) { U16(v & 0xFFFF); U16(v >> 16); }
    void F64(double v);
    void Append(const Bytes& other) { data_.insert(data_.end(), other.data_.begin(), other.data_.end()); }
    // A record: type, length, data (at most kMaxRecordData bytes).
    void Put(Record type, const Bytes& body);
    void Patch32(std::size_t at, std::uint32_t v);
    void Reserve(std::size_t n) { data_.reserve(n); }
    std::size_t Size() const { return data_.size(); }
    std::vector<std::uint8_t>& Data() { return data_; }

private:
    std::vector<std::uint8_t> data_;
};

} // namespace xl::detail::biff
